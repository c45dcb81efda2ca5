#pragma once
// A sung-vowel-like signal for the view benchmarks: harmonics of a gliding F0 shaped by three
// resonances, with pauses, so every analysis has voiced and silent stretches to work on.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

inline std::vector<int16_t> syntheticVoice(int rate, int seconds) {
  std::vector<int16_t> out(static_cast<size_t>(rate) * seconds);
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double inWord = std::fmod(t, 2.0);
    if (inWord > 1.6) continue;  // pause
    const double f0 = 120 + 40 * std::sin(2 * M_PI * 0.3 * t);
    phase += 2 * M_PI * f0 / rate;
    double v = 0;
    for (int h = 1; h * f0 < 5000; ++h) {
      const double f = h * f0;
      const double gain = 1.0 / (1 + std::pow((f - 700) / 150, 2)) + 0.6 / (1 + std::pow((f - 1200) / 200, 2)) +
                          0.3 / (1 + std::pow((f - 2600) / 300, 2));
      v += gain * std::sin(h * phase);
    }
    out[i] = static_cast<int16_t>(std::clamp(v * 6000.0, -32000.0, 32000.0));
  }
  return out;
}
