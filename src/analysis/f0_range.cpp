#include "analysis/f0_range.h"

#include <charconv>

namespace velmora {
namespace {

constexpr double kLowestMinHz = 50.0;
constexpr double kHighestMaxHz = 1200.0;

double readDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  double value = 0.0;
  const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
  return result.ec == std::errc() ? value : 0.0;
}

}  // namespace

F0DisplayRange f0RangeForClientType(int clientType) {
  switch (clientType) {
    case 0: return {70, 400};
    case 1: return {120, 400};
    case 2: return {200, 550};
    case 3: return {100, 1000};
    default: return kF0StartupRange;
  }
}

F0SettingResult validateF0Setting(double minHz, double maxHz) {
  // NaN compares false everywhere; refuse it as too low rather than letting it through.
  if (!(minHz >= kLowestMinHz)) return {F0SettingVerdict::MinTooLow, {}};
  if (!(maxHz <= kHighestMaxHz)) return {F0SettingVerdict::MaxTooHigh, {}};
  if (!(maxHz > minHz)) return {F0SettingVerdict::MinNotBelowMax, {}};
  const F0DisplayRange range{static_cast<int>(minHz), static_cast<int>(maxHz)};
  // 50.2 / 50.7 would store an empty range and the curve would divide by zero.
  if (range.maxHz <= range.minHz) return {F0SettingVerdict::MinNotBelowMax, {}};
  return {F0SettingVerdict::Accepted, range};
}

F0SettingResult validateF0Setting(std::string_view minText, std::string_view maxText) {
  return validateF0Setting(readDecimal(minText), readDecimal(maxText));
}

const char* f0SettingMessage(F0SettingVerdict verdict) {
  switch (verdict) {
    case F0SettingVerdict::MinTooLow: return "Min. Value: 50 Hz";
    case F0SettingVerdict::MaxTooHigh: return "Max. Value: 1200 Hz";
    case F0SettingVerdict::MinNotBelowMax: return "Min. Value >= Max. Value";
    case F0SettingVerdict::Accepted: break;
  }
  return "";
}

}  // namespace velmora
