#pragma once
// The value box that follows the pointer over the spectral pane: frequency and time over
// the spectrogram (and, with the F0 box ticked, the F0 that the pointer's height stands
// for on the F0 scale), frequency and level over the power spectrum. Positions are the
// view's logical pixels; the texts carry the view's decimal comma.
#include <optional>
#include <string>

#include "document/sample_range.h"
#include "presentation/view_geometry.h"

namespace velmora {

struct PointerReadout {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 16;
  std::string text;     // black, at textX
  int textX = 0;
  std::string f0Text;   // after "F" with a subscript 0, in the F0 scale's colour; "" when none
  int pointerX = 0;     // where the pointer stood: the box keeps its place beside it when
  int pointerY = 0;     // the panes are drawn scaled down
};

struct SpectrogramPointer {
  double topHz = 0;        // the spectrogram's top frequency
  SampleRange visible;     // the shown range of the recording
  int sampleRate = 0;
  bool showF0 = false;
  int f0Min = 70;
  int f0Max = 400;
};

bool inSpectralPane(const ViewGeometry& g, int x, int y);
// Nothing outside the pane.
std::optional<PointerReadout> spectrogramReadout(const ViewGeometry& g, int x, int y, const SpectrogramPointer& s);
// topHz: (rate / 2) / the engine's frequency divisor.
std::optional<PointerReadout> powerSpectrumReadout(const ViewGeometry& g, int x, int y, double topHz);

}  // namespace velmora
