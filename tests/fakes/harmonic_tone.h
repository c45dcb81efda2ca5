#pragma once
// A steady voiced-like tone for the command-line tests: five harmonics of f0 falling as 1/k.
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace velmora::testing {

inline std::vector<int16_t> harmonicTone(double f0, int rate, double seconds) {
  std::vector<int16_t> out(static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    double v = 0.0;
    for (int k = 1; k <= 5; ++k) v += std::sin(2.0 * std::numbers::pi * k * f0 * t + 0.4 * k) / k;
    out[i] = static_cast<int16_t>(5000.0 * v);
  }
  return out;
}

}  // namespace velmora::testing
