#include "analysis/power_spectrum_curve.h"

#include <algorithm>
#include <cmath>

namespace velmora {

int powerSpectrumLevelY(double levelDb, const PaneRect& pane) {
  const int h = pane.height();
  const double y = pane.bottom - h / 11 - levelDb / 100.0 * h;
  const double limited = std::clamp(y, static_cast<double>(pane.top + kCurveTopMargin), pane.bottom - 1.0);
  return static_cast<int>(limited);
}

double powerSpectrumLevelAt(int y, const PaneRect& pane) {
  const int h = pane.height();
  return h > 0 ? (pane.bottom - h / 11 - y) * 100.0 / h : 0.0;
}

int powerSpectrumBinX(int bin, double binsShown, const PaneRect& pane) {
  return pane.left + static_cast<int>(std::floor(bin * pane.width() / binsShown));
}

namespace {

// The points of a curve over the bins that fall inside the pane.
std::vector<CurvePoint> curvePoints(const std::vector<float>& levels, double binsShown, const PaneRect& pane) {
  std::vector<CurvePoint> points;
  for (int b = 0; b < static_cast<int>(levels.size()); ++b) {
    const int x = powerSpectrumBinX(b, binsShown, pane);
    if (x >= pane.right) break;
    points.push_back({x, powerSpectrumLevelY(levels[b], pane)});
  }
  return points;
}

// "Solid": each pixel column of a bin rises from the previous bin's height to this bin's,
// coloured down to the bottom and white up to the top.
void solidSpans(const std::vector<CurvePoint>& points, const PaneRect& pane, Rgb colour, std::vector<ColumnSpan>& spans) {
  for (size_t b = 0; b < points.size(); ++b) {
    const int x0 = points[b].x;
    const int x1 = b + 1 < points.size() ? points[b + 1].x : pane.right;
    const int previousY = b > 0 ? points[b - 1].y : points[b].y;
    const int width = x1 - x0;
    for (int i = 0; i < width; ++i) {
      const int y = previousY + (points[b].y - previousY) * (i + 1) / width;
      spans.push_back({x0 + i, y, pane.bottom, colour});
      if (y > pane.top) spans.push_back({x0 + i, pane.top, y, Rgb{255, 255, 255}});
    }
  }
}

double binsShownOf(const PowerSpectrum& spectrum) {
  return (spectrum.fftSize() / 2) / static_cast<double>(spectrum.zoom());
}

}  // namespace

bool powerSpectrumFillsPane(const PowerSpectrum& spectrum, const PaneRect& pane) {
  return pane.width() > 0 && pane.height() > 0 && !spectrum.current().empty() && binsShownOf(spectrum) > 0.0;
}

PowerSpectrumDrawing drawPowerSpectrum(const PowerSpectrum& spectrum, const PaneRect& pane) {
  PowerSpectrumDrawing drawing;
  if (!powerSpectrumFillsPane(spectrum, pane)) return drawing;
  const double binsShown = binsShownOf(spectrum);

  const std::vector<CurvePoint> points = curvePoints(spectrum.current(), binsShown, pane);
  if (spectrum.style() == PowerSpectrumStyle::Line) {
    drawing.clearToWhite = true;
    drawing.lines.push_back({points, spectrum.colour(), 1});
  } else {
    solidSpans(points, pane, spectrum.colour(), drawing.spans);
  }
  if (spectrum.showAverage()) {
    const Rgb averageColour = spectrum.colour() == kAverageCurveColour ? kAverageCurveColourOnRed : kAverageCurveColour;
    drawing.lines.push_back({curvePoints(spectrum.average(), binsShown, pane), averageColour, 2});
  }
  return drawing;
}

}  // namespace velmora
