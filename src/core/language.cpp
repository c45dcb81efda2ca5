#include "core/language.h"

namespace velmora {

LanguageInfo languageInfo(int language) {
  switch (language) {
    case Spanish: return {Spanish, "langspavl", 0};
    case Korean: return {Korean, "langkorvl", 1};
    case Portuguese: return {Portuguese, "langporVL", 0};
    default: return {English, "", 0};
  }
}

}  // namespace velmora
