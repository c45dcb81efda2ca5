#pragma once
// The usual range shown beside each voice report row, by client type (0 man, 1 woman, 2 child,
// 3 singer). Jitter and shimmer: the thresholds for pathology of Kay Elemetrics' MDVP, as the
// Praat manual quotes them for its voice report (sustained vowels, adults). Mean and median
// F0: 85-180 Hz for men and 165-255 Hz for women (Baken & Orlikoff, Clinical Measurement of
// Speech and Voice). No range where no source gives one for the client's type.
#include <string>

namespace velmora {

// "< 1.040", "85 - 180", or "" (no usual range).
std::string voiceReportUsualRange(const std::string& rowName, int clientType);
// The string id naming the group the ranges are for ("adult men", "children", ...).
int voiceReportRangeGroup(int clientType);

}  // namespace velmora
