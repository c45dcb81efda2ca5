#include "view/live_repaint.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace velmora {

LiveRepaint::LiveRepaint(QWidget* widget) : QObject(widget), widget_(widget) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &LiveRepaint::flush);
}

void LiveRepaint::add(const QRect& area) {
  if (area.isEmpty()) return;
  pending_ += area;
  if (timer_.isActive()) return;
  // One frame of the screen the widget is on (60 Hz when it does not say), never shorter.
  const QScreen* screen = widget_->screen();
  const double hz = screen && screen->refreshRate() > 1.0 ? screen->refreshRate() : 60.0;
  timer_.start(std::max(16, static_cast<int>(std::ceil(1000.0 / std::min(hz, 60.0)))));
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
