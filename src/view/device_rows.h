#pragma once
// The painter's own rows for the view's rows. Pictures that change at every live repaint
// are kept at device resolution and copied, not resampled through the large layout's stretch.
#include <QPainter>
#include <QPoint>
#include <cmath>

namespace velmora {

// Where the painter only stretches the view's rows: device row y shows view row r when its
// centre, y + 0.5, falls in [r, r + 1) stretched.
struct DeviceRows {
  double scale = 1.0;
  double offset = 0.0;
  int operator()(int row) const { return static_cast<int>(std::ceil(row * scale + offset - 0.5)); }
};

// Only a vertical stretch and whole-pixel moves are painted at device resolution; anything
// else (side by side, the panes are scaled both ways) keeps the view's rows and a scaled draw.
// `device` is false for the identity, where the view's rows are the device's.
struct DevicePlacement {
  bool plain = false;   // the rows can be mapped
  bool device = false;  // and they differ from the view's
  DeviceRows rows;
  QPoint shift;  // whole-pixel move of the columns
};
DevicePlacement devicePlacementOf(const QPainter& p);

// Draws a picture made at device rows with its top-left corner at view column `left` and
// device row `deviceTop`. The clip set in the view's rows stays where it was on the device.
void drawAtDeviceRows(QPainter& p, const DevicePlacement& placement, int left, int deviceTop, const QImage& image);

}  // namespace velmora
