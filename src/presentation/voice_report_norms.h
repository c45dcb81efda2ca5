#pragma once
// The usual range shown beside each voice report row, by client type (0 man, 1 woman, 2 child,
// 3 singer). Jitter and shimmer: the thresholds for pathology of Kay Elemetrics' MDVP, as the
// Praat manual quotes them for its voice report (sustained vowels, adults). Mean and median
// F0: 85-180 Hz for men and 165-255 Hz for women (Baken & Orlikoff, Clinical Measurement of
// Speech and Voice). Children: mean +- 2 sd (F0) and mean + 2 sd (jitter and shimmer local) of
// 237 children aged 4 to 9 measured with MDVP on sustained [a] (Int. J. Pediatr.
// Otorhinolaryngol. 143, 2021, 110662); the adult thresholds of the other measures do not
// carry over to children, so those rows have none. No range where no source gives one.
#include <string>

namespace velmora {

// "< 1.040", "85 - 180", or "" (no usual range).
std::string voiceReportUsualRange(const std::string& rowName, int clientType);
// The string id naming the group the ranges are for ("adult men", "children", ...).
int voiceReportRangeGroup(int clientType);

}  // namespace velmora
