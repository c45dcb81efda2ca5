#pragma once
// Names of a client's folder and of every file of a recording.
//
//   client folder      "pac%03d" (code 7 -> pac007, code 1234 -> pac1234), in the working folder;
//                      the pseudo-client kOtherFilesCode uses the "Other Files" folder (str::OtherFilesFolder)
//   recording stem     prefix + three-digit number: "wv001", "qv150"
//   prefix             "qv" for 44100 Hz, "wv" for every other rate
//   files of a stem    .wav sound, .ddt date, .mrk labels, .txt notes, .bkp backup placeholder,
//                      .bkp1 placeholder during a restore
//
// Everything here is pure naming: no file is touched. client_folders.h looks at the disk.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

constexpr int kNoClient = -1;
constexpr int kOtherFilesCode = 99999;  // the "Other Files" pseudo-client
constexpr int kFirstRecordingNumber = 1;
constexpr int kMaxRecordingNumber = 150;
constexpr uint32_t kQvSampleRateHz = 44100;
constexpr const char* kRegisterFileName = "pacb.dbf";

enum class RecordingPrefix { Wv, Qv };

// "wv" or "qv".
const char* prefixText(RecordingPrefix prefix);
// "qv" for 44100 Hz, "wv" for any other rate.
RecordingPrefix prefixForRate(uint32_t samplesPerSecond);

// "pac%03d" for a client code; the translated "Other Files" name for kOtherFilesCode.
std::string clientFolderName(int clientCode);
// workingFolder / clientFolderName(code). An empty workingFolder gives a relative path.
std::filesystem::path clientFolder(const std::filesystem::path& workingFolder, int clientCode);
// workingFolder / "Models".
std::filesystem::path modelsFolder(const std::filesystem::path& workingFolder);

// "wv001", "qv150".
std::string recordingStem(int number, RecordingPrefix prefix);
// "wv001.wav"; extension without the dot ("wav", "ddt", "mrk", "txt", "bkp", "bkp1").
std::string recordingFileName(int number, RecordingPrefix prefix, std::string_view extension = "wav");
// clientFolder(workingFolder, code) / recordingFileName(number, prefix, extension).
std::filesystem::path recordingPath(const std::filesystem::path& workingFolder, int clientCode, int number,
                                    RecordingPrefix prefix, std::string_view extension = "wav");

// A file name read back: "wv012.WAV" -> {12, Wv, "wav"}. The prefix and the extension match
// without regard to case (files restored from the earlier Windows program may be upper case);
// the extension is returned in lower case. Numbers outside 1..150 or not exactly three digits
// give nothing.
struct RecordingName {
  int number = 0;
  RecordingPrefix prefix = RecordingPrefix::Wv;
  std::string extension;
};
std::optional<RecordingName> parseRecordingFileName(std::string_view fileName);

// Lower-case copy of an ASCII text (file name comparisons; non-ASCII bytes are kept).
std::string asciiLower(std::string_view text);

}  // namespace velmora
