#pragma once
// The application-wide settings fixed at start-up (language, screen) and the program folder.
#include <filesystem>

#include "core/config_files.h"
#include "core/language.h"

namespace velmora {

struct AppSettings {
  int language = English;
  int extraTextChar = 0;
  int screenModeSetting = kNoForcedScreenMode;
  int screenWidth = 1024;
  int screenHeight = 768;
  int updateRatePreference = kNoUpdateRatePreference;
  int recordInputChoice = kDefaultRecordInputChoice;
  std::filesystem::path programFolder;
  // Where the translation catalogs are looked for first; empty: beside the program.
  std::filesystem::path catalogFolder;
};

}  // namespace velmora
