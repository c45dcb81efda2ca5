#include "presentation/pointer_readout.h"

#include <cmath>

#include "analysis/power_spectrum_curve.h"
#include "presentation/number_text.h"

namespace velmora {

namespace {
constexpr int kBoxHeight = 16;
constexpr int kSpectrogramBoxWidth = 130;

// The box sits 15 px above the pointer, or at the pointer's height near the pane's top.
int boxTop(const ViewGeometry& g, int y) { return y - g.spectralTop <= 15 ? y : y - 15; }

double fractionDown(const ViewGeometry& g, int y) {
  return static_cast<double>(y - g.spectralTop) / g.spectralHeight;
}
}  // namespace

bool inSpectralPane(const ViewGeometry& g, int x, int y) {
  return x >= g.graphLeft && x <= g.graphLeft + g.graphWidth && y >= g.spectralTop && y <= g.spectralBottom();
}

std::optional<PointerReadout> spectrogramReadout(const ViewGeometry& g, int x, int y, const SpectrogramPointer& s) {
  if (!inSpectralPane(g, x, y) || g.graphWidth <= 0 || g.spectralHeight <= 0 || s.sampleRate <= 0) return std::nullopt;
  PointerReadout r;
  const double hz = std::fabs(s.topHz - s.topHz * fractionDown(g, y));
  const double sample = s.visible.start + static_cast<double>(x - g.graphLeft) * s.visible.length() / g.graphWidth;
  const double seconds = sample / s.sampleRate;
  r.width = kSpectrogramBoxWidth + (s.showF0 ? (g.largeLayout ? 70 : 55) : 0);
  r.left = g.graphLeft + g.graphWidth - x > 200 ? x : x - r.width;
  r.top = boxTop(g, y);
  r.height = kBoxHeight;
  r.pointerX = x;
  r.pointerY = y;
  if (!s.showF0) {
    r.text = viewNumber("%.2f Hz   %.2f s", hz, seconds);
    r.textX = r.left + 1;
    return r;
  }
  const double f0 = s.f0Max - fractionDown(g, y) * (s.f0Max - s.f0Min);
  r.f0Text = f0 >= 1000 ? viewNumber(": %.2f kHz", f0 / 1000) : viewNumber(": %.2fHz", f0);
  r.text = viewNumber("%.2f Hz  %.2f s", hz, seconds);
  r.textX = r.left + (g.largeLayout ? 80 : 70);
  return r;
}

std::optional<PointerReadout> powerSpectrumReadout(const ViewGeometry& g, int x, int y, double topHz) {
  if (!inSpectralPane(g, x, y) || g.graphWidth <= 0 || g.spectralHeight <= 0) return std::nullopt;
  PointerReadout r;
  const double khz = topHz / 1000 * (x - g.graphLeft) / g.graphWidth;
  // The level the curve draws at this row, so the box agrees with the curve and its axis.
  const double db = powerSpectrumLevelAt(y, PaneRect{g.graphLeft + 1, g.spectralTop, g.graphLeft + g.graphWidth + 1, g.spectralBottom()});
  if (g.graphLeft + g.graphWidth - x > 132) {
    r.width = g.largeLayout ? 132 : 122;
    r.left = x;
  } else {
    r.width = g.largeLayout ? 130 : 125;
    r.left = x - r.width;
  }
  r.top = boxTop(g, y);
  r.height = kBoxHeight;
  r.pointerX = x;
  r.pointerY = y;
  r.text = viewNumber("%.2f kHz   %.2f dB", khz, db);
  r.textX = r.left + 1;
  return r;
}

}  // namespace velmora
