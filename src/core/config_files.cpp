#include "core/config_files.h"

#include <system_error>

#include "core/atomic_file.h"
#include "core/message_ids.h"

namespace velmora {

std::optional<std::vector<int32_t>> readInt32File(const std::filesystem::path& path, size_t count) {
  std::string bytes;
  // The files hold at most two values; anything longer is read for its first values only.
  if (!readSmallFile(path, bytes, 1 << 16)) return std::nullopt;
  if (bytes.size() < count * 4) return std::nullopt;
  std::vector<int32_t> values(count);
  for (size_t i = 0; i < count; ++i) {
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(bytes[i * 4 + static_cast<size_t>(b)]);
    values[i] = static_cast<int32_t>(v);
  }
  return values;
}

bool writeInt32File(const std::filesystem::path& path, const std::vector<int32_t>& values) {
  std::string bytes;
  for (int32_t value : values) {
    auto v = static_cast<uint32_t>(value);
    for (int b = 0; b < 4; ++b) bytes += static_cast<char>((v >> (8 * b)) & 0xFF);
  }
  return writeFileAtomically(path, bytes);
}

int readLanguage(const std::filesystem::path& folder) {
  auto v = readInt32File(folder / kLanguageFile, 1);
  if (!v || (*v)[0] < English || (*v)[0] > Portuguese) return kDefaultLanguage;
  return (*v)[0];
}

int startLanguage(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::exists(folder / kLanguageFile, ec)) return English;
  return readLanguage(folder);
}

bool writeLanguage(const std::filesystem::path& folder, int language) {
  return writeInt32File(folder / kLanguageFile, {language});
}

int readScreenModeSetting(const std::filesystem::path& folder) {
  auto v = readInt32File(folder / kScreenModeFile, 1);
  if (!v || (*v)[0] < English || (*v)[0] > Portuguese) return kNoForcedScreenMode;
  return (*v)[0];
}

int readRecordInputChoice(const std::filesystem::path& folder) {
  auto v = readInt32File(folder / kRecordInputFile, 1);
  return v ? (*v)[0] : kDefaultRecordInputChoice;
}

bool writeRecordInputChoice(const std::filesystem::path& folder, int choice) {
  return writeInt32File(folder / kRecordInputFile, {choice});
}

bool writeRecordingLog(const std::filesystem::path& folder, RecordingLogState state, int updateRateIndex) {
  return writeInt32File(folder / kRecordingLogFile, {static_cast<int32_t>(state), updateRateIndex});
}

int checkUnfinishedRecording(const std::filesystem::path& folder, Interaction& ui) {
  int preference = kNoUpdateRatePreference;
  const auto path = folder / kRecordingLogFile;
  if (auto v = readInt32File(path, 2)) {
    preference = (*v)[1];
    if ((*v)[0] == RecordingStarted) showMessage(ui, msg::LastRunNotEnded);
  }
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return preference;
}

}  // namespace velmora
