#pragma once
// Names and small text formats of a backup folder.
//
//   dated folder   "bkp-vl%02d-%02d-%04d" (month, day, year; UTC), Korean "bkp-vl%04d-%02d-%02d"
//   p_ok.txt       "%d;" per finished client, no line end ("1;2;5;")
//   datas.txt      "%s;%s;%s\n" per sound file: name, high and low 32 bits of its Windows file time
//
// Names read back from a backup (folder listings, datas.txt) are trusted only as plain file
// names: see isPlainFileName.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr const char* kProgressFileName = "p_ok.txt";
inline constexpr const char* kDatesFileName = "datas.txt";
inline constexpr const char* kRegisterSafetySuffix = "1";  // pacb.dbf -> pacb.dbf1
// What a reader takes of p_ok.txt and datas.txt: far beyond 150 recordings' lines.
inline constexpr size_t kMaxProgressFileBytes = 64 * 1024;
inline constexpr size_t kMaxDatesFileBytes = 1024 * 1024;

struct UtcDate {
  int year = 1970;
  int month = 1;
  int day = 1;
};
UtcDate currentUtcDate();

// The dated folder's name for a language (core/language.h).
std::string datedBackupFolderName(const UtcDate& date, int language);

// A name with no separator, not "." or "..", not absolute, no NUL, not empty.
bool isPlainFileName(std::string_view name);

// Names the copies skip: shorter than five characters, or a placeholder ("...bkp").
bool isCopiedName(std::string_view name);
// Last three characters, lower case ("wav", "mp3", "bkp"); empty for shorter names.
std::string lastThree(std::string_view name);
// The name with its last three characters replaced.
std::string withLastThree(std::string_view name, std::string_view three);

// The codes in p_ok.txt: runs of digits separated by anything else (runs too long for a
// client code are dropped).
std::vector<int> parseProgressCodes(std::string_view text);

struct DatesRecord {
  std::string name;
  uint32_t high = 0;
  uint32_t low = 0;
};
std::string formatDatesLine(const DatesRecord& record);
// Records until the end; a record cut short by the end of the text ends the reading.
std::vector<DatesRecord> parseDatesFile(std::string_view text);

// Same folder, compared without regard to case (and by identity when both exist).
bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace velmora
