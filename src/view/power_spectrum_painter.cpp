// The power-spectrum curve in the spectral pane, painted from the engine's primitives:
// white pane, solid spans, then the curve and the long-term average as polylines.
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <algorithm>
#include <vector>

#include "analysis/power_spectrum_curve.h"
#include "view/column_run.h"
#include "view/device_rows.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
QColor qcolour(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

// The picture of the pane kept from one repaint to the next, with the coloured rows of each
// column as it holds them now. A fresh picture each time was new memory every time, and
// writing all of it, row by row, was most of a live repaint's own work.
struct PanePicture {
  QImage image;
  std::vector<int> top, bottom;  // the coloured rows [top, bottom) of each column
  std::vector<QRgb> colour;
};

// Brings column x to the rows [top, bottom) in `colour`, writing only the rows that change.
void updateColumn(PanePicture& kept, size_t x, int top, int bottom, QRgb colour) {
  const QRgb white = qRgb(255, 255, 255);
  int& oldTop = kept.top[x];
  int& oldBottom = kept.bottom[x];
  QRgb& oldColour = kept.colour[x];
  if (top == oldTop && bottom == oldBottom && (colour == oldColour || top == bottom)) return;
  moveColumnRun(kept.image, x, oldTop, oldBottom, top, bottom, colour != oldColour,
                [&](int y) { return y >= top && y < bottom ? colour : white; });
  oldTop = top;
  oldBottom = bottom;
  oldColour = colour;
}

// On screen the live spectrum is redrawn at every repaint. Filled one by one, spans one pixel
// wide write one pixel per row each, across the whole pane; a picture of the pane, changed
// where the curve moved and drawn at once, costs a fraction of that. The picture has the
// painter's own rows: drawn through the large layout's stretch it was resampled at every
// repaint, which cost more than everything else in it. Each column holds at most one coloured
// span (white above the curve): anything else, or a printed page, is left to the shapes.
bool paintSpansAsPicture(QPainter& p, const ViewScene& scene, const std::vector<ColumnSpan>& spans,
                         const PaneRect& pane) {
  if (scene.printing || pane.width() <= 0 || pane.height() <= 0) return false;
  const DevicePlacement placement = devicePlacementOf(p);
  const DeviceRows& rows = placement.rows;  // the view's own rows where the painter is not plain
  const int deviceTop = rows(pane.top);
  const int height = rows(pane.bottom) - deviceTop;
  if (height <= 0) return false;
  const auto toPicture = [&](int row) { return rows(row) - deviceTop; };
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
    top[x] = toPicture(std::clamp(span.top, pane.top, pane.bottom));
    bottom[x] = toPicture(std::clamp(span.bottom, pane.top, pane.bottom));
    if (top[x] == bottom[x]) top[x] = bottom[x] = 0;
    colour[x] = c;
  }
  thread_local PanePicture kept;
  if (kept.image.width() != pane.width() || kept.image.height() != height) {
    kept.image = QImage(pane.width(), height, QImage::Format_RGB32);
    kept.image.fill(white);
    kept.top.assign(width, 0);
    kept.bottom.assign(width, 0);
    kept.colour.assign(width, white);
  }
  for (size_t x = 0; x < width; ++x) updateColumn(kept, x, top[x], bottom[x], colour[x]);
  drawAtDeviceRows(p, placement, pane.left, deviceTop, kept.image);
  return true;
}

}  // namespace

// A live block and the repaint it asks for, a few parts of the pane at a time, each want the
// same spectrum's drawing: it is made once.
const PowerSpectrumDrawing& powerSpectrumDrawing(const PowerSpectrum& power, const PaneRect& pane) {
  struct Kept {
    std::vector<float> current, average;
    PowerSpectrumStyle style = PowerSpectrumStyle::Solid;
    Rgb colour;
    bool showAverage = false;
    float zoom = 0;
    int fftSize = 0;
    PaneRect pane;
    PowerSpectrumDrawing drawing;
    bool valid = false;
  };
  thread_local Kept kept;
  const bool same = kept.valid && kept.current == power.current() && kept.style == power.style() &&
                    kept.colour == power.colour() && kept.showAverage == power.showAverage() &&
                    (!power.showAverage() || kept.average == power.average()) && kept.zoom == power.zoom() &&
                    kept.fftSize == power.fftSize() && kept.pane == pane;
  if (!same) {
    kept.current = power.current();
    kept.average = power.showAverage() ? power.average() : std::vector<float>();
    kept.style = power.style();
    kept.colour = power.colour();
    kept.showAverage = power.showAverage();
    kept.zoom = power.zoom();
    kept.fftSize = power.fftSize();
    kept.pane = pane;
    kept.drawing = drawPowerSpectrum(power, pane);
    kept.valid = true;
  }
  return kept.drawing;
}

PaneRect powerSpectrumPane(const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  // Side by side the panes are scaled down: a pixel's inset keeps the curve off the frame,
  // whose lines would otherwise be painted over.
  const int inset = scene.comparison ? 1 : 0;
  return PaneRect{g.graphLeft + 1 + inset, g.spectralTop + inset, g.graphLeft + g.graphWidth + 1 - inset,
                  g.spectralBottom() - inset};
}

QRect powerSpectrumOpaqueArea(const ViewScene& scene) {
  if (isSpectrogramMode(scene.mode) || !scene.power || scene.printing) return {};
  const PaneRect pane = powerSpectrumPane(scene);
  if (!powerSpectrumFillsPane(*scene.power, pane)) return {};
  return QRect(pane.left, pane.top, pane.width(), pane.height());
}

void paintPowerSpectrum(QPainter& p, const ViewScene& scene) {
  if (!scene.power) return;
  const PaneRect pane = powerSpectrumPane(scene);
  const PowerSpectrumDrawing& drawing = powerSpectrumDrawing(*scene.power, pane);
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
