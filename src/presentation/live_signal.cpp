#include "presentation/live_signal.h"

#include <algorithm>

#include "analysis/live_f0.h"
#include "presentation/waveform_reduction.h"

namespace velmora {

void LiveSignal::start(int rateHz, int paneColumns) {
  rateHz_ = rateHz;
  paneValues_ = static_cast<size_t>(std::max(paneColumns, 1)) * kWaveSubSteps;
  // The F0 readout needs its block even on a narrow pane.
  capacity_ = std::max(paneValues_, kLiveF0Samples);
  store_.clear();
  f0Bytes_ = 0;
}

void LiveSignal::push(const int16_t* samples, size_t count) {
  if (!samples || count == 0 || capacity_ == 0) return;
  if (count >= capacity_) {
    samples += count - capacity_;
    count = capacity_;
  }
  store_.insert(store_.end(), samples, samples + count);
  while (store_.size() > capacity_) store_.pop_front();
}

std::vector<float> LiveSignal::values() const {
  const size_t shown = paneValues_;
  std::vector<float> out(shown, 0.0f);
  const size_t have = std::min(store_.size(), shown);
  // Right-aligned: the newest sample sits at the pane's right edge.
  std::transform(store_.end() - static_cast<std::ptrdiff_t>(have), store_.end(), out.end() - static_cast<std::ptrdiff_t>(have),
                 [](int16_t s) { return static_cast<float>(s); });
  return out;
}

std::optional<float> LiveSignal::f0Due(int bufferBytes) {
  f0Bytes_ += bufferBytes;
  if (f0Bytes_ <= 4LL * bufferBytes) return std::nullopt;
  f0Bytes_ = 0;
  if (store_.size() < kLiveF0Samples) return std::nullopt;
  const std::vector<int16_t> newest(store_.end() - static_cast<std::ptrdiff_t>(kLiveF0Samples), store_.end());
  return estimateLiveF0(newest.data(), newest.size(), rateHz_);
}

}  // namespace velmora
