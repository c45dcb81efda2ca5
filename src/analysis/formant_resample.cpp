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

AnalysisRateStream::AnalysisRateStream(const int16_t* samples, size_t n, int rateHz)
    : samples_(samples), rateHz_(rateHz) {
  if (rateHz <= kAnalysisRateHz) {
    m_ = n;
    return;
  }
  u_ = upsamplingFactor(rateHz);
  const double upRateHz = static_cast<double>(u_) * rateHz;
  ButterworthDesign design =
      designButterworth(static_cast<int>(FilterType::LowPass), kAntiAliasOrder, kAntiAliasCutoffHz, 0.0, upRateHz);
  if (!design.filter) return;  // cannot happen with these fixed parameters
  lowPass_ = std::move(design.filter);
  resetFilter(*lowPass_);
  upCount_ = n * static_cast<size_t>(u_);
  m_ = static_cast<size_t>(static_cast<double>(n) * kAnalysisRateHz / rateHz);
}

AnalysisRateStream::~AnalysisRateStream() = default;

void AnalysisRateStream::makeNext() {
  const size_t u = static_cast<size_t>(u_);
  const double x = made_ % u == 0 ? samples_[made_ / u] : 0.0;
  older_ = newer_;
  newer_ = filterSample(*lowPass_, x);
  ++made_;
}

int16_t AnalysisRateStream::next() {
  const size_t i = given_++;
  if (!lowPass_) return samples_[i];
  // The inserted zeros lower the level by u; the tracker's costs only use level ratios.
  const double p = static_cast<double>(i * static_cast<size_t>(u_)) * rateHz_ / kAnalysisRateHz;
  const size_t k = static_cast<size_t>(p);
  const double phi = p - static_cast<double>(k);
  while (made_ < k + 2 && made_ < upCount_) makeNext();
  // made_ is k + 2 (older_ is value k, newer_ k + 1) or, at the very end, k + 1 (newer_ is value k).
  const double at = made_ == k + 2 ? older_ : newer_;
  const double following = made_ == k + 2 ? newer_ : 0.0;
  const double value = following * phi + at * (1.0 - phi);
  // Clamped: a filter overshoot on a full-scale signal must not wrap around.
  return static_cast<int16_t>(std::clamp(std::trunc(value), -32768.0, 32767.0));
}

std::vector<int16_t> resampleToAnalysisRate(const int16_t* samples, size_t n, int rateHz) {
  AnalysisRateStream stream(samples, n, rateHz);
  std::vector<int16_t> out(stream.size());
  for (int16_t& v : out) v = stream.next();
  return out;
}

}  // namespace velmora::formant
