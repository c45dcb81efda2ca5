#pragma once
// Geometry of the F0 curve over the spectral pane, as data the view paints: 4 x 4 filled
// dots, one per pixel column whose F0 value is voiced and inside the display range, scaled
// linearly from the range's minimum at the pane's bottom to its maximum at the top.
//   f0CurveDots: the whole visible range firstSample..lastSample across the pane's width;
//   f0MarkerAt:  the value under the play or record position, drawn at the pane's right edge.
//   f0DotsAtColumns: a pane whose columns each show a known sample (a paused take's live
//                picture), the value under each column's sample at that column.
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/f0_range.h"

namespace velmora {

// The spectral pane the F0 curve is drawn in: left edge, top, width and height in pixels.
struct F0Pane {
  int x0 = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// An ellipse's bounding box, right and bottom exclusive as the painter takes them.
struct DotBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const DotBox&) const = default;
};

inline constexpr uint32_t kF0DotBlueRgb = 0x0000FF;
inline constexpr uint32_t kF0DotRedRgb = 0xFF0000;

// Blue over spectrogram colour schemes 0 and 2, red over scheme 1.
uint32_t f0DotColourRgb(int colourScheme);

struct F0Curve {
  uint32_t colourRgb = kF0DotBlueRgb;
  std::vector<DotBox> dots;
};

// Nothing when the track is not valid or empty.
F0Curve f0CurveDots(const std::vector<float>& values, bool valid, const F0Pane& pane, int64_t totalSamples,
                    int64_t firstSample, int64_t lastSample, const F0DisplayRange& range, int colourScheme);

struct F0Marker {
  int index = -1;                // value index under the position; -1 when there is none
  std::optional<DotBox> dot;     // present when the value is voiced and inside the range
  uint32_t colourRgb = kF0DotBlueRgb;
};

F0Marker f0MarkerAt(const std::vector<float>& values, bool valid, const F0Pane& pane, int64_t totalSamples,
                    int64_t position, const F0DisplayRange& range, int colourScheme);

// columnSamples[i]: the sample (of totalSamples) that pixel column pane.x0 + 1 + i shows;
// -1 where the column shows none. The value index of a sample is taken as f0MarkerAt takes it.
F0Curve f0DotsAtColumns(const std::vector<float>& values, bool valid, const F0Pane& pane, int64_t totalSamples,
                        const std::vector<int64_t>& columnSamples, const F0DisplayRange& range, int colourScheme);

}  // namespace velmora
