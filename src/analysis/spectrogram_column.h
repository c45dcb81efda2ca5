#pragma once
// One spectrogram column: from a frame of 16-bit samples to one intensity (0..255) per row.
//
// Stages:
//   1. window: y[i] = x[i] (0.54 - 0.46 cos(2 pi i / (W - 1))), i < W; zeros up to N;
//   2. real FFT of N points, unscaled (fft_real.h);
//   3. bins to rows, bottom (row R-1, lowest frequency) to top (row 0): the band shown holds
//      F = N / zoom - 2 floats (two per bin, bins 1, 2, 3 ... ; bin 0 is skipped), each row's
//      share is F / R floats, and a row takes the next bins while the count of floats taken
//      stays below the rows' cumulative share. Its level is 10 log10(P / k) dB, where
//      P = 1 + the summed power re^2 + im^2 of its k bins;
//   4. intensity = truncate(level - 35 + 0.5), limited to 0..255.
// A row that takes no bin is silent (a recording) or repeats the row below it (the live
// column); see EmptyRow.
//
// The sizes that follow from the settings are free functions, so the view, the live path
// and the tests agree on them.
#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/fft_real.h"

namespace velmora {

inline constexpr int kMaxSpectrogramRows = 2048;
inline constexpr double kIntensityOffsetDb = 35.0;

// W = truncate(1.6 / bandwidth x rate) samples (160 ms at 10 Hz), at least 1.
int spectrogramWindowLength(double bandwidthHz, int rateHz);

// N by rate, truncate(zoom) and pane height: 11025 Hz: 1024, 2048 at z 2; 22050 Hz: 1024
// (2048 above 300 rows), 2048 at z 2, 4096 at z 4; 44100 Hz: 4096, 8192 at z 8; else 1024.
int spectrogramFftSize(int rateHz, double zoom, int paneHeight);

// R = min(pane height, 2048).
int spectrogramRows(int paneHeight);

int intensityOfLevel(double levelDb);

enum class EmptyRow { Silent, RepeatBelow };

class SpectrogramColumn {
 public:
  // Prepares the window table and the FFT; cheap when nothing changed.
  void configure(int fftSize, int windowLength);

  int fftSize() const { return fftSize_; }
  int windowLength() const { return windowLength_; }

  // frame: windowLength() samples. Writes `rows` intensities, top row first, and returns the
  // number of bins the rows took.
  int analyse(const int16_t* frame, double zoom, int rows, EmptyRow emptyRow, uint8_t* intensities);

 private:
  int fftSize_ = 0;
  int windowLength_ = 0;
  std::vector<float> window_;
  std::vector<float> work_;
  std::vector<float> power_;  // re^2 + im^2 per bin
  std::unique_ptr<RealFft> fft_;
};

}  // namespace velmora
