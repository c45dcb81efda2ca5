#pragma once
// The F0 display range (Hz): its defaults, the range each client type brings, and the rules of
// the "F0 Setting..." dialog, which the dialog calls when OK (or Escape on OK or a list) is
// pressed:
//   1. Min below 50     -> "Min. Value: 50 Hz"
//   2. Max above 1200   -> "Max. Value: 1200 Hz"
//   3. Max not above Min -> "Min. Value >= Max. Value"
//   4. accepted: both truncated to whole hertz.
#include <optional>
#include <string_view>

namespace velmora {

struct F0DisplayRange {
  int minHz = 70;
  int maxHz = 400;
  bool operator==(const F0DisplayRange&) const = default;
};

inline constexpr F0DisplayRange kF0StartupRange{70, 400};
inline constexpr F0DisplayRange kF0AnonymousClientRange{70, 1000};

// Client type 0 Man, 1 Woman, 2 Child, 3 Singer; another type keeps the start-up range.
F0DisplayRange f0RangeForClientType(int clientType);

enum class F0SettingVerdict { Accepted, MinTooLow, MaxTooHigh, MinNotBelowMax };

struct F0SettingResult {
  F0SettingVerdict verdict = F0SettingVerdict::Accepted;
  F0DisplayRange range;  // meaningful when accepted
  bool accepted() const { return verdict == F0SettingVerdict::Accepted; }
};

F0SettingResult validateF0Setting(double minHz, double maxHz);
// The fields' texts read as decimal numbers (C form; no number reads as 0).
F0SettingResult validateF0Setting(std::string_view minText, std::string_view maxText);

// The message box text of a refusal; "" when accepted.
const char* f0SettingMessage(F0SettingVerdict verdict);

}  // namespace velmora
