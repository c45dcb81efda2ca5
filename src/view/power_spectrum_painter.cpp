// The power-spectrum curve in the spectral pane, painted from the engine's primitives:
// white pane, solid spans, then the curve and the long-term average as polylines.
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <vector>

#include "analysis/power_spectrum_curve.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
QColor qcolour(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

// On screen the live spectrum is redrawn at every repaint. Filled one by one, spans one pixel
// wide write one pixel per row each, across the whole pane; a picture of the pane written row
// by row and drawn at once costs a fraction of that. Each column holds at most one coloured span
// (white above the curve): anything else, or a printed page, is left to the shapes.
bool paintSpansAsPicture(QPainter& p, const ViewScene& scene, const std::vector<ColumnSpan>& spans,
                         const PaneRect& pane) {
  if (scene.printing || pane.width() <= 0 || pane.height() <= 0) return false;
  const QRgb white = qRgb(255, 255, 255);
  const auto width = static_cast<size_t>(pane.width());
  std::vector<int> top(width, 0), bottom(width, 0);
  std::vector<QRgb> colour(width, white);
  // The curve has one colour: it is converted for the pane once, not once per span.
  Rgb last{255, 255, 255};
  QRgb c = white;
  for (const ColumnSpan& span : spans) {
    if (span.colour != last) {
      last = span.colour;
      c = paneColour(scene, qcolour(last)).rgb();
    }
    if (span.bottom <= span.top || c == white) continue;
    if (span.x < pane.left || span.x >= pane.right) continue;
    const auto x = static_cast<size_t>(span.x - pane.left);
    if (bottom[x] > top[x]) return false;
    top[x] = span.top - pane.top;
    bottom[x] = span.bottom - pane.top;
    colour[x] = c;
  }
  // Kept from one repaint to the next: a fresh picture this size is new memory every time.
  thread_local QImage picture;
  if (picture.width() != pane.width() || picture.height() != pane.height())
    picture = QImage(pane.width(), pane.height(), QImage::Format_RGB32);
  for (int y = 0; y < pane.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (size_t x = 0; x < width; ++x) line[x] = y >= top[x] && y < bottom[x] ? colour[x] : white;
  }
  p.drawImage(QPoint(pane.left, pane.top), picture);
  return true;
}
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
  // it, together covering the pane (no two spans share a pixel).
  if (!drawing.spans.empty() && !paintSpansAsPicture(p, scene, drawing.spans, pane)) {
    // Printed, the spans stay shapes: the pane white at once and one fill per coloured span.
    p.fillRect(QRect(pane.left, pane.top, pane.width(), pane.height()), Qt::white);
    for (const ColumnSpan& span : drawing.spans) {
      const QColor colour = paneColour(scene, qcolour(span.colour));
      if (span.bottom > span.top && colour != Qt::white) p.fillRect(QRect(span.x, span.top, 1, span.bottom - span.top), colour);
    }
  }
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
