#include "analysis/power_spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

int powerSpectrumHop(int fftSize) { return static_cast<int>(fftSize * 0.390625); }

int64_t powerSpectrumFrames(int64_t sampleCount, int fftSize) {
  if (sampleCount < fftSize) return 0;
  const int hop = powerSpectrumHop(fftSize);
  return (sampleCount - fftSize + hop) / hop;
}

PowerSpectrum::PowerSpectrum() : fft_(kPowerSpectrumDefaultFftSize) { setFftSize(kPowerSpectrumDefaultFftSize); }

bool PowerSpectrum::setFftSize(int n) {
  if (n < 4 || n > kPowerSpectrumMaxFftSize || (n & (n - 1)) != 0) return false;
  if (n != fftSize_ || current_.empty()) {
    fftSize_ = n;
    fft_ = ComplexFft(static_cast<size_t>(n));
    window_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
      window_[i] = static_cast<float>(0.54 - 0.46 * std::cos(2.0 * std::numbers::pi * i / (n - 1)));
    re_.assign(static_cast<size_t>(n), 0.0f);
    im_.assign(static_cast<size_t>(n), 0.0f);
    current_.assign(static_cast<size_t>(n / 2), 0.0f);
    sums_.assign(static_cast<size_t>(n / 2), 0.0);
    average_.assign(static_cast<size_t>(n / 2), 0.0f);
    averageCount_ = 0;
  }
  return true;
}

void PowerSpectrum::setSampleRate(int rateHz) {
  if (rateHz <= 0) return;
  const double limitHz = sampleRate_ * 0.5 / zoom_;
  sampleRate_ = rateHz;
  zoom_ = static_cast<float>(rateHz * 0.5 / limitHz);
}

void PowerSpectrum::setLimit(float hz) {
  if (hz > 0.0f) zoom_ = static_cast<float>(sampleRate_ * 0.5 / hz);
}

int PowerSpectrum::compute(const int16_t* samples, int64_t sampleCount, const StopFlag* stop) {
  const int n = fftSize_;
  const int bins = n / 2;
  const int64_t frames = samples != nullptr ? powerSpectrumFrames(sampleCount, n) : 0;
  // Fewer samples than one frame: nothing was measured, so current() and the average keep
  // what they hold instead of taking a made-up silent spectrum.
  if (frames <= 0) return 0;
  const int hop = powerSpectrumHop(n);
  std::fill(sums_.begin(), sums_.end(), 0.0);
  for (int64_t m = 0; m < frames; ++m) {
    if (m % 256 == 0 && stopRequested(stop)) return 0;
    const int16_t* frame = samples + m * hop;
    for (int i = 0; i < n; ++i) re_[i] = windowOn_ ? frame[i] * window_[i] : static_cast<float>(frame[i]);
    std::fill(im_.begin(), im_.end(), 0.0f);
    fft_.forward(re_.data(), im_.data());
    for (int b = 0; b < bins; ++b) sums_[b] += double(re_[b]) * re_[b] + double(im_[b]) * im_[b];
  }
  const double sizeCorrectionDb = 18.0 * std::log10(static_cast<double>(n));
  for (int b = 0; b < bins; ++b) {
    current_[b] = sums_[b] == 0.0
                      ? 0.0f
                      : static_cast<float>(10.0 * std::log10(sums_[b] / static_cast<double>(frames)) - sizeCorrectionDb);
    average_[b] = averageCount_ == 0 ? current_[b] : (averageCount_ * average_[b] + current_[b]) / (averageCount_ + 1);
  }
  ++averageCount_;
  return bins;
}

void PowerSpectrum::takeLevelsOf(const PowerSpectrum& computed) {
  current_ = computed.current_;
  average_ = computed.average_;
  averageCount_ = computed.averageCount_;
}

void PowerSpectrum::resetAverage() {
  averageCount_ = 0;
  std::fill(average_.begin(), average_.end(), 0.0f);
}

}  // namespace velmora
