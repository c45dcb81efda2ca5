#include "analysis/spectral_axes.h"

#include <cmath>

#include "analysis/power_spectrum_curve.h"

namespace velmora {
namespace {

// The limit lists give whole numbers of hertz; a float zoom may land a hair below one.
int wholeHertz(double hz) { return static_cast<int>(std::floor(hz + 1e-3)); }

}  // namespace

int axisDivisions(int paneHeight) { return paneHeight >= 300 ? 8 : 4; }

std::vector<AxisLabel> spectrogramFrequencyLabels(double topFrequencyHz, int paneTop, int paneHeight) {
  const int divisions = axisDivisions(paneHeight);
  const int top = wholeHertz(topFrequencyHz);
  std::vector<AxisLabel> labels;
  for (int i = 0; i <= divisions; ++i) {
    AxisLabel label;
    label.value = (i * top / divisions) / 1000.0;
    label.textTop = paneTop + paneHeight - 8 - i * (paneHeight - 6) / divisions;
    labels.push_back(label);
  }
  return labels;
}

std::vector<AxisLabel> powerSpectrumLevelLabels(int paneTop, int paneHeight) {
  const PaneRect pane{0, paneTop, 1, paneTop + paneHeight};
  const int divisions = axisDivisions(paneHeight);
  std::vector<AxisLabel> labels;
  for (int i = 0; i <= divisions; ++i) {
    AxisLabel label;
    label.value = -10.0 + 10.0 * i;
    label.textTop = powerSpectrumLevelY(label.value, pane) - kAxisLabelTextHeight / 2;
    labels.push_back(label);
  }
  return labels;
}

std::vector<AxisLabel> powerSpectrumFrequencyLabels(double topFrequencyHz, int paneLeft, int paneWidth) {
  std::vector<AxisLabel> labels;
  for (int k = 0; k <= 6; ++k) {
    AxisLabel label;
    if (k <= 5) {
      label.x = paneLeft + static_cast<int>(k * paneWidth / 5.5);
      label.value = k * topFrequencyHz / 5.5 / 1000.0;
    } else {
      label.x = paneLeft + paneWidth;
      label.value = topFrequencyHz / 1000.0;
    }
    labels.push_back(label);
  }
  return labels;
}

}  // namespace velmora
