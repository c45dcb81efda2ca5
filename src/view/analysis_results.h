#pragma once
// The analyses of the open recording and the engines behind them, computed on demand and
// kept:
//  - F0 track and formant track: once per recording (valid until the samples change);
//  - spectrogram picture: once per visible range, band and limit (colours and levels
//    recolour it without a new analysis);
//  - power spectrum: once per range, FFT size and limit.
// Painting only reads what is already computed.
#include <QImage>
#include <functional>
#include <string>

#include "analysis/f0_track.h"
#include "analysis/formant_track.h"
#include "analysis/power_spectrum.h"
#include "analysis/spectrogram.h"
#include "audio/sound_buffer.h"

namespace velmora {

class AnalysisResults {
 public:
  // Called around a long computation with the status text to show ("" clears it).
  using StatusSink = std::function<void(const std::string&)>;

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
  void computeF0(const SoundBuffer& buffer, const StatusSink& status);
  // Returns the engine's error text ("ERROR") when it ran out of memory, else "".
  std::string computeFormants(const SoundBuffer& buffer, const StatusSink& status);
  void computePower(const SoundBuffer& buffer);

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
