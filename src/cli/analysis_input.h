#pragma once
// What the analysis commands share: reading a WAV file as one channel (stereo mixed) with
// the checks and error lines every command gives, and locale-proof number text.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace velmora::cli {

struct MonoSignal {
  std::vector<int16_t> samples;
  uint32_t rateHz = 0;
};

// The signal, or the exit status after the error line on standard error. Files that
// checkWavInput refuses are refused with its reason; files below minimumRateHz (above the
// common lowest rate) with `whyRateTooLow` in the message.
std::variant<MonoSignal, int> readMonoForAnalysis(const std::string& path, uint32_t minimumRateHz = 1,
                                                  const std::string& whyRateTooLow = "");

// Fixed decimals with '.' whatever the environment's locale says.
void appendFixed(std::string& line, double value, int decimals);

}  // namespace velmora::cli
