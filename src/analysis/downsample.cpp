#include "analysis/downsample.h"

#include <cmath>
#include <numbers>

#include "analysis/sigproc.h"

namespace velmora::f0 {

bool Decimator::design(double sampFreq, int decimate) {
  if (decimate < 2) return false;
  const auto length = static_cast<size_t>(static_cast<int>(sampFreq * 0.005) | 1);
  if (length < 3) return false;
  const size_t half = length / 2;
  const float pi = std::numbers::pi_v<float>;
  taps_.assign(length, 0.0f);
  taps_[half] = 1.0f / static_cast<float>(decimate);
  for (size_t i = 1; i <= half; ++i) {
    const float x = static_cast<float>(i) * pi;
    const float v = std::sin(x / static_cast<float>(decimate)) / x;
    taps_[half + i] = v;
    taps_[half - i] = v;
  }
  const float arg = 2.0f * pi / static_cast<float>(length);
  for (size_t i = 0; i < length; ++i) taps_[i] *= 0.5f - 0.5f * std::cos((static_cast<float>(i) + 0.5f) * arg);
  state_.assign(half, 0.0f);
  decimate_ = decimate;
  return true;
}

size_t Decimator::process(const float* data, size_t n, size_t nextBufferStart, float* out, size_t outCapacity) {
  const size_t length = taps_.size();
  const auto half = static_cast<long>(length / 2);
  const auto dec = static_cast<size_t>(decimate_);
  const auto count = static_cast<long>(n);
  size_t produced = 0;
  for (size_t c = 0; produced < outCapacity && c < n; c += dec, ++produced) {
    const long first = static_cast<long>(c) - half;
    if (first >= 0 && first + static_cast<long>(length) <= count) {
      out[produced] = std::round(dotProduct(data + first, taps_.data(), length));
      continue;
    }
    float sum = 0.0f;
    for (size_t i = 0; i < length; ++i) {
      const long p = first + static_cast<long>(i);
      if (p < 0) {
        sum += state_[static_cast<size_t>(p + half)] * taps_[i];
      } else if (p < count) {
        sum += data[p] * taps_[i];
      }
    }
    out[produced] = std::round(sum);  // halves away from zero
  }
  for (long i = 0; i < half; ++i) {
    const long p = static_cast<long>(nextBufferStart) - half + i;
    state_[static_cast<size_t>(i)] = (p >= 0 && p < count) ? data[p] : 0.0f;
  }
  return produced;
}

}  // namespace velmora::f0
