#pragma once
// A stretch of the recording in samples, [start, end). The ends may arrive in either
// order (a drag from right to left); ordered() gives the stretch the edits work on.
#include <algorithm>
#include <cstdint>

namespace velmora {

struct SampleRange {
  int32_t start = 0;
  int32_t end = 0;

  SampleRange ordered() const { return {std::min(start, end), std::max(start, end)}; }
  int32_t length() const { return ordered().end - ordered().start; }
  bool empty() const { return start == end; }
  // The same stretch held inside 0..count (what may touch the samples).
  SampleRange clampedTo(int32_t count) const {
    const SampleRange o = ordered();
    return {std::clamp(o.start, 0, count), std::clamp(o.end, 0, count)};
  }
  bool operator==(const SampleRange&) const = default;
};

}  // namespace velmora
