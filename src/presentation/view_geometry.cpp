#include "presentation/view_geometry.h"

#include <algorithm>

namespace velmora {

ViewGeometry ViewGeometry::forScreen(int screenWidth, int screenHeight) {
  ViewGeometry g;
  g.screenWidth = screenWidth;
  g.screenHeight = screenHeight;
  g.largeLayout = !(screenWidth == 800 || screenHeight == 600);
  g.spectralHeight = 300;
  if (g.largeLayout) {
    g.graphLeft = 140 + (screenWidth - 1024) / 2;
    g.graphWidth = 800;
    g.spectralTop = 150 + std::max(0, (screenHeight - 768) / 2);
    g.waveHeight = 70;
    g.infoTop = 70;
  } else {
    g.graphLeft = 92;
    g.graphWidth = 671;
    g.spectralTop = 100;
    g.waveHeight = 50;
    g.infoTop = 50;
  }
  g.waveTop = g.spectralTop + g.spectralHeight + 45;
  return g;
}

int ViewGeometry::verticalOffset() const { return largeLayout ? std::max(0, (screenHeight - 768) / 2) : 0; }

PaneMapping mainPaneMapping(const ViewGeometry& g) {
  PaneMapping m;
  if (!g.largeLayout) {
    m.scaleX = 0.50;
    m.scaleY = 0.80;
    m.windowOriginX = 0;
    m.windowOriginY = -80;
  } else {
    m.scaleX = 0.55;
    m.scaleY = 0.85;
    const int dx = (g.screenWidth - 1024) / 2;
    m.windowOriginX = dx == 0 ? 60 : dx;
    m.windowOriginY = -(g.screenHeight - 768) / 2 - 80;
  }
  return m;
}

PaneMapping comparisonPaneMapping(const ViewGeometry& g) {
  PaneMapping m = mainPaneMapping(g);
  if (!g.largeLayout) {
    m.windowOriginX = -800;
  } else {
    m.windowOriginX = -(g.screenWidth - 1024) / 2 - 830;
  }
  return m;
}

int comparisonSplitX(const ViewGeometry& g) { return g.largeLayout ? (g.screenWidth - 1024) / 2 + 500 : 400; }

}  // namespace velmora
