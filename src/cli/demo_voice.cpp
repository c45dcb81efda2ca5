#include "cli/demo_voice.h"

#include <algorithm>
#include <cmath>

namespace velmora::cli {

namespace {
constexpr double kPi = 3.14159265358979323846;

// Two-pole resonator with unity gain at 0 Hz.
struct Resonator {
  double a1 = 0, a2 = 0, gain = 1, y1 = 0, y2 = 0;
  Resonator(double frequencyHz, double bandwidthHz, double rateHz) {
    const double r = std::exp(-kPi * bandwidthHz / rateHz);
    a1 = 2 * r * std::cos(2 * kPi * frequencyHz / rateHz);
    a2 = -r * r;
    gain = 1 - a1 - a2;
  }
  double step(double x) {
    const double y = gain * x + a1 * y1 + a2 * y2;
    y2 = y1;
    y1 = y;
    return y;
  }
};
}  // namespace

std::vector<int16_t> synthesizeVowel(const DemoVowel& v, uint32_t rate) {
  const auto lead = static_cast<size_t>(v.leadingSilenceSeconds * rate);
  const auto voiced = static_cast<size_t>(v.durationSeconds * rate);
  std::vector<double> out(lead + voiced + lead, 0.0);
  std::vector<Resonator> tract;
  for (int i = 0; i < 4; ++i) {
    if (v.formantsHz[i] < rate / 2.0) tract.emplace_back(v.formantsHz[i], v.bandwidthsHz[i], rate);
  }
  double phase = 0.0;
  uint32_t noise = 22222;
  for (size_t i = 0; i < voiced; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double progress = static_cast<double>(i) / static_cast<double>(voiced);
    double f0 = v.startF0Hz + (v.endF0Hz - v.startF0Hz) * progress;
    f0 *= 1.0 + v.vibratoDepth * std::sin(2 * kPi * v.vibratoHz * t);
    phase += f0 / rate;
    if (phase >= 1.0) phase -= 1.0;
    // Rosenberg-like glottal flow derivative: open 60 % of the cycle, closing faster.
    double pulse = 0.0;
    if (phase < 0.4) pulse = std::sin(kPi * phase / 0.4);
    else if (phase < 0.6) pulse = -2.0 * std::sin(kPi * (phase - 0.4) / 0.2);
    noise = noise * 1664525u + 1013904223u;
    const double breath = (static_cast<double>(noise >> 8) / 16777216.0 - 0.5) * 0.02;
    double s = pulse + breath;
    for (Resonator& r : tract) s = r.step(s);
    const double envelope = std::min({1.0, t / 0.08, (v.durationSeconds - t) / 0.12});
    out[lead + i] = s * std::max(0.0, envelope);
  }
  double peak = 1e-9;
  for (double s : out) peak = std::max(peak, std::fabs(s));
  std::vector<int16_t> samples(out.size());
  for (size_t i = 0; i < out.size(); ++i) samples[i] = static_cast<int16_t>(std::lround(out[i] / peak * 20000.0));
  return samples;
}

}  // namespace velmora::cli
