#pragma once
// The texts and places of the spectral pane's axis labels, computed apart from painting so
// they can be checked by number.
#include <string>
#include <vector>

#include "presentation/view_geometry.h"

namespace velmora {

struct AxisText {
  std::string text;
  int x = 0;       // left edge of the text box (or the text's x)
  int y = 0;       // top of the text
  int width = 0;   // box width for right-aligned labels, 0 for plain text
  int tickX = -1;  // x of the tick for time / frequency labels, -1 for none
};

// Divisions of the vertical axes: 8 when the pane is 300 px or higher, else 4.
int verticalDivisions(int paneHeight);

// Frequency labels of the spectrogram, bottom (0) up to topFrequencyHz.
std::vector<AxisText> spectrogramFrequencyTexts(const ViewGeometry& g, double topFrequencyHz, bool comparison);
// Seven time labels under the pane for the visible range.
std::vector<AxisText> timeTexts(const ViewGeometry& g, int visibleStart, int visibleEnd, int sampleRate);
// Level labels of the power spectrum, -10 dB at the bottom, 10 dB per division.
std::vector<AxisText> powerLevelTexts(const ViewGeometry& g);
// Frequency labels under the power spectrum: five at width / 5.5 steps, the last at the edge.
std::vector<AxisText> powerFrequencyTexts(const ViewGeometry& g, double topFrequencyHz);
// The F0 scale beside the pane, f0Min at the bottom to f0Max at the top.
std::vector<AxisText> f0ScaleTexts(const ViewGeometry& g, int f0Min, int f0Max);
// Left edge of the F0 scale box.
int f0ScaleLeft(const ViewGeometry& g);

}  // namespace velmora
