#include "analysis/spectrogram.h"

#include <algorithm>
#include <cstring>

namespace velmora {

std::vector<int> frequencyLimitsForRate(int rateHz) {
  switch (rateHz) {
    case 11025: return {2756, 3675, 5512};
    case 22050: return {2756, 5512, 7350, 11025};
    case 44100: return {2756, 5512, 7350, 11025, 14700, 22050};
    default: return {};
  }
}

int liveSizeForRate(int rateHz) {
  switch (rateHz) {
    case 11025: return 1024;
    case 22050: return 2048;
    case 44100: return 4096;
    default: return 0;
  }
}

Spectrogram::Spectrogram() : palette_(buildPalette(levels_, scheme_)), liveRing_(static_cast<size_t>(liveSize_), 0) {}

void Spectrogram::setSampleRate(int rateHz) {
  if (rateHz <= 0) return;
  const double limitHz = sampleRate_ * 0.5 / zoom_;
  sampleRate_ = rateHz;
  zoom_ = static_cast<float>(rateHz * 0.5 / limitHz);
  if (const int size = liveSizeForRate(rateHz)) liveSize_ = size;
  liveRing_.assign(static_cast<size_t>(liveSize_), 0);
}

void Spectrogram::setBandwidth(float hz) {
  if (hz > 0.0f) bandwidthHz_ = hz;
}

void Spectrogram::setLimit(float hz) {
  if (hz > 0.0f) zoom_ = static_cast<float>(sampleRate_ * 0.5 / hz);
}

void Spectrogram::setLevels(int levels) {
  levels_ = std::clamp(levels, kMinLevels, kPaletteSize);
  palette_ = buildPalette(levels_, scheme_);
  recording_.recolour(palette_);
  live_.recolour(palette_);
}

void Spectrogram::setScheme(int scheme) {
  scheme_ = scheme >= 0 && scheme <= 2 ? scheme : kDefaultScheme;
  palette_ = buildPalette(levels_, scheme_);
  recording_.recolour(palette_);
  live_.recolour(palette_);
}

int Spectrogram::recordingWindowLength(int rateHz, int paneHeight) const {
  return std::min(spectrogramWindowLength(bandwidthHz_, rateHz), recordingFftSize(rateHz, paneHeight));
}

const SpectrogramImage& Spectrogram::drawRecording(const int16_t* samples, int64_t sampleCount, double durationSeconds,
                                                   int rateHz, int columns, int paneHeight) {
  const int rows = spectrogramRows(paneHeight);
  recording_.reset(columns, rows, palette_);
  if (samples == nullptr || sampleCount <= 0 || rateHz <= 0 || columns <= 0 || rows <= 0) return recording_;

  const int fftSize = recordingFftSize(rateHz, paneHeight);
  const int window = recordingWindowLength(rateHz, paneHeight);
  const int64_t overhang = static_cast<int64_t>(0.8 * rateHz / bandwidthHz_);
  const int64_t span = std::min(static_cast<int64_t>(durationSeconds * rateHz), sampleCount + overhang);
  if (span <= window) return recording_;  // too short for one frame: all background

  analyser_.configure(fftSize, window);
  column_.assign(static_cast<size_t>(rows), 0);
  bool haveColumn = false;
  for (int j = 0; j < columns; ++j) {
    const int64_t centre = (j + 1) * span / columns;
    const int64_t start = std::max<int64_t>(centre - window / 2 + 1, 0);
    if (start + window > sampleCount) {
      // Past the end: repeat the previous column; before any, the background stays.
      if (haveColumn) recording_.copyColumn(j - 1, j);
      continue;
    }
    analyser_.analyse(samples + start, zoom_, rows, EmptyRow::Silent, column_.data());
    recording_.paintColumn(j, column_.data(), rows, palette_);
    haveColumn = true;
  }
  return recording_;
}

void Spectrogram::startLive(int paneWidth, int paneHeight) {
  liveColumns_ = 0;
  live_.reset(paneWidth, spectrogramRows(paneHeight), palette_);
  livePushed_ = 0;
  columnSample_ = -1;
  liveColumnSamples_.assign(static_cast<size_t>(std::max(live_.width, 0)), -1);
}

void Spectrogram::pushLive(const int16_t* samples, size_t count) {
  const size_t size = liveRing_.size();
  if (samples == nullptr || count == 0 || size == 0) return;
  livePushed_ += static_cast<int64_t>(count);
  if (count >= size) {
    std::memcpy(liveRing_.data(), samples + (count - size), size * sizeof(int16_t));
    return;
  }
  std::memmove(liveRing_.data(), liveRing_.data() + count, (size - count) * sizeof(int16_t));
  std::memcpy(liveRing_.data() + (size - count), samples, count * sizeof(int16_t));
}

const std::vector<uint8_t>& Spectrogram::computeLiveColumn(int paneHeight) {
  const int rows = spectrogramRows(paneHeight);
  column_.assign(static_cast<size_t>(rows), 0);
  const int window = std::min(spectrogramWindowLength(bandwidthHz_, sampleRate_), liveSize_);
  analyser_.configure(liveSize_, window);
  if (rows > 0) analyser_.analyse(liveRing_.data(), zoom_, rows, EmptyRow::RepeatBelow, column_.data());
  // The window is the oldest part of the ring.
  const int64_t middle = livePushed_ - static_cast<int64_t>(liveRing_.size()) + window / 2;
  columnSample_ = middle >= 0 ? middle : -1;
  return column_;
}

int Spectrogram::drawLiveColumn() {
  if (live_.width <= 0) return 0;
  // Once the pane is full the picture scrolls left, so the newest column keeps arriving at
  // the right edge for the rest of the take.
  const int lastX = std::max(live_.width - 2, 0);
  int x = liveColumns_;
  if (x > lastX) {
    live_.scrollLeft();
    x = lastX;
    if (liveColumnSamples_.size() > 1)
      std::move(liveColumnSamples_.begin() + 1, liveColumnSamples_.end(), liveColumnSamples_.begin());
  }
  if (static_cast<size_t>(x) < liveColumnSamples_.size()) liveColumnSamples_[static_cast<size_t>(x)] = columnSample_;
  // The second pixel repeats the column; only the next column's own place counts.
  if (static_cast<size_t>(x) + 1 < liveColumnSamples_.size()) liveColumnSamples_[static_cast<size_t>(x) + 1] = -1;
  const int rows = static_cast<int>(column_.size());
  live_.paintColumn(x, column_.data(), rows, palette_);
  live_.paintColumn(x + 1, column_.data(), rows, palette_);
  liveColumns_ = std::min(liveColumns_ + 1, live_.width);
  return x;
}

}  // namespace velmora
