// The power-spectrum curve in the spectral pane, painted from the engine's primitives:
// white pane, solid spans, then the curve and the long-term average as polylines.
#include <QList>
#include <QPolygon>
#include <QRect>
#include <algorithm>
#include <utility>
#include <vector>

#include "analysis/power_spectrum_curve.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
QColor qcolour(const Rgb& c) { return QColor(c.red, c.green, c.blue); }
}  // namespace

void paintPowerSpectrum(QPainter& p, const ViewScene& scene) {
  if (!scene.power) return;
  const ViewGeometry& g = scene.geometry;
  // Side by side the panes are scaled down: a pixel's inset keeps the curve off the frame,
  // whose lines would otherwise be painted over.
  const int inset = scene.comparison ? 1 : 0;
  const PaneRect pane{g.graphLeft + 1 + inset, g.spectralTop + inset, g.graphLeft + g.graphWidth + 1 - inset,
                      g.spectralBottom() - inset};
  const PowerSpectrumDrawing drawing = drawPowerSpectrum(*scene.power, pane);
  p.save();
  p.setClipRect(QRect(pane.left, pane.top, pane.width(), pane.height()));
  if (drawing.clearToWhite) p.fillRect(QRect(pane.left, pane.top, pane.width(), pane.height()), Qt::white);
  // The solid curve is one span per pixel column, coloured below the curve and white above
  // it, together covering the pane. No two spans share a pixel, so the order they are filled
  // in does not matter: the pane is filled white at once and the coloured spans go over it,
  // one fill call per colour rather than two per column (the live spectrum is redrawn every
  // refresh).
  const QColor white(Qt::white);
  std::vector<std::pair<QColor, QList<QRect>>> byColour;
  for (const ColumnSpan& span : drawing.spans) {
    if (span.bottom <= span.top) continue;
    const QColor colour = paneColour(scene, qcolour(span.colour));
    if (colour == white) continue;
    auto same = std::find_if(byColour.begin(), byColour.end(), [&](const auto& c) { return c.first == colour; });
    if (same == byColour.end()) same = byColour.insert(byColour.end(), {colour, {}});
    same->second.append(QRect(span.x, span.top, 1, span.bottom - span.top));
  }
  p.setPen(Qt::NoPen);
  if (!drawing.spans.empty()) {
    p.setBrush(white);
    p.drawRects(QList<QRect>{QRect(pane.left, pane.top, pane.width(), pane.height())});
  }
  for (const auto& [colour, rects] : byColour) {
    p.setBrush(colour);
    p.drawRects(rects);
  }
  p.setBrush(Qt::NoBrush);
  for (const Polyline& line : drawing.lines) {
    if (line.points.size() < 2) continue;
    QPolygon polygon(static_cast<int>(line.points.size()));
    for (size_t i = 0; i < line.points.size(); ++i) polygon.setPoint(static_cast<int>(i), line.points[i].x, line.points[i].y);
    p.setPen(QPen(paneColour(scene, qcolour(line.colour)), line.penWidth));
    p.drawPolyline(polygon);
  }
  p.restore();
}

}  // namespace velmora
