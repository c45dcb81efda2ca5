#include "clients/date_file.h"

#include <charconv>
#include <string>

#include "clients/companion_path.h"
#include "core/atomic_file.h"
#include "core/file_times.h"
#include "core/message_ids.h"

namespace velmora {

bool writeDateFile(const std::filesystem::path& wavPath, Interaction& ui) {
  std::string text;
  if (auto t = fileTime(wavPath)) text = std::to_string(static_cast<int32_t>(t->seconds));
  if (!writeFileAtomically(companionPath(wavPath, "ddt"), text)) {
    showMessage(ui, msg::ErrorSavingFile);
    return false;
  }
  return true;
}

std::optional<int32_t> readDateFile(const std::filesystem::path& dateFilePath) {
  std::string text;
  if (!readSmallFile(dateFilePath, text, 64)) return std::nullopt;
  if (text.size() <= 5) return std::nullopt;
  // Only the low 32 bits count, as a signed value.
  long long value = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr == begin) return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<unsigned long long>(value)));
}

}  // namespace velmora
