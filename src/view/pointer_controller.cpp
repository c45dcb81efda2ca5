#include "view/pointer_controller.h"

#include <algorithm>

namespace velmora {

PointerController::PointerController(RecordingDocument& document, ViewDisplay& display)
    : document_(document), display_(display), selection_(document, display.geometry()) {}

void PointerController::setQueries(std::function<bool()> playing, std::function<bool()> clipHeld) {
  playing_ = std::move(playing);
  clipHeld_ = std::move(clipHeld);
}

PointerAnswer PointerController::press(int x, int y) {
  // While playing, a press neither starts a drag nor opens a menu.
  if (!document_.isOpen() || playing()) return {};
  PointerAnswer a;
  a.openMenu = selection_.press(x, y) == PointerAction::OpenMenu;
  display_.requestRepaint();
  return a;
}

PointerAnswer PointerController::move(int x, int y, bool leftHeld) {
  PointerAnswer a;
  if (display_.mode() == ModeEmpty) return a;
  if (selection_.dragging() && leftHeld) {
    selection_.move(x, y);
    display_.requestRepaint();
  }
  if (document_.isOpen() && !document_.isZoomed() && selection_.inWaveformPane(x, y)) a.shape = PointerShape::IBeam;
  if (isFileMode(display_.mode()) && !playing()) {
    updateReadout(x, y);
    if (readout_) a.shape = PointerShape::Cross;
  } else if (readout_) {
    leave();
  }
  return a;
}

PointerAnswer PointerController::release(int x, int y) {
  if (!document_.isOpen()) return {};
  const bool wasDragging = selection_.dragging();
  PointerAnswer a;
  a.openMenu = selection_.release(x, y, clipHeld_ && clipHeld_()) == PointerAction::OpenMenu;
  if (wasDragging) display_.requestRepaint();
  return a;
}

PointerAnswer PointerController::rightPress(int x, int y, bool takeRunning) const {
  PointerAnswer a;
  a.openMenu = (document_.isOpen() || takeRunning) && selection_.inWaveformPane(x, y);
  return a;
}

void PointerController::leave() {
  if (!readout_) return;
  readout_.reset();
  display_.requestRepaint();
}

bool PointerController::zoom() {
  readout_.reset();
  return selection_.zoom();
}

void PointerController::selectAll() {
  readout_.reset();
  selection_.selectAll();
}

void PointerController::reset() {
  selection_.reset();
  readout_.reset();
}

void PointerController::updateReadout(int x, int y) {
  const ViewGeometry& g = display_.geometry();
  std::optional<PointerReadout> next;
  if (display_.mode() == ModeSpectrogram) {
    SpectrogramPointer p;
    p.topHz = display_.results().spectrogram().topFrequencyHz();
    p.visible = document_.visibleRange();
    p.sampleRate = document_.sampleRate();
    p.showF0 = display_.showsF0();
    p.f0Min = display_.f0Min();
    p.f0Max = display_.f0Max();
    next = spectrogramReadout(g, x, y, p);
  } else if (display_.mode() == ModePowerSpectrum) {
    next = powerSpectrumReadout(g, x, y, display_.results().power().topFrequencyHz());
  }
  const bool changed = next.has_value() != readout_.has_value() || (next && readout_ && next->text != readout_->text);
  readout_ = std::move(next);
  if (changed) display_.requestRepaint();
}

void PointerController::decorate(ViewScene& scene) const {
  if (selection_.hasSelection() && !document_.isZoomed()) {
    scene.selectionX0 = std::min(selection_.startX(), selection_.endX());
    scene.selectionX1 = std::max(selection_.startX(), selection_.endX());
  }
  scene.readout = readout_;
}

}  // namespace velmora
