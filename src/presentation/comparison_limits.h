#pragma once
// The "Limit:" list of the Compare window: the frequency limits offered for the compared
// file's rate, and the one chosen when the window opens.
#include <vector>

namespace velmora {

inline constexpr int kComparisonInitialLimitIndex = 2;

// Limits in Hz for 11025, 22050 or 44100 Hz; empty for any other rate.
std::vector<int> comparisonLimits(int rateHz);
// The limit the window starts with; 0 when the rate offers none.
int initialComparisonLimit(int rateHz);

}  // namespace velmora
