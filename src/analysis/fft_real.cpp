#include "analysis/fft_real.h"

#include <cassert>
#include <cmath>
#include <numbers>

namespace velmora {

bool RealFft::isValidSize(size_t n) {
  return n >= kRealFftMinSize && n <= kRealFftMaxSize && (n & (n - 1)) == 0;
}

RealFft::RealFft(size_t n) : size_(n), half_(n / 2), re_(n / 2), im_(n / 2), splitCos_(n / 4 + 1), splitSin_(n / 4 + 1) {
  assert(isValidSize(n));
  for (size_t k = 0; k <= n / 4; ++k) {
    const double angle = 2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n);
    splitCos_[k] = static_cast<float>(std::cos(angle));
    splitSin_[k] = static_cast<float>(std::sin(angle));
  }
}

void RealFft::forward(const float* input, float* output) {
  const size_t m = size_ / 2;
  // Gathering the pairs already does the reordering of the half-size transform.
  const uint32_t* reversed = half_.bitReverseTable().data();
  for (size_t k = 0; k < m; ++k) {
    re_[k] = input[2 * reversed[k]];
    im_[k] = input[2 * reversed[k] + 1];
  }
  half_.forwardFromBitReversed(re_.data(), im_.data());

  // Z = FFT of z[n] = x[2n] + i x[2n+1]. With E[k] = (Z[k] + conj Z[m-k]) / 2 (even samples)
  // and O[k] = (Z[k] - conj Z[m-k]) / 2i (odd samples): X[k] = E[k] + w^k O[k] and
  // X[m-k] = conj(E[k] - w^k O[k]), w = e^(-2 pi i / N). Bins k and m - k are made together.
  output[0] = re_[0] + im_[0];
  output[1] = re_[0] - im_[0];
  for (size_t k = 1; k <= m / 2; ++k) {
    const size_t j = m - k;
    const float er = 0.5f * (re_[k] + re_[j]);
    const float ei = 0.5f * (im_[k] - im_[j]);
    const float orr = 0.5f * (im_[k] + im_[j]);
    const float oi = -0.5f * (re_[k] - re_[j]);
    // w^k = cos - i sin of 2 pi k / N (k <= N/4).
    const float c = splitCos_[k];
    const float s = splitSin_[k];
    const float tr = orr * c + oi * s;
    const float ti = oi * c - orr * s;
    output[2 * k] = er + tr;
    output[2 * k + 1] = ei + ti;
    if (j != k) {
      output[2 * j] = er - tr;
      output[2 * j + 1] = -(ei - ti);
    }
  }
}

}  // namespace velmora
