#include "document/take_recovery.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "audio/record_format.h"
#include "audio/sound_recorder.h"
#include "audio/wav_writer.h"
#include "clients/client_folders.h"
#include "clients/date_file.h"
#include "clients/other_files.h"
#include "clients/recording_names.h"
#include "core/atomic_file.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr size_t kOwnerFileLimit = 4096;

void removeQuietly(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

void discard(const fs::path& workingFolder) {
  removeQuietly(workingFolder / SoundRecorder::kTempFileName);
  forgetTakeOwner(workingFolder);
}

std::optional<std::vector<char>> readSamples(const fs::path& path, size_t blockAlign) {
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  // A buffer cut short by the crash keeps only its whole sample frames.
  std::vector<char> bytes(static_cast<size_t>(size) - static_cast<size_t>(size) % blockAlign);
  std::ifstream in(path, std::ios::binary);
  if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return std::nullopt;
  return bytes;
}

// Where a kept take goes: the next number of its client, or a file chosen in Other Files.
std::optional<fs::path> chooseDestination(const fs::path& workingFolder, const TakeOwner& owner, uint32_t rate,
                                          Interaction& ui) {
  std::error_code ec;
  if (owner.clientCode != kOtherFilesCode && fs::is_directory(clientFolder(workingFolder, owner.clientCode), ec)) {
    const int number = nextRecordingNumber(ui, workingFolder, owner.clientCode);
    if (number < 0) return std::nullopt;
    return recordingPath(workingFolder, owner.clientCode, number, prefixForRate(rate));
  }
  FileRequest request;
  if (auto other = ensureOtherFilesFolder(workingFolder)) request.startFolder = *other;
  request.filter = velmora::tr(str::WavFileFilter);
  request.defaultExtension = "wav";
  request.confirmOverwrite = true;
  std::optional<fs::path> chosen = ui.chooseSaveFile(request);
  if (chosen && chosen->extension().empty()) *chosen += ".wav";
  return chosen;
}

}  // namespace

bool rememberTakeOwner(const fs::path& workingFolder, const TakeOwner& owner) {
  std::ostringstream text;
  text << owner.clientCode << '\n' << owner.formatCode << '\n' << owner.clientName << '\n';
  return writeFileAtomically(workingFolder / kTakeOwnerFile, text.str());
}

void forgetTakeOwner(const fs::path& workingFolder) { removeQuietly(workingFolder / kTakeOwnerFile); }

std::optional<TakeOwner> readTakeOwner(const fs::path& workingFolder) {
  std::string content;
  if (!readSmallFile(workingFolder / kTakeOwnerFile, content, kOwnerFileLimit)) return std::nullopt;
  std::istringstream in(content);
  TakeOwner owner;
  if (!(in >> owner.clientCode >> owner.formatCode)) return std::nullopt;
  in.ignore(1);
  std::getline(in, owner.clientName);
  return owner;
}

std::optional<fs::path> recoverInterruptedTake(const fs::path& workingFolder, Interaction& ui) {
  const std::optional<TakeOwner> owner = readTakeOwner(workingFolder);
  if (!owner) return std::nullopt;
  const std::optional<WaveFormat> format = recordFormat(owner->formatCode);
  const fs::path temp = workingFolder / SoundRecorder::kTempFileName;
  std::error_code ec;
  const auto bytes = fs::file_size(temp, ec);
  if (!format || ec || bytes < format->blockAlign) {
    discard(workingFolder);
    return std::nullopt;
  }
  const double seconds = static_cast<double>(bytes) / format->averageBytesPerSecond;
  if (!askYesNo(ui, msg::AskKeepInterruptedTake, owner->clientName, seconds)) {
    discard(workingFolder);
    return std::nullopt;
  }
  const std::optional<fs::path> target = chooseDestination(workingFolder, *owner, format->samplesPerSecond, ui);
  if (!target) {
    // Only a cancelled file choice ends here with a deliberate answer; a full client keeps the take.
    if (owner->clientCode == kOtherFilesCode || !fs::is_directory(clientFolder(workingFolder, owner->clientCode), ec))
      discard(workingFolder);
    return std::nullopt;
  }
  const std::optional<std::vector<char>> samples = readSamples(temp, format->blockAlign);
  if (!samples || !writeWavFile(*target, *format, samples->data(), samples->size(), ui)) return std::nullopt;
  writeDateFile(*target, ui);
  discard(workingFolder);
  ui.showMessage(Message{msg::InterruptedTakeKept, formatv(velmora::tr(msg::InterruptedTakeKept), target->string()), {},
                         MessageIcon::Information});
  return target;
}

}  // namespace velmora
