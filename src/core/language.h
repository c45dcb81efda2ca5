#pragma once
// The interface languages and what applying one sets.
#include <string>

namespace velmora {

enum Language { English = 0, Spanish = 1, Korean = 2, Portuguese = 3 };

struct LanguageInfo {
  int language;
  std::string catalog;   // translation catalog module name; empty for the built-in English
  int extraTextChar;     // added to the character count of texts drawn directly
};

// Out-of-range values give English.
LanguageInfo languageInfo(int language);

}  // namespace velmora
