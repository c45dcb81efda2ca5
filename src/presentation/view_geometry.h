#pragma once
// Where the panes lie, fixed once from the screen size chosen at start-up.
// Small layout for an 800-wide or 600-high screen; the large one is centred on bigger
// screens and drawn stretched vertically by 111/100.
// All values are logical pixels of the view (before that stretch).

namespace velmora {

struct ViewGeometry {
  bool largeLayout = true;
  int screenWidth = 1024;
  int screenHeight = 768;
  int graphLeft = 140;
  int graphWidth = 800;
  int spectralTop = 150;
  int spectralHeight = 300;
  int waveTop = 495;
  int waveHeight = 70;
  int infoTop = 70;

  static ViewGeometry forScreen(int screenWidth, int screenHeight);

  int spectralBottom() const { return spectralTop + spectralHeight; }
  int labelBandTop() const { return spectralBottom() + 20; }
  int labelBandBottom() const { return spectralBottom() + 40; }
  int waveBottom() const { return waveTop + waveHeight; }
  // Extra right edge of the frames: the large layout's frame is a pixel wider.
  int frameRightExtra() const { return largeLayout ? 3 : 2; }
  // Logical to device pixels: y is stretched in the large layout only.
  double verticalStretch() const { return largeLayout ? 111.0 / 100.0 : 1.0; }
  // Vertical offset of the large layout on screens taller than 768.
  int verticalOffset() const;
  int horizontalOffset() const { return largeLayout ? (screenWidth - 1024) / 2 : 0; }
};

// The comparison layout: both pane sets drawn side by side, each scaled and shifted.
struct PaneMapping {
  double scaleX = 1.0;   // viewport extent / window extent
  double scaleY = 1.0;
  int windowOriginX = 0;  // logical point drawn at the device origin
  int windowOriginY = 0;
};

PaneMapping mainPaneMapping(const ViewGeometry& g);
PaneMapping comparisonPaneMapping(const ViewGeometry& g);
// Device x that separates the two halves; input right of it belongs to the comparison.
int comparisonSplitX(const ViewGeometry& g);

}  // namespace velmora
