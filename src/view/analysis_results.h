#pragma once
// The analyses of the open recording, computed on demand and kept:
//  - F0 track and formant track: once per recording (`valid` until the samples change);
//  - spectrogram image: once per visible range and display setting;
//  - power spectrum: once per range and FFT size.
// The engines compute numbers; this class turns them into what the renderer draws.
#include <QColor>
#include <QImage>
#include <functional>
#include <vector>

#include "audio/sound_buffer.h"
#include "view/overlay_dots.h"
#include "view/view_scene.h"

namespace velmora {

struct SpectrogramSettings {
  int bandHz = 40;
  int limitHz = 5512;
  int scheme = 2;
  int levels = 70;
  bool operator==(const SpectrogramSettings&) const = default;
};

struct PowerSettings {
  int fftSize = 512;
  int limitHz = 5512;
  bool showAverage = false;
  bool lineMode = false;
  QColor colour = QColor(0, 0, 128);
};

class AnalysisResults {
 public:
  // Called around a long computation with the status text to show ("" clears it).
  using StatusSink = std::function<void(const std::string&)>;

  SpectrogramSettings spectrogram;
  PowerSettings power;

  // The samples changed (a new recording, an edit): everything is recomputed when needed.
  void samplesChanged();

  const QImage* spectrogramImage(const SoundBuffer& buffer, int width, int height);
  const std::vector<float>* f0Values(const SoundBuffer& buffer, const StatusSink& status);
  const std::vector<FormantFrameValues>* formants(const SoundBuffer& buffer, const StatusSink& status);
  const PowerCurve* powerCurve(const SoundBuffer& buffer);

  // Already computed results only (painting never starts a computation).
  const QImage* cachedSpectrogram() const { return imageValid_ ? &image_ : nullptr; }
  const std::vector<float>* cachedF0() const { return f0Valid_ ? &f0_ : nullptr; }
  const std::vector<FormantFrameValues>* cachedFormants() const { return formantsValid_ ? &formants_ : nullptr; }
  const PowerCurve* cachedPower() const { return powerValid_ ? &curve_ : nullptr; }
  void spectrogramSettingsChanged() { imageValid_ = false; }
  void powerSettingsChanged() { powerValid_ = false; }

 private:
  struct ImageKey {
    int32_t start = -1, end = -1;
    int width = 0, height = 0;
    SpectrogramSettings settings;
    bool operator==(const ImageKey&) const = default;
  };
  QImage image_;
  ImageKey imageKey_;
  bool imageValid_ = false;
  std::vector<float> f0_;
  bool f0Valid_ = false;
  std::vector<FormantFrameValues> formants_;
  bool formantsValid_ = false;
  PowerCurve curve_;
  int32_t powerStart_ = -1, powerEnd_ = -1;
  bool powerValid_ = false;
};

}  // namespace velmora
