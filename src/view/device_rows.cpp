#include "view/device_rows.h"

#include <QImage>
#include <QTransform>

namespace velmora {

DevicePlacement devicePlacementOf(const QPainter& p) {
  DevicePlacement d;
  const QTransform t = p.worldTransform();
  d.plain = !p.viewTransformEnabled() && t.type() <= QTransform::TxScale && t.m11() == 1.0 && t.m22() > 0.0 &&
            t.dx() == std::round(t.dx());
  if (!d.plain) return d;
  d.shift = QPoint(static_cast<int>(t.dx()), 0);
  d.rows = DeviceRows{t.m22(), t.dy()};
  d.device = d.rows.scale != 1.0 || d.rows.offset != 0.0 || d.shift != QPoint();
  return d;
}

void drawAtDeviceRows(QPainter& p, const DevicePlacement& placement, int left, int deviceTop, const QImage& image) {
  if (!placement.device) {
    p.drawImage(QPoint(left, deviceTop), image);
    return;
  }
  p.save();
  p.setWorldTransform(QTransform());
  p.drawImage(QPoint(left + placement.shift.x(), deviceTop), image);
  p.restore();
}

}  // namespace velmora
