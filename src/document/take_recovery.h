#pragma once
// A take interrupted by a crash or a power loss. The recorder flushes every buffer into
// "grav.tmp" of the working folder; while a take runs, "grav.own" beside it names the client
// the take belongs to and its record format. The owner file goes when the take has been
// stored (kept or refused); when it is still there at the next start, the samples in
// grav.tmp were never stored and the therapist is offered to keep them.
//
//   rememberTakeOwner(folder, {code, formatCode, name})   before the take starts
//   forgetTakeOwner(folder)                                once the take's WAV was written
//   recoverInterruptedTake(folder, ui)                     at start, before any take
#include <filesystem>
#include <optional>
#include <string>

#include "core/interaction.h"

namespace velmora {

inline constexpr const char* kTakeOwnerFile = "grav.own";

struct TakeOwner {
  int clientCode = -1;
  int formatCode = 0;
  std::string clientName;
};

bool rememberTakeOwner(const std::filesystem::path& workingFolder, const TakeOwner& owner);
void forgetTakeOwner(const std::filesystem::path& workingFolder);
// Nothing for a missing or malformed owner file.
std::optional<TakeOwner> readTakeOwner(const std::filesystem::path& workingFolder);

// Offers (msg::AskKeepInterruptedTake) to keep the samples of an interrupted take as the next
// recording of its client, or, for "Other Files" or a client whose folder is gone, as a file
// chosen in the Other Files folder. "No" (or a cancelled file choice) deletes them. A failed
// write keeps grav.tmp and the owner file, so the next start offers them again.
// The stored recording's path, or nothing.
std::optional<std::filesystem::path> recoverInterruptedTake(const std::filesystem::path& workingFolder, Interaction& ui);

}  // namespace velmora
