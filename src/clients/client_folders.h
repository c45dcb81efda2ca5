#pragma once
// Client folders on disk: finding files whatever the case of their names, choosing the next
// recording number, and making or checking a client's folder.
//
// Next recording number (recording, import, "save as new"):
//   1. list the client's folder once; a number is taken by a sound file (.wav) or a backup
//      placeholder (.bkp) of either prefix; date, label and notes files do not count;
//   2. scan 1, 2, ... 150: a taken number becomes `last`; sixteen free numbers in a row end
//      the scan;
//   3. the result is last + 1, so a free number below the highest taken one is never reused;
//      when 150 is taken, msg::TooManyRecordings is shown and the result is -1.
//
// Typical call:
//   int n = nextRecordingNumber(ui, workingFolder, clientCode);
//   if (n < 0) return;                       // no client open, or 150 reached (already said)
//   auto wav = recordingPath(workingFolder, clientCode, n, prefixForRate(rate));
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "clients/recording_names.h"
#include "core/interaction.h"

namespace velmora {

// Sixteen free numbers in a row end the scan for the next recording number.
constexpr int kFreeNumbersEndingScan = 16;

// The file `name` in `folder`, matched without regard to case when no exact match exists.
// Nothing when the folder holds no such file.
std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name);

// taken[n] for n in 1..150: the folder holds a sound file or a placeholder of number n.
using TakenNumbers = std::array<bool, kMaxRecordingNumber + 1>;
TakenNumbers takenRecordingNumbers(const std::filesystem::path& clientFolderPath);

// The scan of steps 2 and 3 over a set of taken numbers: 1..150, or 0 when 150 is taken.
int nextFreeNumber(const TakenNumbers& taken);

// 1..150; -1 at once for no client (code -1); -1 after msg::TooManyRecordings when 150 is taken.
int nextRecordingNumber(Interaction& ui, const std::filesystem::path& workingFolder, int clientCode);

// Checks that the client's folder exists and can be entered (the program never changes its
// current directory for it; paths are built from the working folder). False after msg::ClientFolderInaccessible.
bool enterClientFolder(Interaction& ui, const std::filesystem::path& workingFolder, int clientCode);

// Creates "pac%03d" for a new client. An existing folder is kept and reported with msg::ClientFolderExists;
// the client uses it with whatever it holds. False only when no folder could be made.
bool createClientFolder(Interaction& ui, const std::filesystem::path& workingFolder, int clientCode);

// The "Other Files" folder, created when missing (an existing one is kept). Nothing when it
// cannot be made.
std::optional<std::filesystem::path> ensureOtherFilesFolder(const std::filesystem::path& workingFolder);

// The "Models" folder, created when missing.
std::optional<std::filesystem::path> ensureModelsFolder(const std::filesystem::path& workingFolder);

}  // namespace velmora
