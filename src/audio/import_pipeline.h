#pragma once
// "Import...": a WAV file from anywhere becomes the open client's next numbered recording.
//
// importRecording(request):
//   1. read the source (failure: msg::FileNotOpened); only 16-bit files are taken (ImportNot16Bits);
//   2. take the client's next free recording number (none: the command ends; TooManyRecordings was shown);
//   3. a mono file at 11025, 22050 or 44100 Hz is copied byte for byte;
//   4. anything else goes through the conversion question (target rate, channel); Cancel ends
//      the command with nothing written. Stereo is reduced to the chosen channel, then the
//      samples are written as they are (same rate) or converted (resampler_write.h);
//   5. the target is "pac%03d/qv%03d.wav" for 44100 Hz, "pac%03d/wv%03d.wav" otherwise;
//      every file is written atomically, so a failure (ImportFailed) leaves nothing behind;
//   6. the date file is written (ErrorSavingFile when it cannot be), then FileImported is shown.
// The caller then opens the new recording (its relative path is in the result).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "audio/resampler_progress.h"
#include "audio/stage_filter.h"
#include "audio/stereo_reduction.h"
#include "core/interaction.h"

namespace velmora {

// The three rates a recording may have, in the order of the conversion dialog's list.
inline constexpr uint32_t kImportRatesHz[3] = {11025, 22050, 44100};

// What the conversion dialog shows about the source.
struct ConversionOffer {
  std::string sourceName;
  uint32_t sourceRateHz = 0;
  uint16_t sourceChannels = 1;
};

// The dialog's answer: index into kImportRatesHz, and the channel of a stereo source
// (nullopt for a mono one).
struct ConversionChoice {
  int rateIndex = 0;
  std::optional<StereoChoice> channel;
};

// The dialog's starting state: the source's own rate when it is one of the three, else
// 11025 Hz; "Mix" for a stereo source.
ConversionChoice defaultConversionChoice(const ConversionOffer& offer);

// nullopt: the user cancelled.
using ConversionDialog = std::function<std::optional<ConversionChoice>(const ConversionOffer&)>;

struct ImportRequest {
  std::filesystem::path sourcePath;
  std::filesystem::path workingFolder;
  int clientCode = -1;
  ConversionDialog askConversion;  // none given: a file that needs converting is not imported
  ResampleProgress progress;       // the wait dialog's bar and its Cancel
  StageFilterDesign filterDesign;  // the conversion's filters (the default serves every import)
};

enum class ImportStatus {
  Imported,   // written; check dateWritten for the date file
  Cancelled,  // the user said no; nothing shown, nothing written
  Failed,     // a message was shown (or the limit-cycle line written); nothing written
};

struct ImportResult {
  ImportStatus status = ImportStatus::Failed;
  int recordingNumber = -1;
  uint32_t sampleRateHz = 0;
  std::filesystem::path wavPath;       // in the working folder
  std::filesystem::path relativePath;  // "pac%03d/wv%03d.wav", as the view keeps it
  bool dateWritten = false;
};

ImportResult importRecording(const ImportRequest& request, Interaction& ui);

// The open-file question of the command ("Sound File (*.wav)"); nullopt on Cancel.
std::optional<std::filesystem::path> chooseImportSource(Interaction& ui, const std::filesystem::path& startFolder);

}  // namespace velmora
