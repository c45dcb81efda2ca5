#include "presentation/waveform_reduction.h"

#include <algorithm>

namespace velmora {

namespace {
int sampleY(double value, const WavePane& pane) {
  const int centre = pane.top + pane.height / 2;
  int y = static_cast<int>(centre - value / 32768.0 * (pane.height / 2));
  return std::clamp(y, pane.top + 1, pane.top + pane.height - 1);
}
}  // namespace

std::vector<WavePoint> reduceWaveform(const std::vector<int16_t>& samples, int32_t visibleStart, int32_t visibleEnd,
                                      const WavePane& pane) {
  std::vector<WavePoint> points;
  const int32_t count = static_cast<int32_t>(samples.size());
  visibleStart = std::clamp(visibleStart, 0, count);
  visibleEnd = std::clamp(visibleEnd, visibleStart, count);
  if (pane.width <= 0 || visibleEnd <= visibleStart) return points;
  const float perColumn = static_cast<float>(visibleEnd - visibleStart) / static_cast<float>(pane.width);
  if (perColumn <= 0.0f) return points;
  points.reserve(static_cast<size_t>(pane.width) * kWaveSubSteps + 1);
  points.push_back({pane.left, pane.top + pane.height / 2});
  for (int c = 0; c < pane.width; ++c) {
    for (int step = 0; step < kWaveSubSteps; ++step) {
      const float j = static_cast<float>(step) / kWaveSubSteps;
      int32_t index = visibleStart + static_cast<int32_t>(perColumn * c) + static_cast<int32_t>(j * perColumn);
      index = std::min(index, visibleEnd - 1);  // float rounding must never read past the range
      points.push_back({pane.left + c, sampleY(samples[static_cast<size_t>(index)], pane)});
    }
  }
  return points;
}

std::vector<WavePoint> reduceLiveSignal(const std::vector<float>& live, const WavePane& pane) {
  std::vector<WavePoint> points;
  if (live.empty() || pane.width <= 0) return points;
  points.push_back({pane.left, pane.top + pane.height / 2});
  for (int c = 0; c < pane.width; ++c) {
    for (int step = 0; step < kWaveSubSteps; ++step) {
      const size_t index = static_cast<size_t>(c) * kWaveSubSteps + static_cast<size_t>(step);
      if (index >= live.size()) return points;
      points.push_back({pane.left + c, sampleY(live[index], pane)});
    }
  }
  return points;
}

std::vector<WavePoint> mergeColumnRuns(const std::vector<WavePoint>& points) {
  std::vector<WavePoint> thin;
  thin.reserve(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    const WavePoint p = points[i];
    if (thin.size() >= 1 && i + 1 < points.size()) {
      const WavePoint a = thin.back();
      const WavePoint c = points[i + 1];
      // Inside a column a point on the way from a lower to a higher value (or back) ends one
      // segment where the next, in the same direction, starts: both draw as one segment.
      // Repeated values stay: a zero-length segment can set a pixel of its own.
      const bool sameColumn = a.x == p.x && c.x == p.x;
      if (sameColumn && ((a.y < p.y && p.y < c.y) || (a.y > p.y && p.y > c.y))) continue;
    }
    thin.push_back(p);
  }
  return thin;
}

}  // namespace velmora
