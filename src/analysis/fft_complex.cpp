#include "analysis/fft_complex.h"

#include <cassert>
#include <cmath>
#include <numbers>
#include <utility>

namespace velmora {

bool ComplexFft::isValidSize(size_t n) {
  return n >= kComplexFftMinSize && n <= kComplexFftMaxSize && (n & (n - 1)) == 0;
}

ComplexFft::ComplexFft(size_t n) : size_(n), bitReverse_(n), twiddleRe_(n), twiddleIm_(n) {
  assert(isValidSize(n));
  int bits = 0;
  while ((size_t{1} << bits) < n) ++bits;
  for (size_t i = 0; i < n; ++i) {
    size_t reversed = 0;
    for (int b = 0; b < bits; ++b) reversed |= ((i >> b) & 1u) << (bits - 1 - b);
    bitReverse_[i] = static_cast<uint32_t>(reversed);
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

// The first two stages together (half-lengths 1 and 2): their twiddles are 1 and -i, so a
// block of four needs no multiplication.
void firstTwoStages(float* re, float* im, size_t n) {
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

// Four radix-2 butterflies at once: u' = u + w l, l' = u - w l. The arrays never overlap,
// which the restrict-qualified parameters tell the compiler, so it can use vector operations.
inline void butterflies4(float* __restrict ur, float* __restrict ui, float* __restrict lr, float* __restrict li,
                         const float* __restrict wr, const float* __restrict wi) {
  for (int k = 0; k < 4; ++k) {
    const float tr = lr[k] * wr[k] - li[k] * wi[k];
    const float ti = lr[k] * wi[k] + li[k] * wr[k];
    lr[k] = ur[k] - tr;
    li[k] = ui[k] - ti;
    ur[k] = ur[k] + tr;
    ui[k] = ui[k] + ti;
  }
}

// One stage of half-length h >= 4.
void stage(float* re, float* im, size_t n, size_t h, const float* wr, const float* wi) {
  for (size_t b = 0; b < n; b += 2 * h)
    for (size_t j = 0; j < h; j += 4) butterflies4(re + b + j, im + b + j, re + b + h + j, im + b + h + j, wr + j, wi + j);
}

// Two stages at once on four points of each quarter of a block (x0..x3 a quarter apart):
// pairs (x0, x1) and (x2, x3) with the first stage's twiddles w1, then (x0, x2) with w2 and
// (x1, x3) with w3.
inline void twoStageButterflies4(float* __restrict r0, float* __restrict i0, float* __restrict r1, float* __restrict i1,
                                 float* __restrict r2, float* __restrict i2, float* __restrict r3, float* __restrict i3,
                                 const float* __restrict w1r, const float* __restrict w1i, const float* __restrict w2r,
                                 const float* __restrict w2i, const float* __restrict w3r, const float* __restrict w3i) {
  for (int k = 0; k < 4; ++k) {
    const float m1r = r1[k] * w1r[k] - i1[k] * w1i[k];
    const float m1i = r1[k] * w1i[k] + i1[k] * w1r[k];
    const float m3r = r3[k] * w1r[k] - i3[k] * w1i[k];
    const float m3i = r3[k] * w1i[k] + i3[k] * w1r[k];
    const float t0r = r0[k] + m1r, t0i = i0[k] + m1i;
    const float t1r = r0[k] - m1r, t1i = i0[k] - m1i;
    const float t2r = r2[k] + m3r, t2i = i2[k] + m3i;
    const float t3r = r2[k] - m3r, t3i = i2[k] - m3i;
    const float n2r = t2r * w2r[k] - t2i * w2i[k];
    const float n2i = t2r * w2i[k] + t2i * w2r[k];
    const float n3r = t3r * w3r[k] - t3i * w3i[k];
    const float n3i = t3r * w3i[k] + t3i * w3r[k];
    r0[k] = t0r + n2r;
    i0[k] = t0i + n2i;
    r2[k] = t0r - n2r;
    i2[k] = t0i - n2i;
    r1[k] = t1r + n3r;
    i1[k] = t1i + n3i;
    r3[k] = t1r - n3r;
    i3[k] = t1i - n3i;
  }
}

// Stages of half-lengths h and 2h (h >= 4) in one sweep; w2 and w3 are the twiddles of
// stage 2h for the first and the second half of its blocks.
void twoStages(float* re, float* im, size_t n, size_t h, const float* tableRe, const float* tableIm) {
  const float *w1r = tableRe + h, *w1i = tableIm + h;
  const float *w2r = tableRe + 2 * h, *w2i = tableIm + 2 * h;
  const float *w3r = tableRe + 3 * h, *w3i = tableIm + 3 * h;
  for (size_t b = 0; b < n; b += 4 * h) {
    float* r = re + b;
    float* i = im + b;
    for (size_t j = 0; j < h; j += 4)
      twoStageButterflies4(r + j, i + j, r + h + j, i + h + j, r + 2 * h + j, i + 2 * h + j, r + 3 * h + j,
                           i + 3 * h + j, w1r + j, w1i + j, w2r + j, w2i + j, w3r + j, w3i + j);
  }
}

}  // namespace

void ComplexFft::forward(float* re, float* im) const {
  for (size_t p = 0; p < swapPairs_.size(); p += 2) {
    const uint32_t a = swapPairs_[p], b = swapPairs_[p + 1];
    std::swap(re[a], re[b]);
    std::swap(im[a], im[b]);
  }
  forwardFromBitReversed(re, im);
}

void ComplexFft::forwardFromBitReversed(float* re, float* im) const {
  const size_t n = size_;
  if (n == 2) {
    const float r0 = re[0], i0 = im[0];
    re[0] = r0 + re[1];
    im[0] = i0 + im[1];
    re[1] = r0 - re[1];
    im[1] = i0 - im[1];
    return;
  }
  firstTwoStages(re, im, n);
  size_t h = 4;
  for (; 4 * h <= n; h *= 4) twoStages(re, im, n, h, twiddleRe_.data(), twiddleIm_.data());
  if (h < n) stage(re, im, n, h, twiddleRe_.data() + h, twiddleIm_.data() + h);
}

}  // namespace velmora
