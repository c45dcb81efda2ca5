#include "core/string_table.h"

#include <unordered_map>

#include "core/string_table_data.h"

namespace velmora {

namespace {
const std::unordered_map<int, const char*>& englishIndex() {
  static const std::unordered_map<int, const char*> index = [] {
    std::unordered_map<int, const char*> m;
    for (const StringEntry& e : englishStrings()) m.emplace(e.id, e.text);
    return m;
  }();
  return index;
}
}  // namespace

StringTable& StringTable::instance() {
  static StringTable table;
  return table;
}

std::string StringTable::englishText(int id) {
  auto it = englishIndex().find(id);
  return it == englishIndex().end() ? std::string() : std::string(it->second);
}

std::string StringTable::text(int id) const {
  auto it = translated_.find(id);
  if (it != translated_.end() && !it->second.empty()) return it->second;
  return englishText(id);
}

bool StringTable::hasText(int id) const { return englishIndex().count(id) != 0 || translated_.count(id) != 0; }

void StringTable::setTranslations(std::map<int, std::string> translated) { translated_ = std::move(translated); }

std::string tr(int id) { return StringTable::instance().text(id); }

}  // namespace velmora
