#include "analysis/stationarity.h"

#include <algorithm>

#include "analysis/sigproc.h"

namespace velmora::f0 {
namespace {

constexpr float kPreEmphasis = 0.4f;
constexpr float kStabilisationDb = 30.0f;

}  // namespace

Stationarity::Stationarity(const StationaritySizes& sizes) : sizes_(sizes) {}

const float* Stationarity::window(const float* data, size_t n, long start, std::vector<float>& scratch) const {
  const auto length = static_cast<size_t>(sizes_.statWsize);
  if (start >= 0 && static_cast<size_t>(start) + length <= n) return data + start;
  // The window reaches into the previous buffer (or, defensively, past the data): gather it.
  scratch.assign(length, 0.0f);
  const auto kept = static_cast<long>(history_.size());
  for (size_t i = 0; i < length; ++i) {
    const long p = start + static_cast<long>(i);
    if (p < 0) {
      if (p + kept >= 0) scratch[i] = history_[static_cast<size_t>(p + kept)];
    } else if (static_cast<size_t>(p) < n) {
      scratch[i] = data[p];
    }
  }
  return scratch.data();
}

bool Stationarity::frameRecord(const float* data, size_t n, long currentStart, StatRecord& record) {
  if (bufferStart_ + currentStart < 0) {
    record = StatRecord{};
    return true;
  }
  const auto length = static_cast<size_t>(sizes_.statWsize);
  const float* current = window(data, n, currentStart, currentScratch_);
  LpcResult now;
  if (!lpc(current, length, sizes_.order, kPreEmphasis, kStabilisationDb, now, &error_)) return false;
  record.rms = windowedRms(current, length, &error_);

  float t = 10.0f;
  record.rmsRatio = 1.0f;
  const long previousStart = currentStart - sizes_.agap;
  if (bufferStart_ + previousStart >= 0) {
    WindowStat before;
    const auto limit = static_cast<size_t>(sizes_.windStatLim);
    if (limit > 0 && ring_.size() == limit) {
      before = ring_.front();
    } else {
      const float* previous = window(data, n, previousStart, previousScratch_);
      LpcResult then;
      if (!lpc(previous, length, sizes_.order, kPreEmphasis, kStabilisationDb, then, &error_)) return false;
      before.autocorrelation = std::move(then.autocorrelation);
      before.residualEnergy = then.residualEnergy;
      before.rms = windowedRms(previous, length, &error_);
    }
    t = itakuraDistance(now.coefficients, before.autocorrelation, before.residualEnergy) - 0.8f;
    if (before.rms > 0.0f) {
      record.rmsRatio = (record.rms + 0.001f) / before.rms;
    } else if (record.rms > 0.0f) {
      record.rmsRatio = 2.0f;
    }
  }
  record.stat = 0.2f / t;

  if (sizes_.windStatLim > 0) {
    if (ring_.size() == static_cast<size_t>(sizes_.windStatLim)) ring_.pop_front();
    ring_.push_back(WindowStat{std::move(now.autocorrelation), now.residualEnergy, record.rms});
  }
  return true;
}

bool Stationarity::process(const float* data, size_t n, int frames, std::vector<StatRecord>& out) {
  error_.clear();
  out.resize(static_cast<size_t>(std::max(frames, 0)));
  const long firstStart = (sizes_.agap - sizes_.statWsize) / 2;
  for (int f = 0; f < frames; ++f) {
    if (!frameRecord(data, n, firstStart + static_cast<long>(f) * sizes_.step, out[static_cast<size_t>(f)])) {
      return false;
    }
  }
  if (frames <= 0) return true;

  // Keep what the next buffer's early windows reach back into.
  const long end = static_cast<long>(frames) * sizes_.step;
  const long keep = std::min<long>(sizes_.statWsize + sizes_.agap, bufferStart_ + end);
  std::vector<float> next(static_cast<size_t>(keep), 0.0f);
  const auto kept = static_cast<long>(history_.size());
  for (long i = 0; i < keep; ++i) {
    const long p = end - keep + i;
    if (p < 0) {
      if (p + kept >= 0) next[static_cast<size_t>(i)] = history_[static_cast<size_t>(p + kept)];
    } else if (static_cast<size_t>(p) < n) {
      next[static_cast<size_t>(i)] = data[p];
    }
  }
  history_ = std::move(next);
  bufferStart_ += end;
  return true;
}

}  // namespace velmora::f0
