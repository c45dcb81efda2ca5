#include "view/overlay_dots.h"

#include <algorithm>

namespace velmora {

std::vector<Dot> f0Dots(const std::vector<float>& values, int32_t totalSamples, int32_t visibleStart,
                        int32_t visibleEnd, const PaneRect& pane, int f0Min, int f0Max) {
  std::vector<Dot> dots;
  if (values.empty() || totalSamples <= 0 || pane.width <= 0 || f0Max <= f0Min) return dots;
  const float perValue = static_cast<float>(totalSamples) / static_cast<float>(values.size());
  const float first = static_cast<float>(visibleStart) / perValue;
  const float step = (static_cast<float>(visibleEnd) / perValue - first) / static_cast<float>(pane.width);
  for (int c = 0; c < pane.width; ++c) {
    const long long k = static_cast<long long>(first + c * step);
    if (k < 0 || k >= static_cast<long long>(values.size())) continue;
    const float v = values[static_cast<size_t>(k)];
    if (v == 0.0f) continue;
    if (v < f0Min || v > f0Max) continue;
    const float u = std::max(0.0f, (v - f0Min) * 100.0f / static_cast<float>(f0Max - f0Min));
    int y = static_cast<int>(pane.bottom() - u / 100.0f * pane.height);
    if (y >= pane.bottom()) y -= kF0DotSize;  // the top value would sit under the pane
    y = std::max(y, pane.top);
    int x = pane.left + 1 + c;
    if (x >= pane.right()) x -= kF0DotSize;
    dots.push_back({x, y, kF0DotSize, 0});
  }
  return dots;
}

std::vector<Dot> formantDots(const std::vector<FormantFrameValues>& frames, const std::vector<float>& f0Values,
                             int32_t totalSamples, int32_t visibleStart, int32_t visibleEnd, const PaneRect& pane,
                             double topFrequencyHz) {
  std::vector<Dot> dots;
  if (frames.empty() || totalSamples <= 0 || pane.width <= 0 || topFrequencyHz <= 0) return dots;
  const float perFrame = static_cast<float>(totalSamples) / static_cast<float>(frames.size());
  const float first = std::max(0.0f, static_cast<float>(visibleStart) / perFrame);
  const float step = (static_cast<float>(visibleEnd) / perFrame - first) / static_cast<float>(pane.width);
  const float perF0 = f0Values.empty() ? 0.0f : static_cast<float>(totalSamples) / static_cast<float>(f0Values.size());
  for (int c = 0; c < pane.width; ++c) {
    const long long k = static_cast<long long>(first + c * step);
    if (k < 0 || k >= static_cast<long long>(frames.size())) continue;
    const FormantFrameValues& frame = frames[static_cast<size_t>(k)];
    if (!frame.drawable) continue;
    if (!f0Values.empty()) {
      // The F0 frame at the same instant: both tracks start at the recording's first sample.
      const long long f0Index = static_cast<long long>(static_cast<float>(k) * perFrame / perF0);
      if (f0Index < 0 || f0Index >= static_cast<long long>(f0Values.size())) continue;
      if (f0Values[static_cast<size_t>(f0Index)] == 0.0f) continue;
    }
    for (int slot = 0; slot < 4; ++slot) {
      const double hz = frame.hz[static_cast<size_t>(slot)];
      if (!(hz > 0.0) || hz >= topFrequencyHz) continue;
      const int y = std::max(pane.top, pane.bottom() - static_cast<int>(pane.height * hz / topFrequencyHz));
      if (y + kFormantDotSize > pane.bottom()) continue;
      const int x = std::min(pane.left + c, pane.right() - kFormantDotSize);
      dots.push_back({x, y, kFormantDotSize, slot});
    }
  }
  return dots;
}

}  // namespace velmora
