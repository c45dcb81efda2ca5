// The power-spectrum curve in the spectral pane: solid bars or a line, with the long-term
// average on top when asked.
#include <algorithm>
#include <cmath>

#include "view/view_renderer.h"

namespace velmora {

namespace {
int levelY(float level, int top, int bottom) {
  const int y = bottom - (bottom - top) / 11 - static_cast<int>(level / 100.0f * static_cast<float>(bottom - top));
  return std::clamp(y, top + 1, bottom - 1);
}
}  // namespace

void paintPowerSpectrum(QPainter& p, const ViewScene& scene) {
  const PowerCurve* curve = scene.power;
  if (!curve || !curve->hasData || curve->current.empty()) return;
  const ViewGeometry& g = scene.geometry;
  const int left = g.graphLeft + 1;
  const int right = g.graphLeft + g.graphWidth + 1;
  const int top = g.spectralTop;
  const int bottom = g.spectralBottom();
  const int bins = std::max(1, static_cast<int>((curve->fftSize / 2) / std::max(1.0, curve->zoom)));
  const int shown = std::min(bins, static_cast<int>(curve->current.size()));
  const int binWidth = std::max(1, static_cast<int>(std::ceil(static_cast<double>(right - left) / bins)));
  const auto xOf = [&](int b) { return std::min(left + b * binWidth, right - 1); };
  p.save();
  p.setClipRect(QRect(left, top, right - left, bottom - top));
  p.fillRect(QRect(left, top, right - left, bottom - top), Qt::white);
  if (curve->lineMode) {
    p.setPen(QPen(curve->colour, 1));
    for (int b = 1; b < shown; ++b)
      p.drawLine(xOf(b - 1), levelY(curve->current[b - 1], top, bottom), xOf(b), levelY(curve->current[b], top, bottom));
  } else {
    p.setPen(QPen(curve->colour, 1));
    int previousY = levelY(curve->current[0], top, bottom);
    for (int b = 0; b < shown; ++b) {
      const int y = levelY(curve->current[b], top, bottom);
      for (int i = 0; i < binWidth; ++i) {
        const int x = left + b * binWidth + i;
        if (x >= right) break;
        const int yi = previousY + (y - previousY) * (i + 1) / binWidth;
        p.drawLine(x, yi, x, bottom - 1);
      }
      previousY = y;
    }
  }
  if (curve->showAverage && static_cast<int>(curve->average.size()) >= shown) {
    const QColor red(255, 0, 0);
    p.setPen(QPen(curve->colour == red ? QColor(Qt::black) : red, 2));
    for (int b = 1; b < shown; ++b)
      p.drawLine(xOf(b - 1), levelY(curve->average[b - 1], top, bottom), xOf(b), levelY(curve->average[b], top, bottom));
  }
  p.restore();
}

}  // namespace velmora
