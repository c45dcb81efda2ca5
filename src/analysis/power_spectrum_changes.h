#pragma once
// The parts of the power spectrum's pane that a new spectrum changes, so that a take repaints
// those and not the whole pane at every block. Only the solid curve is followed (a coloured
// run from the curve down to the pane's bottom in each column); lines, the long-term average
// or anything it cannot follow give the whole pane.
#include <vector>

#include "analysis/power_spectrum_curve.h"

namespace velmora {

class PowerSpectrumChanges {
 public:
  // The rects of `pane` where `drawing` differs from the drawing given before (the whole pane
  // the first time, after forget(), or when the two cannot be compared); none when nothing
  // changed.
  std::vector<PaneRect> next(const PowerSpectrumDrawing& drawing, const PaneRect& pane);
  // What is on screen is no longer the drawing given last: the next one changes everything.
  void forget() { known_ = false; }

 private:
  PaneRect pane_;
  std::vector<int> tops_;  // each column's first coloured row; pane_.bottom where none
  Rgb colour_;
  bool known_ = false;
};

}  // namespace velmora
