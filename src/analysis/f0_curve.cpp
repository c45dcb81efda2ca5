#include "analysis/f0_curve.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr int kDotSize = 4;

// The vertical position of a value: the range maps onto the pane's height, values below the
// minimum onto the bottom edge (lifted by a dot so it stays inside).
int dotTop(float value, const F0Pane& pane, const F0DisplayRange& range) {
  const float span = static_cast<float>(range.maxHz - range.minHz);
  const float percent = std::max(0.0f, (value - static_cast<float>(range.minHz)) * 100.0f / span);
  int y = static_cast<int>(static_cast<float>(pane.top + pane.height) - percent / 100.0f * static_cast<float>(pane.height));
  if (y >= pane.top + pane.height) y -= kDotSize;
  return y;
}

bool inRange(float value, const F0DisplayRange& range) {
  return value >= static_cast<float>(range.minHz) && value <= static_cast<float>(range.maxHz);
}

DotBox clipToPane(DotBox box, const F0Pane& pane) {
  box.top = std::max(box.top, pane.top);
  box.left = std::max(box.left, pane.x0 + 1);
  box.right = std::min(box.right, pane.x0 + pane.width);
  box.bottom = std::min(box.bottom, pane.top + pane.height);
  return box;
}

// The value at a sample, as f0MarkerAt finds it.
size_t valueIndexAt(size_t count, int64_t totalSamples, int64_t sample) {
  const auto n = static_cast<int64_t>(count);
  return static_cast<size_t>(std::min(n * sample / totalSamples, n - 1));
}

bool usable(const std::vector<float>& values, bool valid, const F0Pane& pane, int64_t totalSamples,
            const F0DisplayRange& range) {
  return valid && !values.empty() && totalSamples > 0 && pane.width > 0 && pane.height > 0 &&
         range.maxHz > range.minHz;
}

}  // namespace

uint32_t f0DotColourRgb(int colourScheme) { return colourScheme == 1 ? kF0DotRedRgb : kF0DotBlueRgb; }

F0Curve f0CurveDots(const std::vector<float>& values, bool valid, const F0Pane& pane, int64_t totalSamples,
                    int64_t firstSample, int64_t lastSample, const F0DisplayRange& range, int colourScheme) {
  F0Curve curve;
  curve.colourRgb = f0DotColourRgb(colourScheme);
  if (!usable(values, valid, pane, totalSamples, range)) return curve;
  const float samplesPerValue = static_cast<float>(totalSamples) / static_cast<float>(values.size());
  const float h = static_cast<float>(firstSample) / samplesPerValue;
  const float step = (static_cast<float>(lastSample) / samplesPerValue - h) / static_cast<float>(pane.width);
  for (int i = 0; i < pane.width; ++i) {
    const float position = h + static_cast<float>(i) * step;
    // Rounding can land on one past the last value at the right edge; there is nothing there.
    if (position < 0.0f || position >= static_cast<float>(values.size())) continue;
    const float v = values[static_cast<size_t>(position)];
    if (v == 0.0f || !inRange(v, range)) continue;
    const int y = dotTop(v, pane, range);
    int x = pane.x0 + i;
    if (x >= pane.x0 + pane.width) x -= kDotSize;
    curve.dots.push_back(clipToPane(DotBox{x, y, x + kDotSize, y + kDotSize}, pane));
  }
  return curve;
}

F0Marker f0MarkerAt(const std::vector<float>& values, bool valid, const F0Pane& pane, int64_t totalSamples,
                    int64_t position, const F0DisplayRange& range, int colourScheme) {
  F0Marker marker;
  marker.colourRgb = f0DotColourRgb(colourScheme);
  if (!usable(values, valid, pane, totalSamples, range) || position < 0) return marker;
  const auto count = static_cast<int64_t>(values.size());
  // At the very end of the recording the index would be one past the last value.
  marker.index = static_cast<int>(std::min(count * position / totalSamples, count - 1));
  const float v = values[static_cast<size_t>(marker.index)];
  if (v != 0.0f && inRange(v, range)) {
    const int y = dotTop(v, pane, range);
    const int right = pane.x0 + pane.width;
    marker.dot = clipToPane(DotBox{right - kDotSize, y, right, y + kDotSize}, pane);
  }
  return marker;
}

F0Curve f0DotsAtColumns(const std::vector<float>& values, bool valid, const F0Pane& pane, int64_t totalSamples,
                        const std::vector<int64_t>& columnSamples, const F0DisplayRange& range, int colourScheme) {
  F0Curve curve;
  curve.colourRgb = f0DotColourRgb(colourScheme);
  if (!usable(values, valid, pane, totalSamples, range)) return curve;
  const size_t columns = std::min(columnSamples.size(), static_cast<size_t>(pane.width));
  for (size_t i = 0; i < columns; ++i) {
    const int64_t sample = columnSamples[i];
    if (sample < 0 || sample >= totalSamples) continue;
    const float v = values[valueIndexAt(values.size(), totalSamples, sample)];
    if (v == 0.0f || !inRange(v, range)) continue;
    const int y = dotTop(v, pane, range);
    int x = pane.x0 + 1 + static_cast<int>(i);
    if (x > pane.x0 + pane.width - kDotSize) x = pane.x0 + pane.width - kDotSize;
    curve.dots.push_back(clipToPane(DotBox{x, y, x + kDotSize, y + kDotSize}, pane));
  }
  return curve;
}

}  // namespace velmora
