#include "backup/backup_names.h"

#include <cctype>
#include <ctime>
#include <optional>

#include "clients/recording_names.h"
#include "core/language.h"
#include "core/text_format.h"

namespace velmora {

namespace {

constexpr size_t kMinCopiedNameLength = 5;
constexpr size_t kMaxCodeDigits = 6;

// Unsigned decimal as the date reader takes it: leading digits, anything else ignored, and a
// value past 32 bits kept to its low bits as an unsigned read would.
uint32_t parseUnsigned(std::string_view text) {
  uint32_t value = 0;
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    value = value * 10 + static_cast<uint32_t>(text[i] - '0');
  return value;
}

std::string normalisedLower(const std::filesystem::path& p) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(p, ec);
  if (ec) absolute = p;
  std::string s = absolute.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return asciiLower(s);
}

}  // namespace

UtcDate currentUtcDate() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  return UtcDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

std::string datedBackupFolderName(const UtcDate& date, int language) {
  if (language == Korean) return formatv("bkp-vl%04d-%02d-%02d", date.year, date.month, date.day);
  return formatv("bkp-vl%02d-%02d-%04d", date.month, date.day, date.year);
}

bool isPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name)
    if (c == '/' || c == '\\' || c == '\0') return false;
  return true;
}

std::string lastThree(std::string_view name) {
  if (name.size() < 3) return {};
  return asciiLower(name.substr(name.size() - 3));
}

std::string withLastThree(std::string_view name, std::string_view three) {
  if (name.size() < 3) return std::string(name);
  return std::string(name.substr(0, name.size() - 3)) + std::string(three);
}

bool isCopiedName(std::string_view name) { return name.size() >= kMinCopiedNameLength && lastThree(name) != "bkp"; }

std::vector<int> parseProgressCodes(std::string_view text) {
  std::vector<int> codes;
  size_t i = 0;
  while (i < text.size()) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i - start <= kMaxCodeDigits) codes.push_back(static_cast<int>(parseUnsigned(text.substr(start, i - start))));
  }
  return codes;
}

std::string formatDatesLine(const DatesRecord& record) {
  return formatv("%s;%u;%u\n", record.name.c_str(), static_cast<unsigned>(record.high),
                 static_cast<unsigned>(record.low));
}

std::vector<DatesRecord> parseDatesFile(std::string_view text) {
  std::vector<DatesRecord> records;
  size_t pos = 0;
  // The next field: up to one of `ends`; nothing when the text ends first.
  auto field = [&](std::string_view ends, bool lastMayEnd) -> std::optional<std::string_view> {
    const size_t stop = text.find_first_of(ends, pos);
    if (stop == std::string_view::npos) {
      if (!lastMayEnd || pos >= text.size()) return std::nullopt;
      std::string_view f = text.substr(pos);
      pos = text.size();
      return f;
    }
    std::string_view f = text.substr(pos, stop - pos);
    pos = stop + 1;
    return f;
  };
  while (true) {
    while (pos < text.size() && (text[pos] == '\n' || text[pos] == '\r')) ++pos;
    if (pos >= text.size()) break;
    const auto name = field(";", false);
    if (!name) break;
    const auto high = field(";\n", false);
    if (!high) break;
    const auto low = field(";\n", true);
    if (!low) break;
    std::string n(*name);
    records.push_back(DatesRecord{n, parseUnsigned(*high), parseUnsigned(*low)});
  }
  return records;
}

bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec) && !ec) return true;
  return normalisedLower(a) == normalisedLower(b);
}

}  // namespace velmora
