#pragma once
// Samples to the waveform pane's polyline: graphWidth columns of 8 sub-steps each, so the
// cost follows the pane width, never the file length. A visible range shorter than the
// pane repeats samples across columns instead of leaving gaps.
#include <cstdint>
#include <vector>

namespace velmora {

struct WavePoint {
  int x;
  int y;
};

struct WavePane {
  int left;
  int width;   // pixel columns
  int top;
  int height;
};

inline constexpr int kWaveSubSteps = 8;

// The first point is the pen's start at (left, centre); then width x 8 points.
// Empty when the range holds no samples.
std::vector<WavePoint> reduceWaveform(const std::vector<int16_t>& samples, int32_t visibleStart, int32_t visibleEnd,
                                      const WavePane& pane);

// The live signal: values 8c .. 8c + 7 of `live` for column c (s = 1).
std::vector<WavePoint> reduceLiveSignal(const std::vector<float>& live, const WavePane& pane);

// The same one-pixel polyline without the points that lie strictly between their two
// neighbours in the same column: the segments on either side run the same way, and drawn as
// one they set the same pixels (also under the large layout's stretch; tested on images).
std::vector<WavePoint> mergeColumnRuns(const std::vector<WavePoint>& points);

}  // namespace velmora
