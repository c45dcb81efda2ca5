#pragma once
// Where the Compare window first stands, in the view's device pixels (its top-left corner):
// beside the comparison's pane set, where it covers neither pane set. A screen taller than
// 768 pixels leaves room under the panes, so it sits there, left-aligned with the
// comparison's panes; on a 768-pixel screen, or in the small layout, the panes reach nearly
// to the bottom of the view and it sits above the comparison's header band instead, in the
// room the side-by-side layout leaves under the bars.
#include "presentation/view_geometry.h"

namespace velmora {

struct DevicePoint {
  int x = 0;
  int y = 0;
};

// windowHeight: the Compare window's own height, so that above the header band it ends
// just over the band.
DevicePoint compareWindowPlace(const ViewGeometry& g, int windowHeight);

}  // namespace velmora
