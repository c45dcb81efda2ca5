#pragma once
// Forward FFT of N real values (N a power of two from 4 to 32768), unscaled.
//
//   RealFft fft(4096);
//   fft.forward(samples, spectrum);   // samples: N floats; spectrum: N floats
//
// Output layout (the usual packed half spectrum):
//   spectrum[0] = X[0].re (DC), spectrum[1] = X[N/2].re (Nyquist),
//   spectrum[2k], spectrum[2k+1] = X[k].re, X[k].im for k = 1 .. N/2 - 1.
//
// Stages: the even samples become the real parts and the odd samples the imaginary parts of
// N/2 complex values; one complex FFT of N/2 points; then the split step separates the two
// interleaved transforms and combines them with the twiddles e^(-2 pi i k / N) into bins
// 0 .. N/2 of the real signal's spectrum.
#include <cstddef>
#include <vector>

#include "analysis/fft_complex.h"

namespace velmora {

inline constexpr size_t kRealFftMinSize = 4;
inline constexpr size_t kRealFftMaxSize = 2 * kComplexFftMaxSize;

class RealFft {
 public:
  static bool isValidSize(size_t n);

  explicit RealFft(size_t n);  // n must be a valid size

  size_t size() const { return size_; }

  // input: size() samples; output: size() floats as laid out above. May be the same array.
  void forward(const float* input, float* output);

 private:
  size_t size_;
  ComplexFft half_;
  std::vector<float> re_, im_;           // work arrays of N/2
  std::vector<float> splitCos_, splitSin_;  // cos, sin of 2 pi k / N for k < N/4 + 1
};

}  // namespace velmora
