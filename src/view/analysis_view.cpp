#include "view/analysis_view.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include "audio/input_buffer_bytes.h"
#include "audio/recording_opener.h"
#include "bars/bar_choices.h"
#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "core/string_table.h"
#include "core/text_format.h"
#include "view/playback_controller.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
// Shows the wait cursor for the lifetime of the object.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};
}  // namespace

AnalysisView::AnalysisView(const ViewStartSettings& settings, Interaction& ui, QWidget* parent)
    : QWidget(parent), ui_(ui) {
  scene_.geometry = ViewGeometry::forScreen(settings.screenWidth, settings.screenHeight);
  scene_.language = settings.language;
  scene_.extraTextChar = settings.extraTextChar;
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
  results_.spectrogram().setBandwidth(static_cast<float>(spectrogramBar_->selectedBandHz()));
  results_.spectrogram().setLevels(spectrogramBar_->dbSlider()->value());
  results_.power().setFftSize(powerSpectrumBar_->selectedFftSize());
}

void AnalysisView::connectBars() {
  SpectrogramBar* s = spectrogramBar_;
  connect(s, &SpectrogramBar::bandChanged, this, &AnalysisView::setBand);
  connect(s, &SpectrogramBar::limitChanged, this, &AnalysisView::setSpectrogramLimit);
  connect(s, &SpectrogramBar::f0Toggled, this, &AnalysisView::setShowF0);
  connect(s, &SpectrogramBar::formantsToggled, this, &AnalysisView::setShowFormants);
  connect(s, &SpectrogramBar::spectrogramToggled, this, &AnalysisView::setShowSpectrogram);
  connect(s, &SpectrogramBar::schemeChosen, this, &AnalysisView::setScheme);
  connect(s, &SpectrogramBar::levelsChanged, this, &AnalysisView::setLevels);
  connect(s, &SpectrogramBar::focusBackToView, this, [this] { setFocus(); });
  connect(s, &SpectrogramBar::updateRateChanged, this,
          [this](int index) { applyUpdateRate(spectrogramUpdateRateFactors().at(static_cast<size_t>(index))); });
  PowerSpectrumBar* p = powerSpectrumBar_;
  connect(p, &PowerSpectrumBar::limitChanged, this, &AnalysisView::setPowerLimit);
  connect(p, &PowerSpectrumBar::fftSizeChanged, this, &AnalysisView::setFftSize);
  connect(p, &PowerSpectrumBar::ltasToggled, this, &AnalysisView::setLtas);
  connect(p, &PowerSpectrumBar::lineModeChanged, this, &AnalysisView::setLineMode);
  connect(p, &PowerSpectrumBar::colourChosen, this, &AnalysisView::setCurveColour);
  connect(p, &PowerSpectrumBar::focusBackToView, this, [this] { setFocus(); });
  connect(p, &PowerSpectrumBar::updateRateChanged, this,
          [this](int index) { applyUpdateRate(powerSpectrumUpdateRateFactors().at(static_cast<size_t>(index))); });
}

QSize AnalysisView::logicalClientSize() const {
  return QSize(width(), static_cast<int>(height() / scene_.geometry.verticalStretch()));
}

ViewScene AnalysisView::scene() const {
  ViewScene s = scene_;
  s.mode = mode_;
  s.buffer = &buffer_;
  s.scheme = results_.spectrogram().scheme();
  s.spectrogramTopHz = results_.spectrogram().topFrequencyHz();
  s.powerTopHz = results_.power().topFrequencyHz();
  s.f0Values = results_.f0Values();
  s.formants = results_.formants();
  if (isFileMode(mode_)) {
    s.spectrogram = results_.spectrogramImage();
    s.power = results_.powerSpectrum();
  } else {
    s.spectrogram = results_.liveSpectrogramImage();
    s.power = results_.power().hasData() ? &results_.power() : nullptr;
    s.liveSignal = liveSignal_.empty() ? nullptr : &liveSignal_;
  }
  return s;
}

void AnalysisView::paintInto(QPainter& p) const {
  p.scale(1.0, scene_.geometry.verticalStretch());
  paintView(p, scene(), logicalClientSize());
  paintAudioOverlay(p);
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
  const int barHeight = 45 + (scene_.geometry.largeLayout ? 5 : 0) + (scene_.language == 2 ? 6 : 0);
  spectrogramBar_->setGeometry(0, 0, width(), barHeight);
  powerSpectrumBar_->setGeometry(0, 0, width(), barHeight);
}

void AnalysisView::hideBars() {
  spectrogramBar_->hide();
  powerSpectrumBar_->hide();
}

void AnalysisView::showBarOfMode() {
  if (mode_ == ModeEmpty) {
    hideBars();
    return;
  }
  const bool power = isPowerSpectrumMode(mode_);
  spectrogramBar_->setVisible(!power);
  powerSpectrumBar_->setVisible(power);
}

void AnalysisView::applyRateToBars(int rate) {
  results_.setSampleRate(rate);
  const int limit = spectrogramBar_->setRate(rate);
  if (limit > 0) results_.spectrogram().setLimit(static_cast<float>(limit));
  const int powerLimit = powerSpectrumBar_->setRate(rate);
  if (powerLimit > 0) results_.power().setLimit(static_cast<float>(powerLimit));
}

bool AnalysisView::openRecordingByPath(const std::filesystem::path& path) {
  closeRecording();
  emit titleRequested(QString::fromStdString(formatv(velmora::tr(165), path.filename().string())));
  bool opened = false;
  {
    BusyCursor busy;
    opened = velmora::openRecordingByPath(buffer_, path, ui_);
  }
  if (!opened) {
    closeRecording();
    emit titleResetRequested();
    return false;
  }
  finishOpening();
  return true;
}

bool AnalysisView::openNumberedRecording(const std::filesystem::path& path, int number, const std::string& clientName) {
  closeRecording();
  bool opened = false;
  {
    BusyCursor busy;
    opened = velmora::openNumberedRecording(buffer_, path, number, ui_);
  }
  if (!opened) return false;
  emit titleRequested(QString::fromStdString(formatv(velmora::tr(164), clientName, number)));
  finishOpening();
  return true;
}

void AnalysisView::finishOpening() {
  results_.samplesChanged();
  mode_ = modeAfterOpening(mode_);
  applyRateToBars(static_cast<int>(buffer_.sampleRate()));
  showBarOfMode();
  computeWhatIsShown();
  update();
  refreshTransport();
  emit recordingChanged();
}

void AnalysisView::closeRecording() {
  // The player reads the samples in place.
  if (playback_) playback_->stop();
  const bool hadSamples = buffer_.isOpen();
  buffer_.clear();
  buffer_.path.clear();
  buffer_.recordingNumber = kNoRecordingNumber;
  buffer_.modified = false;
  buffer_.visibleStart = buffer_.visibleEnd = 0;
  selectionStart_ = selectionEnd_ = 0;
  playCursor_ = -1;
  results_.samplesChanged();
  if (hadSamples) {
    emit titleResetRequested();
    emit recordingChanged();
  }
  refreshTransport();
  update();
}

void AnalysisView::setEmptyMode() {
  mode_ = ModeEmpty;
  hideBars();
  refreshTransport();
  update();
}

void AnalysisView::spectrogramCommand() { switchMode(modeForSpectrogramCommand(mode_, hasSamples())); }

void AnalysisView::powerSpectrumCommand() { switchMode(modeForPowerSpectrumCommand(mode_, hasSamples())); }

void AnalysisView::switchMode(std::optional<DisplayMode> next) {
  if (!next) return;
  mode_ = *next;
  showBarOfMode();
  computeWhatIsShown();
  refreshTransport();
  update();
}

void AnalysisView::computeWhatIsShown() {
  if (!hasSamples() || !isFileMode(mode_)) return;
  BusyCursor busy;
  const auto status = [this](const std::string& text) { emit statusTextRequested(QString::fromStdString(text)); };
  const ViewGeometry& g = scene_.geometry;
  if (mode_ == ModeSpectrogram) {
    results_.computeSpectrogram(buffer_, g.graphWidth, g.spectralHeight);
    if (scene_.showF0) results_.computeF0(buffer_, status);
    if (scene_.showFormants) {
      const std::string error = results_.computeFormants(buffer_, status);
      if (!error.empty()) ui_.showMessage(Message{0, error, {}, MessageIcon::Error});
    }
  } else {
    results_.computePower(buffer_);
  }
}

void AnalysisView::settingsChanged() {
  computeWhatIsShown();
  update();
}

void AnalysisView::applyUpdateRate(double factor) {
  const int rate = hasSamples() ? static_cast<int>(buffer_.sampleRate()) : scene_.recorderRate;
  setInputBufferBytes(updateRateBufferBytes(rate, factor));
  if (take_) take_->bufferSizeChanged();
  if (playback_) playback_->blockSizeChanged();
}

void AnalysisView::setLiveSignal(std::vector<float> values) {
  liveSignal_ = std::move(values);
  update();
}

void AnalysisView::setRecorderRate(int rateHz) {
  scene_.recorderRate = rateHz;
  update();
}

void AnalysisView::setF0Range(int minHz, int maxHz) {
  scene_.f0Min = minHz;
  scene_.f0Max = maxHz;
  update();
}

void AnalysisView::setLanguage(int language, int extraTextChar) {
  scene_.language = language;
  scene_.extraTextChar = extraTextChar;
  update();
}

void AnalysisView::setShowF0(bool on) {
  scene_.showF0 = on;
  settingsChanged();
}

void AnalysisView::setShowFormants(bool on) {
  scene_.showFormants = on;
  settingsChanged();
}

void AnalysisView::setShowSpectrogram(bool on) {
  scene_.showSpectrogram = on;
  settingsChanged();
}

void AnalysisView::setBand(int hz) {
  results_.spectrogram().setBandwidth(static_cast<float>(hz));
  results_.spectrogramAnalysisChanged();
  settingsChanged();
}

void AnalysisView::setSpectrogramLimit(int hz) {
  results_.spectrogram().setLimit(static_cast<float>(hz));
  results_.spectrogramAnalysisChanged();
  settingsChanged();
}

void AnalysisView::setScheme(int scheme) {
  results_.spectrogram().setScheme(scheme);  // recolours the kept picture
  update();
}

void AnalysisView::setLevels(int db) {
  results_.spectrogram().setLevels(db);
  update();
}

void AnalysisView::setPowerLimit(int hz) {
  results_.power().setLimit(static_cast<float>(hz));
  update();
}

void AnalysisView::setFftSize(int points) {
  if (!results_.power().setFftSize(points)) return;
  results_.powerAnalysisChanged();
  settingsChanged();
}

void AnalysisView::setLtas(bool on) {
  results_.power().setShowAverage(on);
  update();
}

void AnalysisView::setLineMode(bool line) {
  results_.power().setStyle(line ? PowerSpectrumStyle::Line : PowerSpectrumStyle::Solid);
  update();
}

void AnalysisView::setCurveColour(const QColor& colour) {
  results_.power().setColour(Rgb{static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                                 static_cast<uint8_t>(colour.blue())});
  update();
}

}  // namespace velmora
