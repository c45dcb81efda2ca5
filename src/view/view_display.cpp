#include "view/view_display.h"

#include <algorithm>

#include "analysis/f0_track.h"
#include "core/string_table.h"
#include "presentation/number_text.h"
#include "view/view_renderer.h"

namespace velmora {

ViewDisplay::ViewDisplay(const RecordingDocument& document, ViewHost& host, Interaction& ui,
                         const ViewGeometry& geometry)
    : document_(document), host_(host), overlays_(results_, host, ui), paused_(host, ui) {
  scene_.geometry = geometry;
  document_.addObserver(this);
}

ViewDisplay::~ViewDisplay() { document_.removeObserver(this); }

ViewScene ViewDisplay::scene() const {
  ViewScene s = scene_;
  s.takeDurationArea = takeDurationArea_;
  s.mode = mode_;
  s.buffer = &document_.sound();
  s.scheme = results_.spectrogram().scheme();
  s.spectrogramTopHz = results_.spectrogram().topFrequencyHz();
  s.powerTopHz = results_.power().topFrequencyHz();
  s.f0Values = results_.f0Values();
  // Drawn without the F0 track the formant dots would show in unvoiced stretches for a moment.
  s.formants = overlays_.f0Running() ? nullptr : results_.formants();
  if (isFileMode(mode_)) {
    s.spectrogram = results_.spectrogramImage();
    s.power = results_.powerSpectrum();
  } else {
    s.spectrogram = results_.liveSpectrogramImage();
    s.power = results_.power().hasData() ? &results_.power() : nullptr;
    s.liveSignal = liveSignal_.empty() ? nullptr : &liveSignal_;
    if (mode_ == ModeLiveSpectrogram) s.pausedTake = paused_.overlay();
  }
  s.f0Readout = f0Readout_ > 0 ? &f0Text_ : nullptr;
  s.playCursorX = playCursor_ >= 0 ? playCursorX() : columnOf(restCursor_);
  if (playbackDisplay_) s.overlayLimitX = std::max(s.playCursorX, s.geometry.graphLeft);
  return s;
}

void ViewDisplay::recordingOpened() {
  overlays_.stop();
  paused_.end();
  results_.samplesChanged();
  mode_ = modeAfterOpening(mode_);
  applyRate(document_.sampleRate());
  host_.modeChanged();
  computeWhatIsShown();
  host_.requestRepaint();
}

void ViewDisplay::samplesEdited() {
  forgetSamples();
  computeWhatIsShown();
  host_.requestRepaint();
}

void ViewDisplay::recordingClosed() {
  forgetSamples();
  host_.requestRepaint();
}

void ViewDisplay::forgetSamples() {
  playCursor_ = -1;
  restCursor_ = -1;
  overlays_.stop();
  paused_.end();
  results_.samplesChanged();
}

void ViewDisplay::applyRate(int rateHz) {
  results_.setSampleRate(rateHz);
  const BarLimits limits = host_.setBarsRate(rateHz);
  if (limits.spectrogramHz > 0) results_.spectrogram().setLimit(static_cast<float>(limits.spectrogramHz));
  if (limits.powerSpectrumHz > 0) results_.power().setLimit(static_cast<float>(limits.powerSpectrumHz));
}

void ViewDisplay::visibleRangeChanged() {
  restCursor_ = -1;
  computeWhatIsShown();
  host_.requestRepaint();
}

void ViewDisplay::setEmptyMode() {
  mode_ = ModeEmpty;
  host_.modeChanged();
  host_.requestRepaint();
}

void ViewDisplay::spectrogramCommand() { switchMode(modeForSpectrogramCommand(mode_, document_.isOpen())); }

void ViewDisplay::powerSpectrumCommand() { switchMode(modeForPowerSpectrumCommand(mode_, document_.isOpen())); }

void ViewDisplay::switchMode(std::optional<DisplayMode> next) {
  if (!next) return;
  mode_ = *next;
  host_.modeChanged();
  computeWhatIsShown();
  host_.requestRepaint();
}

void ViewDisplay::computeWhatIsShown() {
  // A box ticked while a take is paused computes that track of the take.
  paused_.update(scene_.showF0, scene_.showFormants);
  if (!document_.isOpen() || !isFileMode(mode_)) return;
  const SoundBuffer& sound = document_.sound();
  const ViewGeometry& g = scene_.geometry;
  if (mode_ == ModeSpectrogram) {
    {
      BusyScope busy(host_);
      results_.computeSpectrogram(sound, g.graphWidth, g.spectralHeight);
    }
    overlays_.update(sound, scene_.showF0, scene_.showFormants);
  } else {
    overlays_.updatePower(sound);
  }
}

void ViewDisplay::settingsChanged() {
  computeWhatIsShown();
  host_.requestRepaint();
}

void ViewDisplay::copySettingsFrom(const ViewDisplay& other) {
  scene_.showF0 = other.scene_.showF0;
  scene_.showFormants = other.scene_.showFormants;
  scene_.showSpectrogram = other.scene_.showSpectrogram;
  scene_.f0Min = other.scene_.f0Min;
  scene_.f0Max = other.scene_.f0Max;
  scene_.language = other.scene_.language;
  scene_.extraTextChar = other.scene_.extraTextChar;
  const Spectrogram& s = other.results_.spectrogram();
  results_.spectrogram().setScheme(s.scheme());
  results_.spectrogram().setLevels(s.levels());
  if (results_.spectrogram().bandwidthHz() != s.bandwidthHz()) {
    results_.spectrogram().setBandwidth(s.bandwidthHz());
    results_.spectrogramAnalysisChanged();
  }
  const PowerSpectrum& p = other.results_.power();
  results_.power().setColour(p.colour());
  results_.power().setStyle(p.style());
  results_.power().setShowAverage(p.showAverage());
  if (results_.power().setFftSize(p.fftSize())) results_.powerAnalysisChanged();
  const int fileMode = isPowerSpectrumMode(other.mode_) ? ModePowerSpectrum : ModeSpectrogram;
  if (document_.isOpen() && mode_ != fileMode) {
    mode_ = fileMode;
    host_.modeChanged();
  }
  settingsChanged();
}

void ViewDisplay::setComparisonLayout(bool on) {
  scene_.comparison = on;
  host_.requestRepaint();
}

void ViewDisplay::setRecorderRate(int rateHz) {
  scene_.recorderRate = rateHz;
  host_.requestRepaint();
}

void ViewDisplay::setF0Range(int minHz, int maxHz) {
  scene_.f0Min = minHz;
  scene_.f0Max = maxHz;
  host_.requestRepaint();
}

void ViewDisplay::setLanguage(int language, int extraTextChar) {
  scene_.language = language;
  scene_.extraTextChar = extraTextChar;
  host_.requestRepaint();
}

void ViewDisplay::setShowF0(bool on) {
  scene_.showF0 = on;
  settingsChanged();
}

void ViewDisplay::setShowFormants(bool on) {
  scene_.showFormants = on;
  settingsChanged();
}

void ViewDisplay::setShowSpectrogram(bool on) {
  scene_.showSpectrogram = on;
  settingsChanged();
}

void ViewDisplay::setBand(int hz) {
  results_.spectrogram().setBandwidth(static_cast<float>(hz));
  results_.spectrogramAnalysisChanged();
  settingsChanged();
}

void ViewDisplay::setSpectrogramLimit(int hz) {
  results_.spectrogram().setLimit(static_cast<float>(hz));
  results_.spectrogramAnalysisChanged();
  settingsChanged();
}

void ViewDisplay::setScheme(int scheme) {
  results_.spectrogram().setScheme(scheme);  // recolours the kept picture
  host_.requestRepaint();
}

void ViewDisplay::setLevels(int db) {
  results_.spectrogram().setLevels(db);
  host_.requestRepaint();
}

void ViewDisplay::setPowerLimit(int hz) {
  results_.power().setLimit(static_cast<float>(hz));
  host_.requestRepaint();
}

void ViewDisplay::setFftSize(int points) {
  if (!results_.power().setFftSize(points)) return;
  results_.powerAnalysisChanged();
  settingsChanged();
}

void ViewDisplay::setLtas(bool on) {
  results_.power().setShowAverage(on);
  host_.requestRepaint();
}

void ViewDisplay::setLineInput(bool line) {
  scene_.lineInput = line;
  host_.requestRepaint();
}

void ViewDisplay::setLineMode(bool line) {
  results_.power().setStyle(line ? PowerSpectrumStyle::Line : PowerSpectrumStyle::Solid);
  host_.requestRepaint();
}

void ViewDisplay::setCurveColour(Rgb colour) {
  results_.power().setColour(colour);
  host_.requestRepaint();
}

void ViewDisplay::startLivePicture() {
  const ViewGeometry& g = scene_.geometry;
  results_.spectrogram().startLive(g.graphWidth, g.spectralHeight);
  results_.power().resetAverage();
  results_.power().setHasData(false);
  liveSignal_.clear();
}

void ViewDisplay::beginLiveDisplay(int rateHz) {
  mode_ = isPowerSpectrumMode(mode_) ? ModeLivePowerSpectrum : ModeLiveSpectrogram;
  scene_.recorderRate = rateHz;
  overlays_.stopPower();
  applyRate(rateHz);
  paused_.end();
  startLivePicture();
  f0Readout_ = 0;
  playCursor_ = -1;
  host_.modeChanged();
  host_.requestRepaint();
}

void ViewDisplay::beginPlaybackDisplay() {
  if (!isFileMode(mode_)) return;
  mode_ = mode_ == ModePowerSpectrum ? ModeLivePowerSpectrum : ModeLiveSpectrogram;
  playbackDisplay_ = true;
  // The played blocks feed the engine from now on.
  overlays_.stopPower();
  startLivePicture();
  host_.requestRepaint();
}

void ViewDisplay::endPlaybackDisplay() {
  if (!playbackDisplay_) return;
  playbackDisplay_ = false;
  // A Mode command while playing chose the other pane: keep that choice.
  mode_ = modeAfterRecordingStopped(mode_);
  liveSignal_.clear();
  // The live blocks went into the spectrum engine; the file's spectrum is computed again.
  results_.powerAnalysisChanged();
  computeWhatIsShown();
  host_.requestRepaint();
}

void ViewDisplay::drawLiveBlock(LiveSignal& live, const int16_t* samples, size_t count) {
  if (!samples || count == 0) return;
  live.push(samples, count);
  const ViewGeometry& g = scene_.geometry;
  if (isPowerSpectrumMode(mode_)) {
    // A buffer shorter than one FFT frame measures nothing: the shown spectrum stays.
    if (results_.power().compute(samples, static_cast<int64_t>(count)) > 0) {
      results_.power().setHasData(true);
      // Only where the curve moved: most of the pane stays as it was from one block to the next.
      const PaneRect pane = powerSpectrumPane(scene_);
      for (const PaneRect& r : liveSpectrum_.next(powerSpectrumDrawing(results_.power(), pane), pane))
        host_.requestLiveRepaint(ViewRect{r.left, r.top, r.width(), r.height()});
    }
  } else {
    Spectrogram& spectrogram = results_.spectrogram();
    const bool full = spectrogram.liveColumnCount() > spectrogram.liveImage().width - 2;
    spectrogram.pushLive(samples, count);
    spectrogram.computeLiveColumn(g.spectralHeight);
    const int x = spectrogram.drawLiveColumn();
    const int rows = spectrogram.liveImage().height;
    // Until the pane is full only the new column changes; after that the picture scrolls.
    if (full)
      host_.requestLiveRepaint(ViewRect{g.graphLeft + 1, g.spectralTop, spectrogram.liveImage().width, rows});
    else
      host_.requestLiveRepaint(ViewRect{g.graphLeft + 1 + x, g.spectralTop, 2, rows});
  }
  liveSignal_ = live.values();
  host_.requestLiveRepaint(waveformArea());
}

void ViewDisplay::setLiveSignal(std::vector<float> values) {
  liveSignal_ = std::move(values);
  host_.requestLiveRepaint(waveformArea());
}

void ViewDisplay::takePaused(std::vector<int16_t> samples, int64_t liveStartSample) {
  std::vector<int64_t> columns = results_.spectrogram().liveColumnSamples();
  for (int64_t& c : columns)
    if (c >= 0) c += liveStartSample;
  paused_.start(std::move(samples), results_.spectrogram().sampleRate(), std::move(columns), scene_.showF0,
                scene_.showFormants);
  host_.requestRepaint();
}

void ViewDisplay::viewRepainted() {
  liveSpectrum_.forget();
  // A change of the header's texts, the layout or the mode paints the whole view: the
  // duration's place is laid out again then.
  takeDurationArea_ = QRect();
  takeDurationArea_ = takeDurationArea(scene());
}

ViewRect ViewDisplay::waveformArea() const {
  // The pane's box with its outline, which also holds the F0 readout.
  const ViewGeometry& g = scene_.geometry;
  return ViewRect{g.graphLeft, g.waveTop, g.graphWidth + 2, g.waveHeight, true};
}

float ViewDisplay::f0At(int64_t sample) const {
  const std::vector<float>* values = results_.f0Values();
  const int64_t rate = document_.sampleRate();
  if (!values || rate <= 0 || sample < 0) return 0;
  const auto frame = static_cast<size_t>(sample * kF0FramesPerSecond / rate);
  return frame < values->size() ? (*values)[frame] : 0.0f;
}

void ViewDisplay::setTakeSamples(int64_t samples) {
  // The digits change with every block, but a tenth of a second is as fast as anyone reads
  // them: redrawn at every block they cost a good part of the take's CPU time.
  const int64_t tenth = std::max(scene_.recorderRate / 10, 1);
  const int64_t shown = scene_.takeSamples;
  takeSamples_ = samples;
  if (samples <= 0 || shown < 0 || samples / tenth != shown / tenth) showTakeSamples();
}

void ViewDisplay::showTakeSamples() {
  if (scene_.takeSamples == takeSamples_) return;
  scene_.takeSamples = takeSamples_;
  if (isFileMode(mode_) || mode_ == ModeEmpty) {
    host_.requestRepaint();
    return;
  }
  const QRect area = takeDurationArea(scene_);
  host_.requestLiveRepaint(ViewRect{area.left(), area.top(), area.width(), area.height(), true});
}

void ViewDisplay::setF0Readout(float hz) {
  f0Readout_ = hz > 0 ? hz : 0;
  if (f0Readout_ > 0) {
    const QString text = QString::fromStdString(viewNumber(": %.2f", static_cast<double>(f0Readout_)));
    if (f0Text_.value.text() != text) f0Text_.value.setText(text);
  }
  if (isFileMode(mode_) || mode_ == ModeEmpty)
    host_.requestRepaint();
  else
    host_.requestLiveRepaint(waveformArea());
}

void ViewDisplay::setPlayCursor(int64_t sample) {
  playCursor_ = sample;
  host_.requestRepaint();
}

int ViewDisplay::playCursorX() const { return columnOf(playCursor_); }

int ViewDisplay::columnOf(int64_t sample) const {
  if (sample < 0 || !document_.isOpen()) return -1;
  const SampleRange visible = document_.visibleRange();
  if (visible.length() <= 0) return -1;
  const ViewGeometry& g = scene_.geometry;
  const int64_t column = (sample - visible.start) * g.graphWidth / visible.length();
  // Never past the pane's width.
  return g.graphLeft + static_cast<int>(std::clamp<int64_t>(column, 0, g.graphWidth - 1));
}

void ViewDisplay::setRestCursor(int64_t sample) {
  restCursor_ = sample;
  host_.requestRepaint();
}

}  // namespace velmora
