#include "analysis/formant_resample.h"

#include <algorithm>
#include <cmath>

#include "analysis/butterworth.h"

namespace velmora::formant {
namespace {
constexpr size_t kUpBlock = 1024;  // up-sampled values filtered at a time
}  // namespace

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

// Moves the block on, keeping its last value (the next interpolation may still need it), and
// fills the rest: each input sample followed by u - 1 zeros, filtered as one block.
void AnalysisRateStream::refill() {
  size_t keep = 0;
  if (!up_.empty()) {
    upBase_ += up_.size() - 1;
    up_[0] = up_.back();
    keep = 1;
  }
  const size_t made = upBase_ + keep;
  const size_t count = std::min(kUpBlock, upCount_ - made);
  up_.resize(keep + count);
  for (size_t i = keep; i < up_.size(); ++i) {
    up_[i] = phase_ == 0 ? samples_[nextInput_++] : 0.0;
    if (++phase_ == u_) phase_ = 0;
  }
  filterBlock(*lowPass_, up_.data() + keep, count);
  // The values one sample at a time were rounded to float; so are these.
  for (size_t i = keep; i < up_.size(); ++i) up_[i] = static_cast<float>(up_[i]);
}

int16_t AnalysisRateStream::next() {
  const size_t i = given_++;
  if (!lowPass_) return samples_[i];
  // The inserted zeros lower the level by u; the tracker's costs only use level ratios.
  const double p = static_cast<double>(i * static_cast<size_t>(u_)) * rateHz_ / kAnalysisRateHz;
  const size_t k = static_cast<size_t>(p);
  const double phi = p - static_cast<double>(k);
  // Value k + 1 lies past the end for the very last output: it counts as 0.
  const size_t need = std::min(k + 2, upCount_);
  while (upBase_ + up_.size() < need) refill();
  const double at = up_[k - upBase_];
  const double following = k + 1 < upCount_ ? up_[k + 1 - upBase_] : 0.0;
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
