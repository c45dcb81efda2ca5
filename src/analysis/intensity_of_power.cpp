#include "analysis/intensity_of_power.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>

#include "analysis/spectrogram_column.h"

namespace velmora {

namespace {

int directIntensity(float meanPower) { return intensityOfLevel(10.0f * std::log10(meanPower)); }

// steps[k] (k = 1 .. 255): the smallest positive float whose intensity is at least k, found
// by halving over the floats' bit patterns (in order for positive floats), so the table
// reproduces the logarithm's own rounding. steps[0] is never read.
std::array<float, 256> intensitySteps() {
  std::array<float, 256> steps{};
  const uint32_t infinity = std::bit_cast<uint32_t>(std::numeric_limits<float>::infinity());
  for (int k = 1; k < 256; ++k) {
    uint32_t low = 0, high = infinity;  // intensity(low) < k <= intensity(high)
    while (high - low > 1) {
      const uint32_t mid = low + (high - low) / 2;
      (directIntensity(std::bit_cast<float>(mid)) >= k ? high : low) = mid;
    }
    steps[k] = std::bit_cast<float>(high);
  }
  return steps;
}

}  // namespace

uint8_t intensityOfMeanPower(float meanPower) {
  static const std::array<float, 256> steps = intensitySteps();
  // Eight halvings over the steps; a NaN passes none of them, as the logarithm's path gives 0.
  int level = 0;
  for (int half = 128; half > 0; half /= 2)
    if (meanPower >= steps[level + half]) level += half;
  return static_cast<uint8_t>(level);
}

}  // namespace velmora
