#include "view/analysis_view.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include "audio/input_buffer_bytes.h"
#include "bars/bar_choices.h"
#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "view/playback_controller.h"
#include "clients/recording_names.h"
#include "view/transport_wiring.h"
#include "view/view_renderer.h"

namespace velmora {

AnalysisView::AnalysisView(const ViewStartSettings& settings, Interaction& ui, QWidget* parent)
    : QWidget(parent), ui_(ui),
      display_(document_, *this, ui, ViewGeometry::forScreen(settings.screenWidth, settings.screenHeight)),
      documents_(document_, display_, *this, ui) {
  display_.setLanguage(settings.language, settings.extraTextChar);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setFocusPolicy(Qt::StrongFocus);
  createBars(settings.updateRatePreference);
  connectBars();
  hideBars();
}

AnalysisView::~AnalysisView() = default;

void AnalysisView::createBars(int updateRatePreference) {
  spectrogramBar_ = new SpectrogramBar(updateRatePreference, this);
  powerSpectrumBar_ = new PowerSpectrumBar(updateRatePreference, this);
  for (QWidget* bar : {static_cast<QWidget*>(spectrogramBar_), static_cast<QWidget*>(powerSpectrumBar_)}) {
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, kButtonFace);
    bar->setPalette(pal);
  }
  AnalysisResults& results = display_.results();
  results.spectrogram().setBandwidth(static_cast<float>(spectrogramBar_->selectedBandHz()));
  results.spectrogram().setLevels(spectrogramBar_->dbSlider()->value());
  results.power().setFftSize(powerSpectrumBar_->selectedFftSize());
  transport_ = new TransportWiring(spectrogramBar_, powerSpectrumBar_, this);
}

void AnalysisView::connectBars() {
  ViewDisplay* d = &display_;
  SpectrogramBar* s = spectrogramBar_;
  connect(s, &SpectrogramBar::bandChanged, this, [d](int hz) { d->setBand(hz); });
  connect(s, &SpectrogramBar::limitChanged, this, [d](int hz) { d->setSpectrogramLimit(hz); });
  connect(s, &SpectrogramBar::f0Toggled, this, [d](bool on) { d->setShowF0(on); });
  connect(s, &SpectrogramBar::formantsToggled, this, [d](bool on) { d->setShowFormants(on); });
  connect(s, &SpectrogramBar::spectrogramToggled, this, [d](bool on) { d->setShowSpectrogram(on); });
  connect(s, &SpectrogramBar::schemeChosen, this, [d](int scheme) { d->setScheme(scheme); });
  connect(s, &SpectrogramBar::levelsChanged, this, [d](int db) { d->setLevels(db); });
  connect(s, &SpectrogramBar::focusBackToView, this, [this] { setFocus(); });
  connect(s, &SpectrogramBar::updateRateChanged, this,
          [this](int index) { applyUpdateRate(spectrogramUpdateRateFactors().at(static_cast<size_t>(index))); });
  PowerSpectrumBar* p = powerSpectrumBar_;
  connect(p, &PowerSpectrumBar::limitChanged, this, [d](int hz) { d->setPowerLimit(hz); });
  connect(p, &PowerSpectrumBar::fftSizeChanged, this, [d](int points) { d->setFftSize(points); });
  connect(p, &PowerSpectrumBar::ltasToggled, this, [d](bool on) { d->setLtas(on); });
  connect(p, &PowerSpectrumBar::lineModeChanged, this, [d](bool line) { d->setLineMode(line); });
  connect(p, &PowerSpectrumBar::colourChosen, this, [d](const QColor& c) {
    d->setCurveColour(Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())});
  });
  connect(p, &PowerSpectrumBar::focusBackToView, this, [this] { setFocus(); });
  connect(p, &PowerSpectrumBar::updateRateChanged, this,
          [this](int index) { applyUpdateRate(powerSpectrumUpdateRateFactors().at(static_cast<size_t>(index))); });
}

QSize AnalysisView::logicalClientSize() const {
  return QSize(width(), static_cast<int>(height() / geometry().verticalStretch()));
}

void AnalysisView::paintInto(QPainter& p) const {
  p.scale(1.0, geometry().verticalStretch());
  paintView(p, scene(), logicalClientSize());
}

void AnalysisView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paintInto(p);
}

QImage AnalysisView::renderImage() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  paintInto(p);
  return image;
}

void AnalysisView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int barHeight = 45 + (geometry().largeLayout ? 5 : 0) + (display_.language() == 2 ? 6 : 0);
  spectrogramBar_->setGeometry(0, 0, width(), barHeight);
  powerSpectrumBar_->setGeometry(0, 0, width(), barHeight);
}

void AnalysisView::hideBars() {
  spectrogramBar_->hide();
  powerSpectrumBar_->hide();
}

void AnalysisView::modeChanged() {
  const int mode = display_.mode();
  if (mode == ModeEmpty) {
    hideBars();
  } else {
    const bool power = isPowerSpectrumMode(mode);
    spectrogramBar_->setVisible(!power);
    powerSpectrumBar_->setVisible(power);
  }
  transport_->refresh(mode, hasSamples());
}

void AnalysisView::beginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void AnalysisView::endBusy() { QApplication::restoreOverrideCursor(); }

BarLimits AnalysisView::setBarsRate(int rateHz) {
  return BarLimits{spectrogramBar_->setRate(rateHz), powerSpectrumBar_->setRate(rateHz)};
}

int AnalysisView::updateRateIndex(bool powerSpectrumBar) const {
  return powerSpectrumBar ? powerSpectrumBar_->updateRateCombo()->currentIndex()
                          : spectrogramBar_->selectedUpdateRateIndex();
}

void AnalysisView::setUpdateRateListsEnabled(bool enabled) { transport_->setUpdateRateListsEnabled(enabled); }

void AnalysisView::setTransportEnabled(TransportControl control, bool enabled) {
  transport_->setEnabled(control, enabled);
}

void AnalysisView::setTransportImage(TransportControl control, TransportImage image) {
  transport_->setImage(control, image);
}

std::array<TransportButtons*, 2> AnalysisView::transports() const { return transport_->transports(); }

void AnalysisView::applyUpdateRate(double factor) {
  const int rate = hasSamples() ? document_.sampleRate() : display_.recorderRate();
  setInputBufferBytes(updateRateBufferBytes(rate, factor));
  if (take_) take_->bufferSizeChanged();
  if (playback_) playback_->blockSizeChanged();
}

void AnalysisView::attachAudio(SoundRecorder& recorder, SoundPlayer& player, TakeClientSource client) {
  // The playback controller goes first: the take asks it whether something plays.
  const auto changed = [this] { emit audioStateChanged(); };
  playback_ = std::make_unique<PlaybackController>(document_, display_, host(), player, changed);
  documents_.setBeforeClose([this] { playback_->stop(); });
  documents_.setClientCode([client] { return client ? client().code : kNoClient; });
  take_ = std::make_unique<TakeController>(documents_, display_, host(), recorder, player, ui_, std::move(client), changed);
  playback_->setRecordingQuery([this] { return take_->isRecording(); });
  display_.setRecorderRate(recorder.sampleRateHz());
  transport_->attach(*take_, *playback_, recorder, document_);
  transport_->refresh(mode(), hasSamples());
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

}  // namespace velmora
