#include "analysis/fft_complex.h"

#include <cassert>
#include <cmath>
#include <numbers>
#include <utility>

namespace velmora {

bool ComplexFft::isValidSize(size_t n) {
  return n >= kComplexFftMinSize && n <= kComplexFftMaxSize && (n & (n - 1)) == 0;
}

ComplexFft::ComplexFft(size_t n) : size_(n), twiddleRe_(n), twiddleIm_(n) {
  assert(isValidSize(n));
  int bits = 0;
  while ((size_t{1} << bits) < n) ++bits;
  for (size_t i = 0; i < n; ++i) {
    size_t reversed = 0;
    for (int b = 0; b < bits; ++b) reversed |= ((i >> b) & 1u) << (bits - 1 - b);
    if (i < reversed) {
      swapPairs_.push_back(static_cast<uint32_t>(i));
      swapPairs_.push_back(static_cast<uint32_t>(reversed));
    }
  }
  // Tabled in double so that the large sizes keep single-precision accuracy.
  for (size_t h = 1; h < n; h *= 2) {
    for (size_t j = 0; j < h; ++j) {
      const double angle = std::numbers::pi * static_cast<double>(j) / static_cast<double>(h);
      twiddleRe_[h + j] = static_cast<float>(std::cos(angle));
      twiddleIm_[h + j] = static_cast<float>(-std::sin(angle));
    }
  }
}

namespace {

// The first two passes together (half-lengths 1 and 2): their twiddles are 1 and -i, so a
// block of four needs no multiplication.
void firstTwoPasses(float* re, float* im, size_t n) {
  for (size_t b = 0; b < n; b += 4) {
    const float ar = re[b] + re[b + 1], ai = im[b] + im[b + 1];
    const float br = re[b] - re[b + 1], bi = im[b] - im[b + 1];
    const float cr = re[b + 2] + re[b + 3], ci = im[b + 2] + im[b + 3];
    const float dr = re[b + 2] - re[b + 3], di = im[b + 2] - im[b + 3];
    re[b] = ar + cr;
    im[b] = ai + ci;
    re[b + 2] = ar - cr;
    im[b + 2] = ai - ci;
    // (dr + i di) x (-i) = di - i dr
    re[b + 1] = br + di;
    im[b + 1] = bi - dr;
    re[b + 3] = br - di;
    im[b + 3] = bi + dr;
  }
}

// One pass of half-length h >= 4. Four butterflies per step, written out so the compiler
// can map them onto one vector operation each.
void pass(float* __restrict re, float* __restrict im, size_t n, size_t h, const float* __restrict wr,
          const float* __restrict wi) {
  for (size_t b = 0; b < n; b += 2 * h) {
    float* __restrict ur = re + b;
    float* __restrict ui = im + b;
    float* __restrict lr = re + b + h;
    float* __restrict li = im + b + h;
    for (size_t j = 0; j < h; j += 4) {
      float tr[4], ti[4];
      for (int q = 0; q < 4; ++q) {
        tr[q] = lr[j + q] * wr[j + q] - li[j + q] * wi[j + q];
        ti[q] = lr[j + q] * wi[j + q] + li[j + q] * wr[j + q];
      }
      for (int q = 0; q < 4; ++q) {
        lr[j + q] = ur[j + q] - tr[q];
        li[j + q] = ui[j + q] - ti[q];
        ur[j + q] = ur[j + q] + tr[q];
        ui[j + q] = ui[j + q] + ti[q];
      }
    }
  }
}

}  // namespace

void ComplexFft::forward(float* re, float* im) const {
  const size_t n = size_;
  for (size_t p = 0; p < swapPairs_.size(); p += 2) {
    const uint32_t a = swapPairs_[p], b = swapPairs_[p + 1];
    std::swap(re[a], re[b]);
    std::swap(im[a], im[b]);
  }
  if (n == 2) {
    const float r0 = re[0], i0 = im[0];
    re[0] = r0 + re[1];
    im[0] = i0 + im[1];
    re[1] = r0 - re[1];
    im[1] = i0 - im[1];
    return;
  }
  firstTwoPasses(re, im, n);
  for (size_t h = 4; h < n; h *= 2) pass(re, im, n, h, twiddleRe_.data() + h, twiddleIm_.data() + h);
}

}  // namespace velmora
