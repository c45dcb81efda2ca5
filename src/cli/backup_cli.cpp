#include "cli/backup_cli.h"

#include <cctype>

#include "clients/recording_names.h"

namespace velmora::cli {

namespace {
constexpr int kMaxCode = 99999;
}

std::optional<std::vector<int>> parseCodeList(const std::string& text) {
  std::vector<int> codes;
  size_t pos = 0;
  while (pos <= text.size()) {
    const size_t comma = std::min(text.find(',', pos), text.size());
    const std::string item = text.substr(pos, comma - pos);
    if (item.empty() || item.size() > 5) return std::nullopt;
    for (char c : item)
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    const int code = std::stoi(item);
    if (code > kMaxCode) return std::nullopt;
    codes.push_back(code);
    pos = comma + 1;
  }
  if (codes.empty()) return std::nullopt;
  return codes;
}

void LineProgress::clientStarted(const std::string& name, int, int) { name_ = name; }

void LineProgress::clientFinished(int code) {
  std::cout << clientFolderName(code) << ' ' << name_ << '\n' << std::flush;
}

void LineProgress::skipped(const std::string& folder, const std::string& name) {
  std::cerr << "skipped (not a plain file name): " << folder << ": " << name << "\n";
}

}  // namespace velmora::cli
