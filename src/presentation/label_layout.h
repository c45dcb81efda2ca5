#pragma once
// Where the labels go in the label band under the spectral pane, in the view's logical
// pixels: the font height for the shown length, each label spread over the stretch it
// covers (or, when its characters would be narrower than 4.5 px, a marker at its middle),
// which label the pointer is over, and where the label dialogs, the menu and the tip open.
//
// With the visible range a..b, pane left c and width d, h = d / (b - a) pixels per sample.
// A label starting at s over n characters and ending at e: u = (e - s) x h / n per
// character, x = h x (s - a); character j is drawn at c + x + j x (u + 1 + extra).
#include <cstdint>
#include <string>
#include <vector>

#include "document/label_set.h"
#include "presentation/view_geometry.h"

namespace velmora {

inline constexpr double kMarkerBelowCharacterWidth = 4.5;
inline constexpr double kLongestLabelledSeconds = 20.0;  // a longer view refuses new labels
inline constexpr int kMarkerHalfWidth = 8;
inline constexpr int kMarkerHitWidth = 10;

// Label font height (pixels) for the visible length in seconds.
int labelFontHeight(double visibleSeconds);

struct LabelView {
  SampleRange visible;  // ordered
  int rateHz = 11025;
  int paneLeft = 0;
  int paneWidth = 0;
  int bandTop = 0;
  int extraTextChar = 0;

  static LabelView of(const ViewGeometry& g, SampleRange visible, int rateHz, int extraTextChar);
  int32_t visibleLength() const { return visible.end - visible.start; }
  double visibleSeconds() const { return rateHz > 0 ? visibleLength() / static_cast<double>(rateHz) : 0.0; }
  double pixelsPerSample() const { return visibleLength() > 0 ? paneWidth / static_cast<double>(visibleLength()) : 0.0; }
  double samplesPerPixel() const { return paneWidth > 0 ? visibleLength() / static_cast<double>(paneWidth) : 0.0; }
  int fontHeight() const { return labelFontHeight(visibleSeconds()); }
  // The sample under a pane x: visibleStart + (x - left) x (visible length) / width.
  int32_t sampleAt(int x) const;
  // Pane x of a sample (truncated).
  int xOf(int32_t sample) const;
};

struct LabelPlacement {
  bool shown = false;   // not hidden and starting inside the visible range
  bool marker = false;  // too narrow for its text
  double characterWidth = 0;
  double markerCentre = 0;  // c + (int)x + n x u / 2
  int markerLeft = 0;
  int markerTop = 0;
  std::vector<int> characterX;  // left edge of every character drawn, cut at the pane's end
  int textTop = 0;
};

// Text labels sit 2 px under the band's top, small fonts (below 12 px) 5 px.
int labelTextTop(int bandTop, int fontHeight);
LabelPlacement placeLabel(const TextLabel& label, const LabelView& view);
// The first label in slot order under the pointer, or -1. A marker is hit within 10 px
// after its left edge; a text label when the sample under the pointer lies in it.
int hitLabel(const LabelSet& labels, const LabelView& view, int x);

bool inLabelBand(const ViewGeometry& g, int x, int y);

// Where a dialog opens, in the view's logical pixels.
struct DialogPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
DialogPlace insertTextPlace(const ViewGeometry& g, int clickX, bool korean);
DialogPlace tooLargePlace(const ViewGeometry& g, int clickX, bool korean);
// The label's menu: right of the pointer, below the band.
int labelMenuX(int x);
int labelMenuY(const ViewGeometry& g);

// The text being typed in "Insert Text", drawn on the band where the label will start.
struct LabelPreview {
  int x = 0;
  int top = 0;
  int fontHeight = 16;
  std::string text;
};

// The tip over a marker: a light yellow box under the pointer holding the label's text.
struct LabelTip {
  int x = 0;  // the pointer
  int y = 0;
  int scale = 1;  // screen height / 768, at least 1
  std::string text;
};

}  // namespace velmora
