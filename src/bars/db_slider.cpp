#include "bars/db_slider.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/text_format.h"
#include "presentation/bar_choices.h"

namespace velmora {

DbSlider::DbSlider(QWidget* parent) : QWidget(parent), value_(kDefaultDbValue) {
  setMinimumSize(sizeHint());
  setCursor(Qt::PointingHandCursor);
}

QSize DbSlider::sizeHint() const { return QSize(kTrackLeft + kDbTrackWidth + 60, 30); }

void DbSlider::setValue(int db) {
  value_ = dbValueAt(dbMarkerX(db, kTrackLeft), kTrackLeft);
  update();
}

int DbSlider::markerX() const { return dragX_ >= 0 ? dragX_ : dbMarkerX(value_, kTrackLeft); }

void DbSlider::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int y = 14;
  const QColor darkBlue(0, 0, 128);
  p.setPen(QPen(darkBlue, 1));
  p.drawLine(kTrackLeft, y, kTrackLeft + kDbTrackWidth, y);
  p.drawLine(kTrackLeft, y - 4, kTrackLeft, y + 4);
  p.drawLine(kTrackLeft + kDbTrackWidth, y - 4, kTrackLeft + kDbTrackWidth, y + 4);
  const int x = markerX() + 4;  // marker centre
  p.setBrush(darkBlue);
  p.drawPolygon(QPolygon({QPoint(x - 4, y - 8), QPoint(x + 4, y - 8), QPoint(x, y)}));
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(12);
  p.setFont(f);
  p.setPen(Qt::black);
  const int shown = dragX_ >= 0 ? dbValueAt(dragX_, kTrackLeft) : value_;
  p.drawText(QRect(kTrackLeft + kDbTrackWidth + 6, 0, 56, height()), Qt::AlignVCenter | Qt::AlignLeft,
             QString::fromStdString(formatv("%02d dB", shown)));
}

void DbSlider::mousePressEvent(QMouseEvent* event) {
  const int x = static_cast<int>(event->position().x());
  if (std::abs(x - (markerX() + 4)) <= 8) dragX_ = markerX();
}

void DbSlider::mouseMoveEvent(QMouseEvent* event) {
  if (dragX_ < 0) return;
  dragX_ = std::clamp(static_cast<int>(event->position().x()) - 4, kTrackLeft - 4, kTrackLeft + kDbTrackWidth - 4);
  update();
}

void DbSlider::mouseReleaseEvent(QMouseEvent*) {
  if (dragX_ < 0) return;
  value_ = dbValueAt(dragX_, kTrackLeft);
  dragX_ = -1;
  update();
  emit valueReleased(value_);
}

}  // namespace velmora
