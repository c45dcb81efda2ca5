#include "view/analysis_view.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <cmath>

#include "audio/input_buffer_bytes.h"
#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "clients/recording_names.h"
#include "core/language.h"
#include "presentation/command_ids.h"
#include "view/playback_controller.h"
#include "view/bar_settings_wiring.h"
#include "view/edit_commands.h"
#include "view/live_repaint.h"
#include "view/transport_wiring.h"
#include "view/view_renderer.h"
#include "view/volume_sliders.h"
#include "view/waveform_context_menu.h"

namespace velmora {

AnalysisView::AnalysisView(const ViewStartSettings& settings, Interaction& ui, QWidget* parent)
    : QWidget(parent), ui_(ui),
      display_(document_, *this, ui, ViewGeometry::forScreen(settings.screenWidth, settings.screenHeight)),
      documents_(document_, display_, *this, ui), pointer_(document_, display_),
      labelPrompts_(
          this, [this] { return geometry().verticalStretch(); }, [this] { return display_.language(); }),
      labelBand_(document_, display_.geometry(), ui, labelPrompts_) {
  display_.setLanguage(settings.language, settings.extraTextChar);
  labelBand_.setRepaint([this] { update(); });
  // A label being moved is put back before the labels are stored.
  documents_.setBeforeClose([this] {
    closeComparison();
    labelBand_.cancelMove();
  });
  document_.addObserver(this);
  pointer_.setQueries([this] { return isPlaying(); }, [this] { return document_.editState().canPaste(); });
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setFocusPolicy(Qt::StrongFocus);
  createBars(settings.updateRatePreference);
  volumeSliders_ = new VolumeSliders(this);
  for (QSlider* slider : {volumeSliders_->playbackSlider(), volumeSliders_->recordSlider()})
    slider->setCursor(Qt::ArrowCursor);
  liveRepaint_ = new LiveRepaint(this);
  hideBars();
}

AnalysisView::~AnalysisView() {
  // The analysis workers are stopped while everything they post to is whole; the frame
  // hears nothing of it.
  {
    const QSignalBlocker quiet(this);
    documents_.stopReading();
    display_.stopAnalyses();
  }
  comparison_.reset();
  document_.removeObserver(this);
}

void AnalysisView::createBars(int updateRatePreference) {
  spectrogramBar_ = new SpectrogramBar(updateRatePreference, this);
  powerSpectrumBar_ = new PowerSpectrumBar(updateRatePreference, this);
  for (QWidget* bar : {static_cast<QWidget*>(spectrogramBar_), static_cast<QWidget*>(powerSpectrumBar_)}) {
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, kButtonFace);
    bar->setPalette(pal);
    // The bars keep their arrow whatever the panes show (the busy cursor of an analysis).
    bar->setCursor(Qt::ArrowCursor);
  }
  wireBarSettings(spectrogramBar_, powerSpectrumBar_, display_, this,
                  [this](double factor) { applyUpdateRate(factor); });
  transport_ = new TransportWiring(spectrogramBar_, powerSpectrumBar_, this);
  wireComparisonSettings();
}

QSize AnalysisView::logicalClientSize() const {
  return QSize(width(), static_cast<int>(height() / geometry().verticalStretch()));
}

ViewScene AnalysisView::scene() const {
  ViewScene s = display_.scene();
  pointer_.decorate(s);
  if (labelBandListens() && !comparison_) {
    s.labels = &document_.labels();
    s.labelPreview = labelBand_.preview();
    s.labelTip = labelBand_.tip();
  }
  return s;
}

bool AnalysisView::labelBandListens() const {
  return !comparison_ && document_.isOpen() && isFileMode(mode()) && !isRecording() && (!isPlaying() || document_.isZoomed());
}

void AnalysisView::syncLabelLanguage() { labelBand_.setLanguage(display_.language(), display_.extraTextChar()); }

bool AnalysisView::labelBandPress(QMouseEvent* event, QPoint at) {
  if (!labelBandListens() || !labelBand_.contains(at.x(), at.y())) return false;
  syncLabelLanguage();
  if (event->button() == Qt::RightButton) {
    if (!labelBand_.moving()) return false;
    labelBand_.rightPress();
    return true;
  }
  if (event->button() != Qt::LeftButton) return false;
  if (labelBand_.press(at.x())) {
    // A marker took the view to its label's range, as Zoom would: nothing is marked there.
    pointer_.reset();
    document_.clearSelection();
    emit selectionChanged();
  }
  return true;
}

void AnalysisView::cleanTextsCommand() {
  labelBand_.cancelMove();
  documents_.labelFiles().clean();
}

void AnalysisView::importLabelsCommand() {
  labelBand_.cancelMove();
  documents_.labelFiles().importTextGrid();
}

void AnalysisView::paintInto(QPainter& p) const {
  if (comparison_) {
    paintComparison(p);
    return;
  }
  p.scale(1.0, geometry().verticalStretch());
  paintView(p, scene(), logicalClientSize());
}

QPoint AnalysisView::logicalPoint(const QPointF& devicePoint) const {
  if (comparison_) {
    const PaneMapping m = mainPaneMapping(geometry());
    return QPoint(static_cast<int>(devicePoint.x() / m.scaleX) + m.windowOriginX,
                  static_cast<int>(devicePoint.y() / m.scaleY) + m.windowOriginY);
  }
  return QPoint(static_cast<int>(devicePoint.x()), static_cast<int>(devicePoint.y() / geometry().verticalStretch()));
}

void AnalysisView::mousePressEvent(QMouseEvent* event) {
  if (comparisonTakes(event->position())) return comparisonPress(event);
  const QPoint at = logicalPoint(event->position());
  if (labelBandPress(event, at)) return;
  PointerAnswer answer;
  if (event->button() == Qt::LeftButton) answer = pointer_.press(at.x(), at.y());
  if (event->button() == Qt::RightButton) answer = pointer_.rightPress(at.x(), at.y(), isRecording());
  if (answer.openMenu) showWaveformMenu(*this, event->globalPosition().toPoint());
}

void AnalysisView::mouseMoveEvent(QMouseEvent* event) {
  if (comparisonTakes(event->position())) {
    pointer_.leave();
    comparisonMove(event);
    return;
  }
  if (comparison_) comparison_->pointer().leave();
  const QPoint at = logicalPoint(event->position());
  pointerMoved(event, at);
  applyAnalysingCursor(at);
}

void AnalysisView::pointerMoved(QMouseEvent* event, QPoint at) {
  applyPointerShape(pointer_.move(at.x(), at.y(), event->buttons() & Qt::LeftButton).shape);
  if (!labelBandListens() || !labelBand_.contains(at.x(), at.y())) {
    labelBand_.clearTip();
    return;
  }
  syncLabelLanguage();
  switch (labelBand_.hover(at.x(), at.y())) {
    case BandPointer::Empty: setCursor(Qt::IBeamCursor); break;
    case BandPointer::OverLabel: setCursor(Qt::PointingHandCursor); break;
    case BandPointer::Moving: setCursor(Qt::SizeAllCursor); break;
  }
}

void AnalysisView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (comparisonTakes(event->position())) return comparisonRelease(event);
  const QPoint at = logicalPoint(event->position());
  const PointerAnswer answer = pointer_.release(at.x(), at.y());
  emit selectionChanged();
  if (answer.openMenu) showWaveformMenu(*this, event->globalPosition().toPoint());
}

void AnalysisView::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  pointer_.leave();
  if (comparison_) comparison_->pointer().leave();
  labelBand_.clearTip();
  unsetCursor();
}

void AnalysisView::applyPointerShape(PointerShape shape) {
  switch (shape) {
    case PointerShape::IBeam: setCursor(Qt::IBeamCursor); break;
    case PointerShape::Cross: setCursor(Qt::CrossCursor); break;
    case PointerShape::Arrow: unsetCursor(); break;
  }
}

void AnalysisView::zoomCommand() {
  if (isRecording()) return;
  labelBand_.cancelMove();
  pointer_.zoom();
  emit selectionChanged();
}

void AnalysisView::editCommand(int commandId) {
  if (isRecording() || !document_.isOpen()) return;
  labelBand_.cancelMove();
  if (commandId == cmd::SelectAll) {
    pointer_.selectAll();
  } else {
    // The player reads the samples in place: it stops before they move.
    if (playback_ && commandId != cmd::Copy) playback_->stop();
    if (runEditCommand(commandId, document_, ui_)) display_.samplesEdited();
  }
  update();
  emit selectionChanged();
}

void AnalysisView::documentChanged(const RecordingDocument&, unsigned changes) {
  if (changes & ChangeSamples) {
    pointer_.reset();
    labelBand_.reset();
  }
  if (changes & ChangeLabels) update();
  // Opening computes its own analyses; a zoom alone needs those of the new range.
  if ((changes & ChangeZoom) && !(changes & ChangeSamples)) display_.visibleRangeChanged();
  if (changes & ChangeSelection) update();
}

void AnalysisView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const ViewScene s = scene();
  if (!comparison_ && !isFileMode(s.mode) && s.mode != ModeEmpty &&
      (event->region() - liveArea(s)).isEmpty()) {
    paintLiveRegion(p, s, event->region());
    return;
  }
  // Anything else may have changed a setting, a text or the layout. What the take had asked
  // to repaint is drawn now as well (playback moves its cursor with a full repaint).
  staticLayersValid_ = false;
  liveRepaint_->discard();
  display_.viewRepainted();
  // The view paints every pixel itself, so Qt need not fill the background of every live
  // repaint first: the background of a full paint.
  p.fillRect(event->rect(), Qt::white);
  paintInto(p);
}

void AnalysisView::paintLiveRegion(QPainter& p, const ViewScene& scene, const QRegion& region) {
  if (!staticLayersValid_ || staticLayers_.size() != size()) {
    staticLayers_ = QImage(size(), QImage::Format_RGB32);
    staticLayers_.fill(Qt::white);
    QPainter sp(&staticLayers_);
    sp.scale(1.0, geometry().verticalStretch());
    paintStaticLayers(sp, scene, logicalClientSize());
    staticLayersValid_ = true;
  }
  const double stretch = geometry().verticalStretch();
  // Where the live layers paint every pixel anyway (the waveform pane, the power spectrum's
  // pane, the take's duration), copying the kept picture first was a fifth of a repaint's
  // time.
  QRegion uncovered = region;
  for (const QRect& opaque : liveOpaqueArea(scene))
    uncovered -= wholeDeviceRows(ViewRect{opaque.left(), opaque.top(), opaque.width(), opaque.height()});
  ViewScene part = scene;
  for (const QRect& r : region) {
    p.save();
    p.setClipRect(r);
    for (const QRect& u : uncovered & r) p.drawImage(u, staticLayers_, u);
    p.scale(1.0, stretch);
    const int top = static_cast<int>(std::floor(r.top() / stretch)) - 1;
    const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) / stretch)) + 1;
    part.liveDirty = QRect(r.left(), top, r.width(), bottom - top);
    paintLiveLayers(p, part);
    p.restore();
  }
}

QRect AnalysisView::wholeDeviceRows(const ViewRect& area) const {
  // Only the device rows the stretch puts wholly inside.
  const double stretch = geometry().verticalStretch();
  const int top = static_cast<int>(std::ceil(area.top * stretch));
  const int bottom = static_cast<int>(std::floor((area.top + area.height) * stretch));
  return QRect(area.left, top, area.width, std::max(bottom - top, 0));
}

QRect AnalysisView::deviceRect(const ViewRect& area) const {
  // A row more above and below: the stretch puts logical rows across device rows.
  const double stretch = geometry().verticalStretch();
  const int top = static_cast<int>(std::floor(area.top * stretch)) - 1;
  const int bottom = static_cast<int>(std::ceil((area.top + area.height) * stretch)) + 1;
  return QRect(area.left, top, area.width, bottom - top);
}

QRegion AnalysisView::liveArea(const ViewScene& scene) const {
  const ViewGeometry& g = geometry();
  QRegion area(deviceRect(ViewRect{g.graphLeft, g.spectralTop, g.graphWidth + 3, g.spectralHeight + 1}));
  area += deviceRect(ViewRect{g.graphLeft, g.waveTop, g.graphWidth + 3, g.waveHeight + 1});
  // The header's duration while a take runs.
  const QRect duration = takeDurationArea(scene);
  area += deviceRect(ViewRect{duration.left(), duration.top(), duration.width(), duration.height()});
  return area;
}

void AnalysisView::requestLiveRepaint(const ViewRect& area) {
  liveRepaint_->add(area.filled ? wholeDeviceRows(area) : deviceRect(area));
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
  const int barHeight = 45 + (geometry().largeLayout ? 5 : 0) + (display_.language() == Korean ? 6 : 0);
  spectrogramBar_->setGeometry(0, 0, width(), barHeight);
  powerSpectrumBar_->setGeometry(0, 0, width(), barHeight);
  volumeSliders_->place(geometry(), geometry().verticalStretch());
}

void AnalysisView::hideBars() {
  spectrogramBar_->hide();
  powerSpectrumBar_->hide();
}

void AnalysisView::setControlsEnabled(bool on) {
  volumeSliders_->setEnabled(on);
  spectrogramBar_->setEnabled(on);
  powerSpectrumBar_->setEnabled(on);
}

void AnalysisView::clearSelection() {
  pointer_.reset();
  document_.clearSelection();
  emit selectionChanged();
  update();
}

void AnalysisView::modeChanged() {
  const int mode = display_.mode();
  volumeSliders_->setVisible(mode != ModeEmpty && !comparison_);
  if (comparison_ && isFileMode(mode)) comparison_->display().copySettingsFrom(display_);
  if (mode == ModeEmpty) {
    hideBars();
  } else {
    const bool power = isPowerSpectrumMode(mode);
    spectrogramBar_->setVisible(!power);
    powerSpectrumBar_->setVisible(power);
  }
  transport_->refresh(mode, hasSamples());
  if (take_) take_->displayModeChanged();
}

void AnalysisView::beginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void AnalysisView::endBusy() { QApplication::restoreOverrideCursor(); }

void AnalysisView::showAnalysing(bool running) {
  if (running == analysing_) return;
  analysing_ = running;
  if (running)
    applyAnalysingCursor(logicalPoint(mapFromGlobal(QCursor::pos())));
  else if (cursor().shape() == Qt::BusyCursor)
    unsetCursor();  // the next move over the panes sets the pointer's own shape
}

void AnalysisView::applyAnalysingCursor(QPoint at) {
  if (!analysing_) return;
  const ViewGeometry& g = geometry();
  const bool overPanes = at.x() >= g.graphLeft && at.x() <= g.graphLeft + g.graphWidth && at.y() >= g.spectralTop &&
                         at.y() <= g.waveBottom();
  if (overPanes)
    setCursor(Qt::BusyCursor);
  else if (cursor().shape() == Qt::BusyCursor)
    unsetCursor();
}

void AnalysisView::postToUiThread(std::function<void()> f) {
  QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

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
  player_ = &player;
  documents_.setBeforeClose([this] {
    closeComparison();
    // Whatever drops the recording (another recording or client, exit) first stores a
    // running take as its Stop button would.
    if (take_ && take_->isRecording()) take_->toggleRecord(false);
    labelBand_.cancelMove();
    playback_->stop();
  });
  documents_.setClientCode([client] { return client ? client().code : kNoClient; });
  documents_.setSaveClient([client] {
    const TakeClient c = client ? client() : TakeClient{};
    return SaveClient{c.code, c.workingFolder};
  });
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
  if (comparison_ && comparison_->isPlaying()) comparison_->stopPlaying();
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
