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
  // The up-sampled signal is made as the interpolation walks along it, two values at a time:
  // held whole it would take n * u floats, more than the recording itself.
  const size_t upCount = n * static_cast<size_t>(u);
  size_t made = 0;            // up-sampled values made so far
  float older = 0.0f, newer = 0.0f;  // values made - 2 and made - 1
  const auto makeNext = [&] {
    const double x = made % static_cast<size_t>(u) == 0 ? samples[made / static_cast<size_t>(u)] : 0.0;
    older = newer;
    newer = filterSample(lowPass, x);
    ++made;
  };

  const size_t m = static_cast<size_t>(static_cast<double>(n) * kAnalysisRateHz / rateHz);
  std::vector<int16_t> out(m);
  for (size_t i = 0; i < m; ++i) {
    const double p = static_cast<double>(i * u) * rateHz / kAnalysisRateHz;
    const size_t k = static_cast<size_t>(p);
    const double phi = p - static_cast<double>(k);
    while (made < k + 2 && made < upCount) makeNext();
    // made is k + 2 (older is value k, newer k + 1) or, at the very end, k + 1 (newer is value k).
    const double at = made == k + 2 ? older : newer;
    const double next = made == k + 2 ? newer : 0.0;
    const double value = next * phi + at * (1.0 - phi);
    // Clamped: a filter overshoot on a full-scale signal must not wrap around.
    out[i] = static_cast<int16_t>(std::clamp(std::trunc(value), -32768.0, 32767.0));
  }
  return out;
}

}  // namespace velmora::formant
