#include "presentation/waveform_selection.h"

#include <algorithm>
#include <cstdlib>

namespace velmora {

WaveformSelection::WaveformSelection(RecordingDocument& document, const ViewGeometry& geometry)
    : document_(document), geometry_(geometry) {}

bool WaveformSelection::inWaveformPane(int x, int y) const {
  const ViewGeometry& g = geometry_;
  return x >= g.graphLeft && x <= g.graphLeft + g.graphWidth && y >= g.waveTop && y <= g.waveBottom();
}

int WaveformSelection::clampX(int x, int liveLimitX) const {
  const ViewGeometry& g = geometry_;
  int limited = std::clamp(x, g.graphLeft, g.graphLeft + g.graphWidth);
  if (liveLimitX >= 0) limited = std::min(limited, liveLimitX);
  return limited;
}

SampleRange WaveformSelection::samplesOf(int a, int b) const {
  const ViewGeometry& g = geometry_;
  if (g.graphWidth <= 0) return {};
  const double perColumn = static_cast<double>(document_.sampleCount()) / g.graphWidth;
  const auto start = static_cast<int32_t>((std::min(a, b) - g.graphLeft) * perColumn);
  const auto length = static_cast<int32_t>(std::abs(b - a) * perColumn);
  return {start, start + length};
}

void WaveformSelection::publish() {
  const SampleRange r = samplesOf(startX_, endX_);
  document_.select(r.start, r.end);
}

PointerAction WaveformSelection::press(int x, int y, int liveLimitX) {
  if (!document_.isOpen()) return PointerAction::None;
  if (document_.isZoomed()) return inWaveformPane(x, y) ? PointerAction::OpenMenu : PointerAction::None;
  if (!inWaveformPane(x, y) || (liveLimitX >= 0 && x > liveLimitX)) {
    dragging_ = false;
    return PointerAction::None;
  }
  hasSelection_ = false;
  document_.clearSelection();
  dragging_ = true;
  startX_ = endX_ = x;
  startY_ = endY_ = y;
  return PointerAction::None;
}

void WaveformSelection::move(int x, int y, int liveLimitX) {
  if (!dragging_) return;
  endX_ = clampX(x, liveLimitX);
  endY_ = y;
  hasSelection_ = true;
  publish();
}

PointerAction WaveformSelection::release(int x, int y, bool clipHeld, int liveLimitX) {
  const int limited = clampX(x, liveLimitX);
  if (dragging_) {
    dragging_ = false;
    if (hasSelection_ || limited == endX_) {
      endX_ = limited;
      endY_ = y;
      if (startX_ != endX_) {
        hasSelection_ = true;
        publish();
        return PointerAction::OpenMenu;
      }
      // An empty stretch: nothing marked, but with samples to paste the click is the place.
      hasSelection_ = false;
      publish();
      return clipHeld ? PointerAction::OpenMenu : PointerAction::None;
    }
  }
  if (!inWaveformPane(x, y) || !clipHeld) return PointerAction::None;
  startX_ = endX_ = limited;
  publish();
  return PointerAction::OpenMenu;
}

bool WaveformSelection::zoom() {
  if (document_.isZoomed()) {
    document_.showAll();
    endX_ = 0;
    hasSelection_ = false;
    return true;
  }
  if (!hasSelection_ || startX_ == endX_) return false;
  const SampleRange range = samplesOf(startX_, endX_);
  // The zoomed view shows the stretch itself; nothing is marked inside it.
  hasSelection_ = false;
  document_.clearSelection();
  return document_.zoomTo(range);
}

bool WaveformSelection::spansPane() const {
  return hasSelection_ && std::min(startX_, endX_) <= geometry_.graphLeft &&
         std::max(startX_, endX_) >= geometry_.graphLeft + geometry_.graphWidth;
}

void WaveformSelection::selectAll() {
  if (!document_.isOpen()) return;
  startX_ = geometry_.graphLeft;
  endX_ = geometry_.graphLeft + geometry_.graphWidth;
  startY_ = geometry_.waveTop;
  endY_ = geometry_.waveBottom();
  dragging_ = false;
  hasSelection_ = true;
  document_.selectAll();
}

void WaveformSelection::reset() {
  startX_ = endX_ = startY_ = endY_ = 0;
  dragging_ = false;
  hasSelection_ = false;
}

}  // namespace velmora
