#include "presentation/axis_labels.h"

#include "analysis/spectral_axes.h"
#include "presentation/number_text.h"

namespace velmora {

int verticalDivisions(int paneHeight) { return paneHeight >= 300 ? 8 : 4; }

std::vector<AxisText> spectrogramFrequencyTexts(const ViewGeometry& g, double topFrequencyHz, bool comparison) {
  std::vector<AxisText> labels;
  const int n = verticalDivisions(g.spectralHeight);
  const long long top = static_cast<long long>(topFrequencyHz);
  const int offset = g.largeLayout ? 44 : 42;
  for (int i = 0; i <= n; ++i) {
    AxisText l;
    const double khz = static_cast<double>(i * top / n) / 1000.0;
    l.text = viewNumber(comparison ? "%.1f k" : "%.1f kHz", khz);
    l.x = g.graphLeft - offset;
    l.width = 42;
    l.y = g.spectralBottom() - 8 - i * (g.spectralHeight - 6) / n;
    labels.push_back(l);
  }
  return labels;
}

std::vector<AxisText> timeTexts(const ViewGeometry& g, int visibleStart, int visibleEnd, int sampleRate) {
  std::vector<AxisText> labels;
  if (sampleRate <= 0) return labels;
  const double start = static_cast<double>(visibleStart) / sampleRate;
  const double length = static_cast<double>(visibleEnd - visibleStart) / sampleRate;
  for (int k = 0; k <= 6; ++k) {
    AxisText l;
    l.x = g.graphLeft + k * (g.graphWidth / 6) - 20;
    l.y = g.spectralBottom() + 4;
    l.text = viewNumber("%.2f s", start + k * (length / 6));
    if (k > 0) l.tickX = l.x + 2 + 20;
    labels.push_back(l);
  }
  return labels;
}

std::vector<AxisText> powerLevelTexts(const ViewGeometry& g) {
  // Each level sits where the curve draws it, so the scale reads true against the curve.
  std::vector<AxisText> labels;
  for (const AxisLabel& engine : powerSpectrumLevelLabels(g.spectralTop, g.spectralHeight)) {
    AxisText l;
    l.text = viewNumber("%.2d dB", static_cast<int>(engine.value));
    l.x = g.graphLeft - 42;
    l.width = 40;
    l.y = engine.textTop;
    labels.push_back(l);
  }
  return labels;
}

std::vector<AxisText> powerFrequencyTexts(const ViewGeometry& g, double topFrequencyHz) {
  std::vector<AxisText> labels;
  for (int k = 0; k <= 6; ++k) {
    const int x = k <= 5 ? g.graphLeft + static_cast<int>(k * g.graphWidth / 5.5) : g.graphLeft + g.graphWidth;
    const double hz = k <= 5 ? k * topFrequencyHz / 5.5 : topFrequencyHz;
    AxisText l;
    l.text = viewNumber("%.1f kHz", hz / 1000.0);
    l.x = x - 25;
    l.y = g.spectralBottom() + 4;
    if (k > 0) l.tickX = x;
    labels.push_back(l);
  }
  return labels;
}

int f0ScaleLeft(const ViewGeometry& g) { return g.graphLeft + g.graphWidth + (g.largeLayout ? 11 : 2); }

std::vector<AxisText> f0ScaleTexts(const ViewGeometry& g, int f0Min, int f0Max) {
  std::vector<AxisText> labels;
  const int n = verticalDivisions(g.spectralHeight);
  for (int i = 0; i <= n; ++i) {
    const double hz = f0Min + static_cast<double>(f0Max - f0Min) * i / n;
    AxisText l;
    l.text = hz < 1000.0 ? viewNumber("%.1d Hz", static_cast<int>(hz)) : viewNumber("%.2f k", hz / 1000.0);
    l.x = f0ScaleLeft(g) - 11;
    l.width = 42;
    l.y = g.spectralBottom() - 8 - i * (g.spectralHeight - 6) / n;
    labels.push_back(l);
  }
  return labels;
}

}  // namespace velmora
