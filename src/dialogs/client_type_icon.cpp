#include "dialogs/client_type_icon.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

namespace velmora {

QIcon clientTypeIcon(int type) {
  static const QColor colours[] = {QColor(40, 90, 200), QColor(200, 60, 120), QColor(240, 160, 20),
                                   QColor(120, 60, 180)};
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = colours[(type >= 0 && type < 4) ? type : 0];
  p.setBrush(c);
  p.setPen(c.darker(150));
  p.drawEllipse(QRectF(4.5, 1.5, 7, 7));
  p.drawRoundedRect(QRectF(2.5, 9.5, 11, 5.5), 2, 2);
  return QIcon(pixmap);
}

}  // namespace velmora
