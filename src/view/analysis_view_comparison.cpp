// The analysis view's side of a comparison: opening and closing it, drawing both pane sets
// and keeping the comparison in step with the bars.
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "view/analysis_view.h"
#include "view/playback_controller.h"
#include "view/view_renderer.h"
#include "view/volume_sliders.h"

namespace velmora {

bool AnalysisView::compareWith(const std::filesystem::path& path, ComparedKind kind, int clientNumber) {
  if (!document_.isOpen() || isRecording()) return false;
  if (playback_) playback_->stop();
  if (!comparison_) {
    comparison_ = std::make_unique<ComparisonPane>(geometry(), ui_, host(), this);
    // One player for both: while either plays a press marks nothing and no box shows.
    // Nothing is pasted into the comparison.
    comparison_->pointer().setQueries([this] { return isPlaying() || (comparison_ && comparison_->isPlaying()); },
                                      [] { return false; });
    if (player_) comparison_->attachPlayer(*player_, [this] { if (playback_) playback_->stop(); });
    pointer_.reset();
    volumeSliders_->setVisible(false);
  }
  comparison_->display().copySettingsFrom(display_);
  if (!comparison_->open(path, kind, clientNumber)) {
    closeComparison();
    return false;
  }
  display_.setComparisonLayout(true);
  update();
  emit recordingChanged();
  return true;
}

void AnalysisView::closeComparison() {
  if (!comparison_) return;
  comparison_.reset();
  display_.setComparisonLayout(false);
  pointer_.reset();
  volumeSliders_->setVisible(mode() != ModeEmpty);
  update();
  emit recordingChanged();
}

bool AnalysisView::comparisonTakes(const QPointF& devicePoint) const {
  if (!comparison_) return false;
  // A drag stays with the pane set it began in, wherever the pointer goes.
  if (comparison_->pointer().selection().dragging()) return true;
  return !pointer_.selection().dragging() && devicePoint.x() > comparisonSplitX(geometry());
}

QPoint AnalysisView::comparisonPoint(const QPointF& devicePoint) const {
  const PaneMapping m = comparisonPaneMapping(geometry());
  return QPoint(static_cast<int>(devicePoint.x() / m.scaleX) + m.windowOriginX,
                static_cast<int>(devicePoint.y() / m.scaleY) + m.windowOriginY);
}

// The comparison's half: marking in its waveform pane and its value box. It opens no
// context menu: the menu's commands (edits, zoom) act on the main recording.
void AnalysisView::comparisonPress(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = comparisonPoint(event->position());
  comparison_->pointer().press(at.x(), at.y());
}

void AnalysisView::comparisonMove(QMouseEvent* event) {
  const QPoint at = comparisonPoint(event->position());
  applyPointerShape(comparison_->pointer().move(at.x(), at.y(), event->buttons() & Qt::LeftButton).shape);
}

void AnalysisView::comparisonRelease(QMouseEvent* event) {
  const QPoint at = comparisonPoint(event->position());
  comparison_->pointer().release(at.x(), at.y());
}

// Each pane set through its own mapping: scaled down and moved, the comparison's to the right.
// The spectral frame's corner is put on a whole device pixel: a one-pixel line that fell on
// a half pixel would vanish under the white strip drawn beside it. The value box is drawn
// at full size beside the pointer: scaled down with the panes its figures would be unreadable.
void AnalysisView::paintComparison(QPainter& p) const {
  const QSize client = logicalClientSize();
  const ViewGeometry& g = geometry();
  const auto paintPane = [&](const PaneMapping& m, ViewScene scene) {
    const std::optional<PointerReadout> readout = std::move(scene.readout);
    scene.readout.reset();
    const double x = (g.graphLeft - m.windowOriginX) * m.scaleX;
    const double y = (g.spectralTop - 1 - m.windowOriginY) * m.scaleY;
    const double nudgeX = std::round(x) - x;
    const double nudgeY = std::round(y) - y;
    p.save();
    p.translate(nudgeX, nudgeY);
    p.scale(m.scaleX, m.scaleY);
    p.translate(-m.windowOriginX, -m.windowOriginY);
    paintView(p, scene, client);
    p.restore();
    if (!readout) return;
    const double pointerX = (readout->pointerX - m.windowOriginX) * m.scaleX + nudgeX;
    const double pointerY = (readout->pointerY - m.windowOriginY) * m.scaleY + nudgeY;
    p.save();
    p.translate(std::round(pointerX) - readout->pointerX, std::round(pointerY) - readout->pointerY);
    scene.readout = readout;
    paintReadout(p, scene);
    p.restore();
  };
  paintPane(mainPaneMapping(geometry()), scene());
  paintPane(comparisonPaneMapping(geometry()), comparison_->scene());
}

void AnalysisView::wireComparisonSettings() {
  // The bars' display settings reach the comparison too; its limit is the Compare window's.
  const auto each = [this](auto apply) {
    return [this, apply](auto value) {
      if (comparison_) apply(comparison_->display(), value);
    };
  };
  SpectrogramBar* s = spectrogramBar_;
  PowerSpectrumBar* ps = powerSpectrumBar_;
  connect(s, &SpectrogramBar::bandChanged, this, each([](ViewDisplay& d, int hz) { d.setBand(hz); }));
  connect(s, &SpectrogramBar::f0Toggled, this, each([](ViewDisplay& d, bool on) { d.setShowF0(on); }));
  connect(s, &SpectrogramBar::formantsToggled, this, each([](ViewDisplay& d, bool on) { d.setShowFormants(on); }));
  connect(s, &SpectrogramBar::spectrogramToggled, this,
          each([](ViewDisplay& d, bool on) { d.setShowSpectrogram(on); }));
  connect(s, &SpectrogramBar::schemeChosen, this, each([](ViewDisplay& d, int scheme) { d.setScheme(scheme); }));
  connect(s, &SpectrogramBar::levelsChanged, this, each([](ViewDisplay& d, int db) { d.setLevels(db); }));
  connect(ps, &PowerSpectrumBar::fftSizeChanged, this, each([](ViewDisplay& d, int n) { d.setFftSize(n); }));
  connect(ps, &PowerSpectrumBar::ltasToggled, this, each([](ViewDisplay& d, bool on) { d.setLtas(on); }));
  connect(ps, &PowerSpectrumBar::lineModeChanged, this, each([](ViewDisplay& d, bool line) { d.setLineMode(line); }));
  connect(ps, &PowerSpectrumBar::colourChosen, this, each([](ViewDisplay& d, const QColor& c) {
    d.setCurveColour(Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())});
  }));
}

}  // namespace velmora
