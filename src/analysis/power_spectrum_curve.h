#pragma once
// The geometry of the power-spectrum curve in the spectral pane, as primitives the view
// paints in order:
//   1. clearToWhite: fill the pane white ("Line" style);
//   2. spans: vertical runs of one colour ("Solid" style: the bar under the curve in the
//      curve colour and the white above it);
//   3. lines: polylines (the "Line" curve, 1 px; the average curve on top, 2 px).
//
// Pane coordinates as a GDI rectangle: right and bottom are one past the last pixel.
// A level v dB sits at y = bottom - h / 11 - (v / 100) h, h = bottom - top (integer eleventh),
// limited to bottom - 1 and to top + 18. The bins shown, B = (N / 2) / zoom, are spread over
// the full pane width (bin b at x = left + b x width / B), so a frequency lands where the
// axis (spectral_axes.h) labels it.
#include <vector>

#include "analysis/hls_colour.h"
#include "analysis/power_spectrum.h"

namespace velmora {

struct PaneRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const PaneRect&) const = default;
};

struct CurvePoint {
  int x = 0;
  int y = 0;
  bool operator==(const CurvePoint&) const = default;
};

struct ColumnSpan {
  int x = 0;
  int top = 0;     // first pixel
  int bottom = 0;  // one past the last pixel
  Rgb colour;
};

struct Polyline {
  std::vector<CurvePoint> points;
  Rgb colour;
  int penWidth = 1;
};

struct PowerSpectrumDrawing {
  bool clearToWhite = false;
  std::vector<ColumnSpan> spans;
  std::vector<Polyline> lines;
};

inline constexpr int kCurveTopMargin = 18;

// Whether drawPowerSpectrum gives anything: when it does, its white and spans cover the
// whole pane, so nothing under the pane shows through.
bool powerSpectrumFillsPane(const PowerSpectrum& spectrum, const PaneRect& pane);

int powerSpectrumLevelY(double levelDb, const PaneRect& pane);
// The level a pane row stands for: the inverse of powerSpectrumLevelY, unclamped.
double powerSpectrumLevelAt(int y, const PaneRect& pane);

// Pixel column of bin b (may lie at or beyond pane.right for bins past the limit).
int powerSpectrumBinX(int bin, double binsShown, const PaneRect& pane);

PowerSpectrumDrawing drawPowerSpectrum(const PowerSpectrum& spectrum, const PaneRect& pane);

}  // namespace velmora
