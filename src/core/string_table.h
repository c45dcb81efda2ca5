#pragma once
// Texts by string id. English is built in; a translation catalog (loaded by the platform
// layer for the chosen language) overrides the ids it carries. Unknown ids give "".
#include <map>
#include <string>

namespace velmora {

class StringTable {
 public:
  static StringTable& instance();

  std::string text(int id) const;
  static std::string englishText(int id);
  bool hasText(int id) const;

  // Replaces the active translation (empty map: English again).
  void setTranslations(std::map<int, std::string> translated);
  void clearTranslations() { translated_.clear(); }

 private:
  StringTable() = default;
  std::map<int, std::string> translated_;
};

// Shorthand for StringTable::instance().text(id).
std::string tr(int id);

}  // namespace velmora
