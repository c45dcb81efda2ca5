#pragma once
// A long computation that may run on a worker thread looks at this flag between its steps;
// once it is set, the computation gives up and its result is not valid. Null: never stops.
#include <atomic>

namespace velmora {

using StopFlag = std::atomic<bool>;

inline bool stopRequested(const StopFlag* stop) { return stop != nullptr && stop->load(std::memory_order_relaxed); }

}  // namespace velmora
