#include "presentation/comparison_limits.h"

namespace velmora {

std::vector<int> comparisonLimits(int rateHz) {
  switch (rateHz) {
    case 11025: return {2756, 3675, 5512};
    case 22050: return {2756, 5512, 7350, 11025};
    case 44100: return {2756, 5512, 7350, 11025, 14700, 22050};
    default: return {};
  }
}

int initialComparisonLimit(int rateHz) {
  const std::vector<int> limits = comparisonLimits(rateHz);
  return limits.size() > kComparisonInitialLimitIndex ? limits[kComparisonInitialLimitIndex] : 0;
}

}  // namespace velmora
