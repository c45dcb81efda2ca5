#pragma once
// The small configuration files of the working folder: raw little-endian int32 values with
// no header (lang.dat, conf.dat, cfr.dat: one value; vl1.log: two values).
// A missing or short file reads as missing and gives the default.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/interaction.h"
#include "core/language.h"

namespace velmora {

inline constexpr const char* kLanguageFile = "lang.dat";
inline constexpr const char* kScreenModeFile = "conf.dat";
inline constexpr const char* kRecordInputFile = "cfr.dat";
inline constexpr const char* kRecordingLogFile = "vl1.log";

inline constexpr int kDefaultLanguage = Korean;     // when lang.dat is missing
inline constexpr int kNoForcedScreenMode = 4;
inline constexpr int kDefaultRecordInputChoice = 0;
inline constexpr int kNoUpdateRatePreference = -1;

enum RecordingLogState { RecordingStarted = 0, RecordingClosed = 1 };

std::optional<std::vector<int32_t>> readInt32File(const std::filesystem::path& path, size_t count);
bool writeInt32File(const std::filesystem::path& path, const std::vector<int32_t>& values);

int readLanguage(const std::filesystem::path& folder);
// The language a run starts in: lang.dat's when the folder has one; English for a folder that
// never chose a language, so its words and its layout rules (date order, columns) agree.
int startLanguage(const std::filesystem::path& folder);
bool writeLanguage(const std::filesystem::path& folder, int language);

// 0..3 force a screen mode; 4 (missing, negative or any other value) means none.
int readScreenModeSetting(const std::filesystem::path& folder);

int readRecordInputChoice(const std::filesystem::path& folder);
bool writeRecordInputChoice(const std::filesystem::path& folder, int choice);

bool writeRecordingLog(const std::filesystem::path& folder, RecordingLogState state, int updateRateIndex);

// Start-of-run check of vl1.log: msg::LastRunNotEnded when the last take was never closed; the log
// is deleted afterwards. Returns the update-rate index it carried, or -1.
int checkUnfinishedRecording(const std::filesystem::path& folder, Interaction& ui);

}  // namespace velmora
