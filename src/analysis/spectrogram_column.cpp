#include "analysis/spectrogram_column.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/intensity_of_power.h"

namespace velmora {

int spectrogramWindowLength(double bandwidthHz, int rateHz) {
  if (bandwidthHz <= 0.0 || rateHz <= 0) return 1;
  return std::max(1, static_cast<int>(1.6 / bandwidthHz * rateHz));
}

int spectrogramFftSize(int rateHz, double zoom, int paneHeight) {
  const int z = static_cast<int>(zoom);
  const bool tall = paneHeight > 300;
  switch (rateHz) {
    case 11025:
      return z == 2 ? 2048 : 1024;
    case 22050:
      if (z == 4) return 4096;
      if (z == 2 || tall) return 2048;
      return 1024;
    case 44100:
      return z == 8 ? 8192 : 4096;
    default:
      return 1024;
  }
}

int spectrogramRows(int paneHeight) { return std::clamp(paneHeight, 0, kMaxSpectrogramRows); }

int intensityOfLevel(double levelDb) {
  const double shifted = levelDb - kIntensityOffsetDb + 0.5;
  if (!(shifted > 0.0)) return 0;  // also NaN
  if (shifted >= 255.0) return 255;
  return static_cast<int>(shifted);
}

void SpectrogramColumn::configure(int fftSize, int windowLength) {
  windowLength = std::clamp(windowLength, 1, fftSize);
  if (fftSize != fftSize_) {
    fftSize_ = fftSize;
    fft_ = std::make_unique<RealFft>(static_cast<size_t>(fftSize));
    work_.assign(static_cast<size_t>(fftSize), 0.0f);
    power_.assign(static_cast<size_t>(fftSize / 2), 0.0f);
    windowLength_ = 0;
  }
  if (windowLength != windowLength_) {
    windowLength_ = windowLength;
    window_.assign(static_cast<size_t>(windowLength), 1.0f);
    if (windowLength > 1) {
      const double span = windowLength - 1;
      for (int i = 0; i < windowLength; ++i)
        window_[i] = static_cast<float>(0.54 - 0.46 * std::cos(2.0 * std::numbers::pi * i / span));
    }
  }
}

namespace {

// Eight windowed samples at a time: a fixed count the compiler turns into vector operations.
inline void windowEight(const int16_t* __restrict x, const float* __restrict w, float* __restrict y) {
  for (int k = 0; k < 8; ++k) y[k] = static_cast<float>(x[k]) * w[k];
}

}  // namespace

int SpectrogramColumn::analyse(const int16_t* frame, double zoom, int rows, EmptyRow emptyRow, uint8_t* intensities) {
  int i = 0;
  for (; i + 8 <= windowLength_; i += 8) windowEight(frame + i, window_.data() + i, work_.data() + i);
  for (; i < windowLength_; ++i) work_[i] = static_cast<float>(frame[i]) * window_[i];
  std::fill(work_.begin() + windowLength_, work_.end(), 0.0f);
  fft_->forward(work_.data(), work_.data());

  // Bins 1 .. N/2 - 1 carry a re, im pair. A zoom below 1 (a limit above the Nyquist
  // frequency) would ask for bins that do not exist: those rows stay empty rather than
  // reading past the spectrum.
  const double bandFloats = fftSize_ / zoom - 2.0;
  const int binCount = static_cast<int>(std::clamp(std::ceil(bandFloats / 2.0) + 1.0, 1.0, fftSize_ / 2.0));
  for (int b = 1; b < binCount; ++b) power_[b] = work_[2 * b] * work_[2 * b] + work_[2 * b + 1] * work_[2 * b + 1];

  int bin = 1;
  int floatsTaken = 0;
  int previousIntensity = 0;
  for (int done = 1; done <= rows; ++done) {
    const double cumulativeShare = bandFloats * done / rows;
    float power = 1.0f;
    int taken = 0;
    while (floatsTaken < cumulativeShare && bin < binCount) {
      power += power_[bin++];
      floatsTaken += 2;
      ++taken;
    }
    int value;
    if (taken > 0)
      value = intensityOfMeanPower(power / static_cast<float>(taken));
    else
      value = emptyRow == EmptyRow::RepeatBelow ? previousIntensity : 0;
    intensities[rows - done] = static_cast<uint8_t>(value);
    previousIntensity = value;
  }
  return bin - 1;
}

}  // namespace velmora
