#pragma once
// The power-spectrum engine of a view: the long-term average spectrum of a range of
// samples (or of a take, buffer by buffer) in dB per FFT bin. It computes numbers; the
// curve's geometry is power_spectrum_curve.h and the view paints it.
//
// Stages of compute(samples, n), N = fftSize():
//   1. hop H = truncate(N x 0.390625) (100, 200, 400 for N = 256, 512, 1024);
//      frames M = truncate((n - N + H) / H), none when n < N;
//   2. each frame m (from sample m H): N samples, Hamming-windowed unless the window is off,
//      complex FFT with zero imaginary part (fft_complex.h); the powers re^2 + im^2 of
//      bins 0 .. N/2 - 1 are summed over the frames;
//   3. no frame: nothing changes and compute() returns 0;
//      level of a bin: 0 when its sum is 0, else 10 log10(sum / M) - 18 log10(N) dB;
//   4. current() holds the levels; average() folds them into the running mean of
//      averageCount() spectra.
//
// Calling sequence:
//   a recording on screen: resetAverage(); compute(selection or visible range); setHasData(true);
//   a take: setSampleRate(recorder rate); resetAverage(); then compute(buffer) per buffer,
//           so the average grows over the whole take.
#include <cstdint>
#include <vector>

#include "analysis/fft_complex.h"
#include "analysis/hls_colour.h"
#include "analysis/stop_flag.h"

namespace velmora {

inline constexpr int kPowerSpectrumDefaultFftSize = 512;
inline constexpr int kPowerSpectrumMaxFftSize = 2048;  // 1024 bins kept
inline constexpr Rgb kPowerSpectrumDefaultColour{0, 0, 128};  // dark blue
inline constexpr Rgb kAverageCurveColour{255, 0, 0};
inline constexpr Rgb kAverageCurveColourOnRed{0, 0, 0};

enum class PowerSpectrumStyle { Solid = 0, Line = 1 };

int powerSpectrumHop(int fftSize);
int64_t powerSpectrumFrames(int64_t sampleCount, int fftSize);

class PowerSpectrum {
 public:
  PowerSpectrum();

  // A power of two from 4 to 2048 (the bar offers 256, 512, 1024); others are refused with
  // false. A new size clears the average, whose bins would no longer match.
  bool setFftSize(int n);
  // Keeps the frequency limit, as the spectrogram does.
  void setSampleRate(int rateHz);
  void setLimit(float hz);  // zoom = rate x 0.5 / hz; ignored unless > 0
  void setWindowOn(bool on) { windowOn_ = on; }
  void setStyle(PowerSpectrumStyle style) { style_ = style; }
  void setShowAverage(bool show) { showAverage_ = show; }
  void setColour(Rgb colour) { colour_ = colour; }
  void setHasData(bool has) { hasData_ = has; }

  int fftSize() const { return fftSize_; }
  int sampleRate() const { return sampleRate_; }
  float zoom() const { return zoom_; }
  double topFrequencyHz() const { return sampleRate_ * 0.5 / zoom_; }
  bool windowOn() const { return windowOn_; }
  PowerSpectrumStyle style() const { return style_; }
  bool showAverage() const { return showAverage_; }
  Rgb colour() const { return colour_; }
  bool hasData() const { return hasData_; }

  // Returns the number of bins, N / 2, or 0 when the samples hold no whole frame or `stop`
  // was set on the way (nothing computed, current() and the average unchanged).
  int compute(const int16_t* samples, int64_t sampleCount, const StopFlag* stop = nullptr);
  void resetAverage();
  // The levels, average and its count that another engine of the same FFT size computed
  // (a copy of this one that ran on a worker); the display settings stay this engine's.
  void takeLevelsOf(const PowerSpectrum& computed);

  const std::vector<float>& current() const { return current_; }  // N / 2 levels in dB
  const std::vector<float>& average() const { return average_; }
  int averageCount() const { return averageCount_; }

 private:
  int fftSize_ = kPowerSpectrumDefaultFftSize;
  int sampleRate_ = 11025;
  float zoom_ = 1.0f;
  bool windowOn_ = true;
  PowerSpectrumStyle style_ = PowerSpectrumStyle::Solid;
  bool showAverage_ = false;
  Rgb colour_ = kPowerSpectrumDefaultColour;
  bool hasData_ = false;
  std::vector<float> current_;
  std::vector<float> average_;
  int averageCount_ = 0;
  ComplexFft fft_;
  std::vector<float> window_;
  std::vector<float> re_, im_;
  std::vector<double> sums_;
};

}  // namespace velmora
