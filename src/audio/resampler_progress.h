#pragma once
// Turns the steps done by the filter passes into the progress steps 0 .. 101 of the wait
// dialog, and carries the user's cancel back to the passes.
#include <algorithm>
#include <cstddef>
#include <functional>

namespace velmora {

inline constexpr int kProgressSteps = 101;

// Called with 0 .. kProgressSteps; returning false cancels the conversion.
using ResampleProgress = std::function<bool(int step)>;

class ProgressMeter {
 public:
  ProgressMeter(const ResampleProgress& callback, double totalSteps) : callback_(callback), total_(totalSteps) {}

  // Reports step 0; false when cancelled at once.
  bool start() { return report(0); }

  // False once the user has cancelled.
  bool advance(size_t steps) {
    done_ += static_cast<double>(steps);
    const double fraction = total_ > 0 ? std::min(1.0, done_ / total_) : 1.0;
    // The last step is kept for finish(), so 101 always means "done".
    const int step = std::min(kProgressSteps - 1, static_cast<int>(fraction * kProgressSteps));
    return step == reported_ ? !cancelled_ : report(step);
  }

  void finish() { report(kProgressSteps); }

 private:
  bool report(int step) {
    reported_ = step;
    if (callback_ && !cancelled_ && !callback_(step)) cancelled_ = true;
    return !cancelled_;
  }

  const ResampleProgress& callback_;
  double total_;
  double done_ = 0;
  int reported_ = -1;
  bool cancelled_ = false;
};

}  // namespace velmora
