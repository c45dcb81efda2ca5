// The analysis view's part in recording and playback: wiring the bars' transport buttons
// and the Audio commands to the take and playback controllers, the live display's state,
// and the overlay drawn over the panes (F0 readout, playback cursor).
#include <QMenu>
#include <QPainter>

#include "analysis/f0_track.h"
#include "audio/input_buffer_bytes.h"
#include "bars/bar_choices.h"
#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "view/analysis_view.h"
#include "presentation/number_text.h"
#include "view/playback_controller.h"
#include "view/view_renderer.h"

namespace velmora {

void AnalysisView::attachAudio(SoundRecorder& recorder, SoundPlayer& player, TakeClientSource client) {
  // The playback controller goes first: the take asks it whether something plays.
  const auto changed = [this] { emit audioStateChanged(); };
  playback_ = std::make_unique<PlaybackController>(*this, player, changed);
  take_ = std::make_unique<TakeController>(*this, recorder, player, ui_, std::move(client), changed);
  recorder_ = &recorder;
  scene_.recorderRate = recorder.sampleRateHz();
  for (TransportButtons* t : transports()) connectTransport(t);
  for (ComboFocusWatch* w : {spectrogramBar_->comboFocus(), powerSpectrumBar_->comboFocus()}) {
    connect(w, &ComboFocusWatch::focusEntered, this, &AnalysisView::holdForList);
    connect(w, &ComboFocusWatch::focusLeft, this, &AnalysisView::releaseAfterList);
  }
  refreshTransport();
  update();
}

std::array<TransportButtons*, 2> AnalysisView::transports() const {
  return {spectrogramBar_->transport(), powerSpectrumBar_->transport()};
}

void AnalysisView::connectTransport(TransportButtons* t) {
  connect(t->recordButton(), &QToolButton::clicked, this, [this] { recordCommand(true); });
  connect(t->recordPauseButton(), &QToolButton::clicked, this, [this] { recordPauseCommand(); });
  connect(t->playButton(), &QToolButton::clicked, this, [this] { playCommand(); });
  connect(t->playPauseButton(), &QToolButton::clicked, this, [this] { playPauseCommand(); });
  connect(t->rateButton(), &QToolButton::clicked, this, [this, t] { showRateMenu(t); });
}

void AnalysisView::holdForList(bool alsoZoomed) {
  if (take_ && take_->isRecording()) {
    if (!take_->isPaused()) {
      take_->pauseOrResume();
      listHeldTake_ = true;
    }
    return;
  }
  const bool zoomed = buffer_.visibleStart != 0 || buffer_.visibleEnd != buffer_.sampleCount();
  if (isPlaying() && !playback_->isPaused() && (alsoZoomed || !zoomed)) {
    playback_->pauseOrResume();
    listHeldPlayback_ = true;
  }
}

void AnalysisView::releaseAfterList() {
  if (listHeldTake_) {
    listHeldTake_ = false;
    if (take_->isRecording() && take_->isPaused()) take_->pauseOrResume();
  }
  if (listHeldPlayback_) {
    listHeldPlayback_ = false;
    // A new Update Rate restarts playback unpaused; only a held one is resumed.
    if (isPlaying() && playback_->isPaused()) playback_->pauseOrResume();
  }
}

void AnalysisView::showRateMenu(TransportButtons* t) {
  if (!recorder_) return;
  QMenu menu(this);
  const int current = recorder_->sampleRateHz();
  const std::pair<int, int> entries[] = {{40124, 11025}, {40125, 22050}, {40126, 44100}};
  for (const auto& [command, rate] : entries) {
    QAction* a = menu.addAction(QStringLiteral("%1 Hz").arg(rate));
    a->setCheckable(true);
    a->setChecked(rate == current);
    const int id = command;
    connect(a, &QAction::triggered, this, [this, id] { recordRateCommand(id); });
  }
  QToolButton* b = t->rateButton();
  menu.exec(b->mapToGlobal(QPoint(0, b->height())));
}

void AnalysisView::recordCommand(bool fromBar) {
  if (take_) take_->toggleRecord(fromBar);
}

void AnalysisView::playCommand() {
  if (playback_) playback_->playCommand();
}

void AnalysisView::recordPauseCommand() {
  if (take_) take_->pauseOrResume();
}

void AnalysisView::playPauseCommand() {
  if (playback_) playback_->pauseOrResume();
}

void AnalysisView::bufferSizeCommand(int bytes) {
  setInputBufferBytes(bytes);
  if (take_) take_->bufferSizeChanged();
}

bool AnalysisView::recordRateCommand(int commandId) { return take_ && take_->recordRateCommand(commandId); }

bool AnalysisView::isRecording() const { return take_ && take_->isRecording(); }

bool AnalysisView::isPlaying() const { return playback_ && playback_->isPlaying(); }

void AnalysisView::refreshTransport() {
  if (!take_ || isRecording()) return;
  const bool playing = isPlaying();
  for (TransportButtons* t : transports()) {
    t->recordButton()->setEnabled(mode_ != ModeEmpty && !playing);
    t->playButton()->setEnabled(hasSamples());
  }
}

void AnalysisView::setSelection(int32_t startSample, int32_t endSample) {
  selectionStart_ = startSample;
  selectionEnd_ = endSample;
  update();
}

void AnalysisView::beginLiveDisplay(int rateHz) {
  mode_ = isPowerSpectrumMode(mode_) ? ModeLivePowerSpectrum : ModeLiveSpectrogram;
  scene_.recorderRate = rateHz;
  applyRateToBars(rateHz);
  const ViewGeometry& g = scene_.geometry;
  results_.spectrogram().startLive(g.graphWidth, g.spectralHeight);
  results_.power().resetAverage();
  results_.power().setHasData(false);
  liveSignal_.clear();
  f0Readout_ = 0;
  playCursor_ = -1;
  selectionStart_ = selectionEnd_ = 0;
  showBarOfMode();
  update();
}

void AnalysisView::beginPlaybackDisplay() {
  if (!isFileMode(mode_)) return;
  mode_ = mode_ == ModePowerSpectrum ? ModeLivePowerSpectrum : ModeLiveSpectrogram;
  playbackDisplay_ = true;
  const ViewGeometry& g = scene_.geometry;
  results_.spectrogram().startLive(g.graphWidth, g.spectralHeight);
  results_.power().resetAverage();
  results_.power().setHasData(false);
  liveSignal_.clear();
  update();
}

void AnalysisView::endPlaybackDisplay() {
  if (!playbackDisplay_) return;
  playbackDisplay_ = false;
  // A Mode command while playing chose the other pane: keep that choice.
  mode_ = modeAfterRecordingStopped(mode_);
  liveSignal_.clear();
  // The live blocks went into the spectrum engine; the file's spectrum is computed again.
  results_.powerAnalysisChanged();
  computeWhatIsShown();
  update();
}

void AnalysisView::drawLiveBlock(LiveSignal& live, const int16_t* samples, size_t count) {
  if (!samples || count == 0) return;
  live.push(samples, count);
  if (isPowerSpectrumMode(mode_)) {
    if (results_.power().compute(samples, static_cast<int64_t>(count)) > 0) results_.power().setHasData(true);
  } else {
    Spectrogram& spectrogram = results_.spectrogram();
    spectrogram.pushLive(samples, count);
    spectrogram.computeLiveColumn(scene_.geometry.spectralHeight);
    spectrogram.drawLiveColumn();
  }
  setLiveSignal(live.values());
}

void AnalysisView::applyUpdateRateOfBar() {
  if (isPowerSpectrumMode(mode_)) {
    const int i = powerSpectrumBar_->updateRateCombo()->currentIndex();
    applyUpdateRate(powerSpectrumUpdateRateFactors().at(static_cast<size_t>(std::max(i, 0))));
  } else {
    const int i = spectrogramBar_->selectedUpdateRateIndex();
    applyUpdateRate(spectrogramUpdateRateFactors().at(static_cast<size_t>(std::max(i, 0))));
  }
}

float AnalysisView::f0At(int64_t sample) const {
  const std::vector<float>* values = results_.f0Values();
  const int64_t rate = buffer_.sampleRate();
  if (!values || rate <= 0 || sample < 0) return 0;
  const auto frame = static_cast<size_t>(sample * kF0FramesPerSecond / rate);
  return frame < values->size() ? (*values)[frame] : 0.0f;
}

void AnalysisView::setF0Readout(float hz) {
  f0Readout_ = hz > 0 ? hz : 0;
  update();
}

void AnalysisView::setPlayCursor(int64_t sample) {
  playCursor_ = sample;
  update();
}

int AnalysisView::playCursorX() const {
  if (playCursor_ < 0 || !hasSamples()) return -1;
  const int64_t visible = buffer_.visibleEnd - buffer_.visibleStart;
  if (visible <= 0) return -1;
  const ViewGeometry& g = scene_.geometry;
  const int64_t column = (playCursor_ - buffer_.visibleStart) * g.graphWidth / visible;
  // Never past the pane's width.
  return g.graphLeft + static_cast<int>(std::clamp<int64_t>(column, 0, g.graphWidth - 1));
}

void AnalysisView::paintAudioOverlay(QPainter& p) const {
  const ViewGeometry& g = scene_.geometry;
  if (f0Readout_ > 0 && mode_ != ModeEmpty && !isPowerSpectrumMode(mode_)) {
    // "F" with a subscript 0, then the value, near the right end of the waveform pane.
    const int x = g.graphLeft + g.graphWidth - 150;
    const int y = g.waveTop + 4;
    p.setPen(Qt::black);
    p.setFont(viewFont("Arial", 14, true));
    drawTextAt(p, x, y, QStringLiteral("F"));
    p.setFont(viewFont("Arial", 10, true));
    drawTextAt(p, x + 9, y + 7, QStringLiteral("0"));
    p.setFont(viewFont("Arial", 14, true));
    drawTextAt(p, x + 16, y, QString::fromStdString(viewNumber(": %.2f", static_cast<double>(f0Readout_))));
  }
  const int x = playCursorX();
  if (x < 0) return;
  // An inverted column over the analysis pane and the waveform, as the selection marks are.
  p.save();
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(QPen(Qt::white, 0));
  p.drawLine(x, g.spectralTop, x, g.spectralTop + g.spectralHeight);
  p.drawLine(x, g.waveTop, x, g.waveTop + g.waveHeight);
  p.restore();
}

}  // namespace velmora
