#pragma once
// Linear prediction of one analysis frame by the autocorrelation method, in double precision.
//
// Stages: window (rectangular, Hamming or Hanning) applied to the pre-emphasised frame,
// (x[i + 1] - preEmphasis * x[i]) * w[i]; RMS of that windowed sequence; autocorrelation to
// the model order, normalised by lag 0; lags 1.. multiplied by 1 / (1 + 10^(-stabilityDb / 20));
// Levinson-Durbin recursion for the predictor A(z) = 1 + sum a[k] z^-(k+1).
//
// A frame reads windowLength + 1 samples (pre-emphasis looks one sample ahead).
// The window is cached and rebuilt only when its length or type changes.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::formant {

enum class LpcWindow : int { Rectangular = 0, Hamming = 1, Hanning = 2 };

constexpr int kMaxLpcOrder = 30;

struct FrameLpc {
  double rms = 0.0;                  // RMS of the windowed, pre-emphasised sequence
  std::vector<double> coefficients;  // a[0 .. order): A(z) = 1 + sum a[k] z^-(k+1); zeros for silence
  bool ok = false;                   // false for an order out of range
};

class LpcAnalyzer {
 public:
  // frame points at windowLength + 1 readable samples.
  FrameLpc analyse(const int16_t* frame, size_t windowLength, int order, double preEmphasis, double stabilityDb,
                   LpcWindow window);

  // The window and scratch space are released at the end of each track computation.
  void releaseCaches();

 private:
  const std::vector<double>& windowOf(size_t length, LpcWindow type);

  std::vector<double> window_;
  LpcWindow windowType_ = LpcWindow::Hanning;
  std::vector<double> windowed_;
};

}  // namespace velmora::formant
