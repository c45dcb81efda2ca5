#pragma once
// Synthetic speech for the formant tests: a pulse train through second-order resonators.
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace velmora::testing {

struct ResonatorSpec {
  double frequencyHz;
  double bandwidthHz;
};

// A pulse train at f0Hz through the resonators in cascade, scaled to a peak of peakValue.
inline std::vector<int16_t> synthVowel(int rateHz, double seconds, double f0Hz, const std::vector<ResonatorSpec>& resonators,
                                       double peakValue = 16000.0) {
  const size_t n = static_cast<size_t>(seconds * rateHz);
  std::vector<double> signal(n, 0.0);
  const double period = rateHz / f0Hz;
  for (double position = 0.0; position < static_cast<double>(n); position += period)
    signal[static_cast<size_t>(position)] = 1.0;
  for (const ResonatorSpec& r : resonators) {
    const double radius = std::exp(-std::numbers::pi * r.bandwidthHz / rateHz);
    const double c1 = 2.0 * radius * std::cos(2.0 * std::numbers::pi * r.frequencyHz / rateHz);
    const double c2 = -radius * radius;
    double y1 = 0.0, y2 = 0.0;
    for (double& v : signal) {
      const double y = v + c1 * y1 + c2 * y2;
      y2 = y1;
      y1 = y;
      v = y;
    }
  }
  double peak = 0.0;
  for (double v : signal) peak = std::max(peak, std::abs(v));
  std::vector<int16_t> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<int16_t>(std::lround(signal[i] / peak * peakValue));
  return out;
}

inline std::vector<int16_t> sine(int rateHz, double seconds, double frequencyHz, double amplitude) {
  std::vector<int16_t> out(static_cast<size_t>(seconds * rateHz));
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<int16_t>(std::lround(amplitude * std::sin(2.0 * std::numbers::pi * frequencyHz * i / rateHz)));
  return out;
}

}  // namespace velmora::testing
