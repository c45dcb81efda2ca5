#pragma once
// Forward complex FFT, radix 2, on separate real and imaginary arrays.
//
//   ComplexFft fft(512);          // size: a power of two from 2 to 16384
//   fft.forward(re, im);          // in place; unscaled: X[k] = sum x[n] e^(-2 pi i k n / N)
//
// Stages: bit-reversed reordering, then log2(N) radix-2 butterfly stages whose twiddle
// factors (cos(pi j / h), -sin(pi j / h) for a stage of half-length h) are tabled once per
// size, so a transform costs no trigonometry. The first two stages need no multiplication
// and run together; the later stages run two at a time, so the data is swept about half as
// often. Single precision.
//
// A caller that gathers its input anyway (the real FFT) can place it in bit-reversed order
// itself, value k at bitReversed(k), and call forwardFromBitReversed.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora {

inline constexpr size_t kComplexFftMinSize = 2;
inline constexpr size_t kComplexFftMaxSize = 16384;

class ComplexFft {
 public:
  static bool isValidSize(size_t n);

  // n must be a valid size (programmer error otherwise).
  explicit ComplexFft(size_t n);

  size_t size() const { return size_; }

  // re and im each hold size() values; both are replaced by the transform.
  void forward(float* re, float* im) const;

  uint32_t bitReversed(size_t k) const { return bitReverse_[k]; }
  const std::vector<uint32_t>& bitReverseTable() const { return bitReverse_; }
  void forwardFromBitReversed(float* re, float* im) const;

 private:
  size_t size_;
  std::vector<uint32_t> bitReverse_;
  std::vector<uint32_t> swapPairs_;  // index pairs (a, b), a < b, exchanged by the reordering
  std::vector<float> twiddleRe_;     // pass of half-length h: entries h .. 2h-1
  std::vector<float> twiddleIm_;
};

}  // namespace velmora
