#include "view/paused_take.h"

namespace velmora {

PausedTakeAnalysis::PausedTakeAnalysis(ViewHost& host, Interaction& ui) : overlays_(results_, host, ui) {}

void PausedTakeAnalysis::start(std::vector<int16_t> samples, int rateHz, std::vector<int64_t> columnSamples,
                               bool wantF0, bool wantFormants) {
  end();
  sound_.samples = std::move(samples);
  sound_.format = WaveFormat::pcm(static_cast<uint32_t>(rateHz));
  sound_.showAll();
  columnSamples_ = std::move(columnSamples);
  active_ = true;
  update(wantF0, wantFormants);
}

void PausedTakeAnalysis::update(bool wantF0, bool wantFormants) {
  // Too short for a track (a pause right after the start) shows nothing, as an empty file.
  if (active_ && sound_.isOpen()) overlays_.update(sound_, wantF0, wantFormants);
}

void PausedTakeAnalysis::end() {
  if (!active_) return;
  overlays_.stop();
  results_.samplesChanged();
  sound_.clear();
  columnSamples_.clear();
  active_ = false;
}

std::optional<PausedTakeOverlay> PausedTakeAnalysis::overlay() const {
  if (!active_) return std::nullopt;
  PausedTakeOverlay o;
  o.columnSamples = &columnSamples_;
  o.sampleCount = sound_.sampleCount();
  o.f0Values = results_.f0Values();
  // As for a recording: the formant dots wait for the F0 track that voices them.
  o.formants = overlays_.f0Running() ? nullptr : results_.formants();
  return o;
}

}  // namespace velmora
