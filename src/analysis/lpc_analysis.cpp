#include "analysis/lpc_analysis.h"

#include <cmath>
#include <numbers>

namespace velmora::formant {

const std::vector<double>& LpcAnalyzer::windowOf(size_t length, LpcWindow type) {
  if (window_.size() == length && windowType_ == type) return window_;
  window_.assign(length, 1.0);
  windowType_ = type;
  const double n = static_cast<double>(length);
  for (size_t i = 0; i < length; ++i) {
    const double x = static_cast<double>(i);
    switch (type) {
      case LpcWindow::Rectangular: break;
      case LpcWindow::Hamming: window_[i] = 0.54 - 0.46 * std::cos(2.0 * std::numbers::pi * x / (n + 1.0)); break;
      case LpcWindow::Hanning: window_[i] = 0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * x / n)); break;
    }
  }
  return window_;
}

void LpcAnalyzer::releaseCaches() {
  std::vector<double>().swap(window_);
  std::vector<double>().swap(windowed_);
}

FrameLpc LpcAnalyzer::analyse(const int16_t* frame, size_t windowLength, int order, double preEmphasis,
                              double stabilityDb, LpcWindow window) {
  FrameLpc result;
  if (order < 1 || order > kMaxLpcOrder || windowLength <= static_cast<size_t>(order)) return result;
  result.ok = true;
  result.coefficients.assign(static_cast<size_t>(order), 0.0);

  const std::vector<double>& w = windowOf(windowLength, window);
  windowed_.resize(windowLength);
  double energy = 0.0;
  for (size_t i = 0; i < windowLength; ++i) {
    const double v = (frame[i + 1] - preEmphasis * frame[i]) * w[i];
    windowed_[i] = v;
    energy += v * v;
  }
  result.rms = std::sqrt(energy / static_cast<double>(windowLength));
  // Silence has no spectrum to model: A(z) = 1 has no roots and so no resonances.
  if (energy <= 0.0) return result;

  // All lags side by side, each summed in increasing i as one lag at a time would: one running
  // sum waits on the previous addition, several independent ones overlap.
  double r[kMaxLpcOrder + 1] = {};
  const double* x = windowed_.data();
  const size_t lags = static_cast<size_t>(order) + 1;
  const size_t full = windowLength - static_cast<size_t>(order);  // i below this reaches every lag
  for (size_t i = 0; i < full; ++i)
    for (size_t lag = 0; lag < lags; ++lag) r[lag] += x[i] * x[i + lag];
  for (size_t i = full; i < windowLength; ++i)
    for (size_t lag = 0; i + lag < windowLength; ++lag) r[lag] += x[i] * x[i + lag];
  for (size_t lag = 0; lag < lags; ++lag) r[lag] /= energy;
  const double stabiliser = 1.0 / (1.0 + std::pow(10.0, -stabilityDb / 20.0));
  for (int lag = 1; lag <= order; ++lag) r[lag] *= stabiliser;

  // Levinson-Durbin; a[0] = 1 is implied.
  double a[kMaxLpcOrder + 1] = {1.0};
  double previous[kMaxLpcOrder + 1];
  double error = r[0];
  for (int i = 1; i <= order; ++i) {
    double acc = r[i];
    for (int j = 1; j < i; ++j) acc += a[j] * r[i - j];
    const double k = error > 0.0 ? -acc / error : 0.0;
    for (int j = 0; j < i; ++j) previous[j] = a[j];
    for (int j = 1; j < i; ++j) a[j] = previous[j] + k * previous[i - j];
    a[i] = k;
    error *= (1.0 - k * k);
  }
  for (int i = 0; i < order; ++i) result.coefficients[static_cast<size_t>(i)] = a[i + 1];
  return result;
}

}  // namespace velmora::formant
