#pragma once
// Synthetic voices with known answers: a Rosenberg glottal flow, differentiated for the lips'
// radiation, through second-order resonators in cascade; and harmonic complexes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace velmora::testing {

struct Resonator {
  double frequencyHz;
  double bandwidthHz;
};

// Flow derivative of a Rosenberg pulse train: opening over 40 % of the period, closing over 16 %.
inline std::vector<double> glottalPulses(int rateHz, double seconds, double f0Hz) {
  const size_t n = static_cast<size_t>(seconds * rateHz);
  std::vector<double> out(n, 0.0);
  const double open = 0.40, close = 0.16;
  double previous = 0.0;
  for (size_t i = 0; i < n; ++i) {
    const double phase = std::fmod(static_cast<double>(i) * f0Hz / rateHz, 1.0);
    double flow = 0.0;
    if (phase < open) flow = 0.5 * (1.0 - std::cos(std::numbers::pi * phase / open));
    else if (phase < open + close) flow = std::cos(0.5 * std::numbers::pi * (phase - open) / close);
    out[i] = flow - previous;
    previous = flow;
  }
  return out;
}

inline void resonate(std::vector<double>& signal, int rateHz, const std::vector<Resonator>& resonators) {
  for (const Resonator& r : resonators) {
    if (r.frequencyHz >= rateHz / 2.0) continue;
    const double radius = std::exp(-std::numbers::pi * r.bandwidthHz / rateHz);
    const double c1 = 2.0 * radius * std::cos(2.0 * std::numbers::pi * r.frequencyHz / rateHz);
    const double c2 = -radius * radius;
    const double gain = 1.0 - c1 - c2;  // unit gain at 0 Hz
    double y1 = 0.0, y2 = 0.0;
    for (double& v : signal) {
      const double y = gain * v + c1 * y1 + c2 * y2;
      y2 = y1;
      y1 = y;
      v = y;
    }
  }
}

inline std::vector<int16_t> toSamples(const std::vector<double>& signal, double peakValue = 16000.0) {
  double peak = 0.0;
  for (double v : signal) peak = std::max(peak, std::abs(v));
  std::vector<int16_t> out(signal.size());
  for (size_t i = 0; i < signal.size(); ++i)
    out[i] = static_cast<int16_t>(std::lround(peak > 0.0 ? signal[i] / peak * peakValue : 0.0));
  return out;
}

inline std::vector<int16_t> glottalVowel(int rateHz, double seconds, double f0Hz, const std::vector<Resonator>& resonators) {
  std::vector<double> signal = glottalPulses(rateHz, seconds, f0Hz);
  resonate(signal, rateHz, resonators);
  return toSamples(signal);
}

// Harmonics of f0Hz with amplitudes 1/k (a voice's slope) up to 5 kHz and below the Nyquist
// frequency, in scattered phases.
inline std::vector<int16_t> harmonicComplex(int rateHz, double seconds, double f0Hz) {
  std::vector<double> signal(static_cast<size_t>(seconds * rateHz), 0.0);
  for (int k = 1; k * f0Hz < std::min(5000.0, rateHz / 2.0); ++k)
    for (size_t i = 0; i < signal.size(); ++i)
      signal[i] += std::sin(2.0 * std::numbers::pi * k * f0Hz * static_cast<double>(i) / rateHz + 0.7 * k * k) / k;
  return toSamples(signal);
}

// Peterson and Barney's men, with the fourth and fifth resonances of an adult tract.
struct VowelSpec {
  const char* name;
  std::vector<Resonator> resonators;  // five; the first four make the four-resonator variant
};

inline std::vector<VowelSpec> referenceVowels() {
  return {{"a", {{730, 90}, {1090, 110}, {2440, 160}, {3400, 200}, {4500, 250}}},
          {"i", {{270, 60}, {2290, 100}, {3010, 160}, {3500, 200}, {4500, 250}}},
          {"u", {{300, 60}, {870, 90}, {2240, 140}, {3400, 200}, {4500, 250}}},
          {"ae", {{660, 80}, {1720, 100}, {2410, 150}, {3400, 200}, {4500, 250}}}};
}

}  // namespace velmora::testing
