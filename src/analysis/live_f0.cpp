#include "analysis/live_f0.h"

#include <algorithm>
#include <new>
#include <vector>

#include "analysis/compute_f0.h"

namespace velmora {
namespace {

constexpr int kLiveMinHz = 70;
constexpr int kLiveMaxHz = 1400;
constexpr int kLiveFramesPerSecond = 90;

}  // namespace

int liveF0BlockLength(int sampFreq) {
  switch (sampFreq) {
    case 22050: return 6000;
    case 44100: return 12000;
    default: return 3000;
  }
}

float estimateLiveF0(const int16_t* samples, size_t n, int sampFreq) try {
  const auto block = static_cast<size_t>(liveF0BlockLength(sampFreq));
  std::vector<float> data(block + 1, 0.0f);
  // More samples than the block holds would overrun it: keep the block's worth at the start.
  const size_t used = std::min(n, block + 1);
  for (size_t i = 0; i < used; ++i) data[i] = static_cast<float>(samples[i]);
  std::vector<float> values;
  if (!computeF0(data.data(), block - 1, sampFreq, kLiveMinHz, kLiveMaxHz, kLiveFramesPerSecond, values)) return 0.0f;
  return values.empty() ? 0.0f : values.front();
} catch (const std::bad_alloc&) {
  return 0.0f;  // no estimate this time; the display shows 0
}

}  // namespace velmora
