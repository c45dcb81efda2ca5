#pragma once
// The spectrogram engine of a view: settings from the control bar, the picture of the
// visible range of a recording, and the live picture during a take. It computes pictures
// (spectrogram_image.h); the view copies them to the screen.
//
// Recording on screen:
//   spectrogram.setSampleRate(rate);  setBandwidth(10);  setLimit(5512);  setLevels(70);
//   const SpectrogramImage& picture = spectrogram.drawRecording(
//       samples + visibleStart, visibleLength, visibleLength / double(rate), rate,
//       paneWidth, paneHeight);
//   // picture: paneWidth columns x min(paneHeight, 2048) rows, drawn at the pane's left
//   // edge + 1. Kept as recordingImage() until the next call; setLevels / setScheme
//   // recolour it in place, so the view may repaint it without a new computation.
//
//   Stages of drawRecording: window length W and FFT size N from the settings
//   (spectrogram_column.h), W limited to N; span S = truncate(duration x rate) samples,
//   limited to sampleCount + truncate(0.8 x rate / bandwidth); column j's frame centres on
//   (j + 1) S / columns and starts W / 2 - 1 samples earlier, never before the first
//   sample; a frame that would run past the last sample repeats the previous column
//   (the background when there is none yet); with S <= W the whole picture is background.
//   The work follows the pane width, not the length of the range.
//
// Live (during a take):
//   spectrogram.startLive(paneWidth, paneHeight);           // counter 0, background picture
//   per display update: pushLive(newSamples, n);
//                       computeLiveColumn(paneHeight);       // the oldest W of the ring
//                       int x = drawLiveColumn();            // 2 px wide at x, x + 1
//   liveImage() is the picture; liveColumnCount() the live position for the mouse;
//   liveColumnSamples() which pushed sample each column of the picture shows.
//
// Frequencies: row 0 shows up to topFrequencyHz() = (rate / 2) / zoom, the value of the
// frequency axis (spectral_axes.h).
#include <cstdint>
#include <vector>

#include "analysis/spectrogram_column.h"
#include "analysis/spectrogram_image.h"
#include "analysis/spectrogram_palette.h"

namespace velmora {

inline constexpr int kSpectrogramDefaultRateHz = 11025;
inline constexpr float kSpectrogramDefaultBandwidthHz = 10.0f;
inline constexpr float kSpectrogramDefaultZoom = 0.5f;  // replaced by the bar's first limit

// The "Limit" list of a rate in Hz (2756, 3675, 5512 at 11025 Hz; 2756, 5512, 7350, 11025 at
// 22050 Hz; 2756, 5512, 7350, 11025, 14700, 22050 at 44100 Hz); empty for other rates.
// The control bar selects entry kDefaultLimitIndex at start.
std::vector<int> frequencyLimitsForRate(int rateHz);
inline constexpr int kDefaultLimitIndex = 1;

// FFT size and ring length of live columns for a rate (1024, 2048, 4096; else 0 = keep).
int liveSizeForRate(int rateHz);

class Spectrogram {
 public:
  Spectrogram();

  // Keeps the frequency limit (zoom follows the rate); 11025, 22050 and 44100 Hz set
  // liveSize to 1024, 2048, 4096 and the ring is cleared.
  void setSampleRate(int rateHz);
  void setBandwidth(float hz);  // ignored unless > 0
  void setLimit(float hz);      // zoom = rate x 0.5 / hz; ignored unless > 0
  void setLevels(int levels);   // rebuild the palette and recolour both pictures
  void setScheme(int scheme);

  int sampleRate() const { return sampleRate_; }
  float bandwidthHz() const { return bandwidthHz_; }
  float zoom() const { return zoom_; }
  double topFrequencyHz() const { return sampleRate_ * 0.5 / zoom_; }
  int levels() const { return levels_; }
  int scheme() const { return scheme_; }
  const SpectrogramPalette& palette() const { return palette_; }
  int liveSize() const { return liveSize_; }

  // N and W (limited to N) that drawRecording uses for this rate and pane height.
  int recordingFftSize(int rateHz, int paneHeight) const { return spectrogramFftSize(rateHz, zoom_, paneHeight); }
  int recordingWindowLength(int rateHz, int paneHeight) const;

  const SpectrogramImage& drawRecording(const int16_t* samples, int64_t sampleCount, double durationSeconds,
                                        int rateHz, int columns, int paneHeight);
  const SpectrogramImage& recordingImage() const { return recording_; }

  void startLive(int paneWidth, int paneHeight);
  void pushLive(const int16_t* samples, size_t count);
  // Samples that went by without being pushed (the take was shown as a power spectrum):
  // they count for the places of later columns.
  void skipLive(size_t count) { livePushed_ += static_cast<int64_t>(count); }
  const std::vector<int16_t>& liveRing() const { return liveRing_; }
  // Intensities of the live column, top row first (min(height, 2048) values).
  const std::vector<uint8_t>& computeLiveColumn(int paneHeight);
  // Paints the last computed column two pixels wide at the live position and advances it
  // (up to the pane width). Once the pane is full the picture scrolls one pixel left per
  // column and the column is painted at the right edge.
  // Returns the x of the column's left pixel in the live picture.
  int drawLiveColumn();
  int liveColumnCount() const { return liveColumns_; }
  // Per pixel column of the live picture: the sample (counted from the first pushed since
  // startLive) at the middle of the window its spectrum was analysed from; -1 where no
  // column is drawn or the window lay mostly before the first sample. Scrolls with the
  // picture, so an overlay of what was pushed lands where those samples were drawn.
  const std::vector<int64_t>& liveColumnSamples() const { return liveColumnSamples_; }
  const SpectrogramImage& liveImage() const { return live_; }

 private:
  int sampleRate_ = kSpectrogramDefaultRateHz;
  float bandwidthHz_ = kSpectrogramDefaultBandwidthHz;
  float zoom_ = kSpectrogramDefaultZoom;
  int levels_ = kDefaultLevels;
  int scheme_ = kDefaultScheme;
  SpectrogramPalette palette_;
  int liveSize_ = 1024;
  std::vector<int16_t> liveRing_;
  std::vector<uint8_t> column_;
  SpectrogramColumn analyser_;
  SpectrogramImage recording_;
  SpectrogramImage live_;
  int liveColumns_ = 0;
  int64_t livePushed_ = 0;
  int64_t columnSample_ = -1;  // of the last computed column
  std::vector<int64_t> liveColumnSamples_;
};

}  // namespace velmora
