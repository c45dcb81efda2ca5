#include "analysis/formant_resample.h"

#include <algorithm>
#include <cmath>

#include "analysis/butterworth.h"

namespace velmora::formant {

int upsamplingFactor(int rateHz) {
  if (rateHz < 20000) return 4;
  if (rateHz < 30000) return 3;
  if (rateHz < 40000) return 2;
  return 1;
}

std::vector<int16_t> resampleToAnalysisRate(const int16_t* samples, size_t n, int rateHz) {
  if (rateHz <= kAnalysisRateHz) return std::vector<int16_t>(samples, samples + n);

  const int u = upsamplingFactor(rateHz);
  const double upRateHz = static_cast<double>(u) * rateHz;
  ButterworthDesign design =
      designButterworth(static_cast<int>(FilterType::LowPass), kAntiAliasOrder, kAntiAliasCutoffHz, 0.0, upRateHz);
  if (!design.filter) return {};  // cannot happen with these fixed parameters
  FilterCascade& lowPass = *design.filter;
  resetFilter(lowPass);

  // The inserted zeros lower the level by u; the tracker's costs only use level ratios.
  std::vector<float> up(n * static_cast<size_t>(u));
  for (size_t i = 0; i < n; ++i) {
    up[i * u] = filterSample(lowPass, samples[i]);
    for (int z = 1; z < u; ++z) up[i * u + z] = filterSample(lowPass, 0.0);
  }

  const size_t m = static_cast<size_t>(static_cast<double>(n) * kAnalysisRateHz / rateHz);
  std::vector<int16_t> out(m);
  for (size_t i = 0; i < m; ++i) {
    const double p = static_cast<double>(i * u) * rateHz / kAnalysisRateHz;
    const size_t k = static_cast<size_t>(p);
    const double phi = p - static_cast<double>(k);
    const double next = k + 1 < up.size() ? up[k + 1] : 0.0;
    const double value = next * phi + up[k] * (1.0 - phi);
    // Clamped: a filter overshoot on a full-scale signal must not wrap around.
    out[i] = static_cast<int16_t>(std::clamp(std::trunc(value), -32768.0, 32767.0));
  }
  return out;
}

}  // namespace velmora::formant
