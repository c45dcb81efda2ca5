#include "presentation/compare_window_place.h"

namespace velmora {

namespace {
constexpr int kGapPixels = 8;  // between the window and the panes or the header band

int deviceX(const PaneMapping& m, int x) { return static_cast<int>((x - m.windowOriginX) * m.scaleX); }
int deviceY(const PaneMapping& m, int y) { return static_cast<int>((y - m.windowOriginY) * m.scaleY); }
}  // namespace

DevicePoint compareWindowPlace(const ViewGeometry& g, int windowHeight) {
  const PaneMapping m = comparisonPaneMapping(g);
  DevicePoint p;
  p.x = deviceX(m, g.graphLeft);
  if (g.largeLayout && g.screenHeight > 768) {
    p.y = deviceY(m, g.waveBottom()) + kGapPixels;
  } else {
    // The comparison's header band, moved down as its panes are.
    p.y = deviceY(m, g.infoTop + g.verticalOffset()) - kGapPixels - windowHeight;
  }
  return p;
}

}  // namespace velmora
