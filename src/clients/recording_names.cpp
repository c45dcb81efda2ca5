#include "clients/recording_names.h"

#include <cstdio>

#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

const char* prefixText(RecordingPrefix prefix) { return prefix == RecordingPrefix::Qv ? "qv" : "wv"; }

RecordingPrefix prefixForRate(uint32_t samplesPerSecond) {
  return samplesPerSecond == kQvSampleRateHz ? RecordingPrefix::Qv : RecordingPrefix::Wv;
}

std::string clientFolderName(int clientCode) {
  if (clientCode == kOtherFilesCode) return tr(str::OtherFilesFolder);
  char name[32];
  std::snprintf(name, sizeof name, "pac%03d", clientCode);
  return name;
}

std::filesystem::path clientFolder(const std::filesystem::path& workingFolder, int clientCode) {
  return workingFolder / clientFolderName(clientCode);
}

std::filesystem::path modelsFolder(const std::filesystem::path& workingFolder) { return workingFolder / "Models"; }

std::string recordingStem(int number, RecordingPrefix prefix) {
  char stem[32];
  std::snprintf(stem, sizeof stem, "%s%03d", prefixText(prefix), number);
  return stem;
}

std::string recordingFileName(int number, RecordingPrefix prefix, std::string_view extension) {
  std::string name = recordingStem(number, prefix);
  name += '.';
  name += extension;
  return name;
}

std::filesystem::path recordingPath(const std::filesystem::path& workingFolder, int clientCode, int number,
                                    RecordingPrefix prefix, std::string_view extension) {
  return clientFolder(workingFolder, clientCode) / recordingFileName(number, prefix, extension);
}

std::string asciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::optional<RecordingName> parseRecordingFileName(std::string_view fileName) {
  // "wv" + three digits + "." + at least one character of extension.
  if (fileName.size() < 7 || fileName[5] != '.') return std::nullopt;
  const std::string lower = asciiLower(fileName);
  RecordingName result;
  if (lower.compare(0, 2, "wv") == 0) result.prefix = RecordingPrefix::Wv;
  else if (lower.compare(0, 2, "qv") == 0) result.prefix = RecordingPrefix::Qv;
  else return std::nullopt;
  int number = 0;
  for (size_t i = 2; i < 5; ++i) {
    if (lower[i] < '0' || lower[i] > '9') return std::nullopt;
    number = number * 10 + (lower[i] - '0');
  }
  if (number < kFirstRecordingNumber || number > kMaxRecordingNumber) return std::nullopt;
  result.number = number;
  result.extension = lower.substr(6);
  if (result.extension.find('.') != std::string::npos) return std::nullopt;
  return result;
}

}  // namespace velmora
