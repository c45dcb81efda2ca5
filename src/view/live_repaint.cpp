#include "view/live_repaint.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace velmora {

namespace {
constexpr int kShortestMs = 33;
}  // namespace

LiveRepaint::LiveRepaint(QWidget* widget) : QObject(widget), widget_(widget) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &LiveRepaint::flush);
}

void LiveRepaint::add(const QRect& area) {
  if (area.isEmpty()) return;
  pending_ += area;
  if (timer_.isActive()) return;
  // At most 30 repaints a second, fewer on a slower screen (60 Hz when it does not say). A
  // take's picture moves a pixel or two between two of them, which looks no smoother at 60,
  // and each repaint costs about the same whatever it shows.
  const QScreen* screen = widget_->screen();
  const double hz = screen && screen->refreshRate() > 1.0 ? screen->refreshRate() : 60.0;
  timer_.start(std::max(kShortestMs, static_cast<int>(std::ceil(1000.0 / hz))));
}

void LiveRepaint::flush() {
  timer_.stop();
  if (pending_.isEmpty()) return;
  widget_->update(pending_);
  pending_ = QRegion();
  ++repaints_;
}

void LiveRepaint::discard() {
  timer_.stop();
  pending_ = QRegion();
}

}  // namespace velmora
