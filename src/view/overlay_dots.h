#pragma once
// Where the F0 and formant dots of the visible range fall in the spectral pane.
// Pure arithmetic over the tracks' values, so the painting only fills ellipses.
#include <array>
#include <cstdint>
#include <vector>

namespace velmora {

struct PaneRect {
  int left;
  int top;
  int width;
  int height;
  int bottom() const { return top + height; }
  int right() const { return left + width; }
};

struct Dot {
  int x;
  int y;
  int size;
  int slot = 0;  // formant number 0..3 (F1..F4); 0 for F0 dots
};

inline constexpr int kF0DotSize = 4;
inline constexpr int kFormantDotSize = 3;

// F0 dots: one per pane column whose value is voiced and within [f0Min, f0Max].
// `values` covers the whole recording of `totalSamples` samples.
std::vector<Dot> f0Dots(const std::vector<float>& values, int32_t totalSamples, int32_t visibleStart,
                        int32_t visibleEnd, const PaneRect& pane, int f0Min, int f0Max);

struct FormantFrameValues {
  std::array<float, 4> hz{};  // F1..F4
  bool drawable = true;
};

// Formant dots over the visible range; with a non-empty F0 track only voiced frames are drawn.
std::vector<Dot> formantDots(const std::vector<FormantFrameValues>& frames, const std::vector<float>& f0Values,
                             int32_t totalSamples, int32_t visibleStart, int32_t visibleEnd, const PaneRect& pane,
                             double topFrequencyHz);

}  // namespace velmora
