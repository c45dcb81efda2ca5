#pragma once
// The analyses of the open recording and the engines behind them, computed on demand and
// kept:
//  - F0 track and formant track: once per recording (valid until the samples change),
//    computed on worker threads (overlay_analyses.h) and handed in here;
//  - spectrogram picture: once per visible range, band and limit (colours and levels
//    recolour it without a new analysis);
//  - power spectrum: once per range, FFT size and limit.
// Painting only reads what is already computed.
#include <QImage>
#include <utility>

#include "analysis/f0_track.h"
#include "analysis/formant_track.h"
#include "analysis/power_spectrum.h"
#include "analysis/spectrogram.h"
#include "audio/sound_buffer.h"

namespace velmora {

class AnalysisResults {
 public:
  AnalysisResults();

  Spectrogram& spectrogram() { return spectrogram_; }
  PowerSpectrum& power() { return power_; }
  const Spectrogram& spectrogram() const { return spectrogram_; }
  const PowerSpectrum& power() const { return power_; }

  // A new recording or an edit: everything is recomputed when next needed.
  void samplesChanged();
  void setSampleRate(int rateHz);
  // Band or limit changed: the picture must be analysed again.
  void spectrogramAnalysisChanged() { imageValid_ = false; }
  void powerAnalysisChanged() { powerValid_ = false; }

  void computeSpectrogram(const SoundBuffer& buffer, int width, int height);
  // The tracks of the current samples, computed elsewhere.
  void setF0(F0Track track) { f0_ = std::move(track); }
  void setFormants(FormantTrack track) { formants_ = std::move(track); }
  bool hasF0() const { return f0_.valid(); }
  bool hasFormants() const { return formants_.valid(); }
  // The formant tracker as the last computation left it (its root solver starts the next
  // computation from there).
  const FormantTrack& formantTracker() const { return formants_; }
  // The power spectrum of the visible range is not computed for the range and FFT size.
  bool powerNeeded(const SoundBuffer& buffer) const;
  // The spectrum of samples [start, end) that a copy of the engine computed elsewhere; dropped
  // when the FFT size changed meanwhile.
  void setPower(const PowerSpectrum& computed, int32_t start, int32_t end);

  // The spectrogram picture over the engine's pixels (no copy); null when not computed.
  QImage spectrogramImage() const;
  // The picture of a take, as the live columns have painted it so far.
  QImage liveSpectrogramImage() const;
  const std::vector<float>* f0Values() const { return f0_.valid() ? &f0_.values() : nullptr; }
  const FormantTrack* formants() const { return formants_.valid() ? &formants_ : nullptr; }
  const PowerSpectrum* powerSpectrum() const { return powerValid_ && power_.hasData() ? &power_ : nullptr; }

 private:
  struct RangeKey {
    int32_t start = -1, end = -1;
    int width = 0, height = 0;
    bool operator==(const RangeKey&) const = default;
  };
  Spectrogram spectrogram_;
  PowerSpectrum power_;
  F0Track f0_;
  FormantTrack formants_;
  RangeKey imageKey_;
  bool imageValid_ = false;
  RangeKey powerKey_;
  bool powerValid_ = false;
};

}  // namespace velmora
