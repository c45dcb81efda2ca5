#include "presentation/voice_report_norms.h"

#include <array>

#include "core/string_ids.h"

namespace velmora {

namespace {
struct Threshold {
  const char* row;
  const char* text;
};
constexpr std::array<Threshold, 7> kAdultThresholds = {{
    {"jitter_local", "< 1.040"},
    {"jitter_local_absolute", "< 83.200"},
    {"jitter_rap", "< 0.680"},
    {"jitter_ppq5", "< 0.840"},
    {"shimmer_local", "< 3.810"},
    {"shimmer_local_db", "< 0.350"},
    {"shimmer_apq11", "< 3.070"},
}};
// F0 258.57 +- 39.69 Hz, jitter 0.85 +- 0.67 %, shimmer 1.59 +- 1.03 %.
constexpr std::array<Threshold, 4> kChildRanges = {{
    {"f0_median", "179 - 338"},
    {"f0_mean", "179 - 338"},
    {"jitter_local", "< 2.190"},
    {"shimmer_local", "< 3.650"},
}};
constexpr int kMan = 0, kWoman = 1, kChild = 2;
}  // namespace

std::string voiceReportUsualRange(const std::string& rowName, int clientType) {
  if (clientType == kChild) {
    for (const Threshold& t : kChildRanges)
      if (rowName == t.row) return t.text;
    return {};
  }
  if (rowName == "f0_median" || rowName == "f0_mean") {
    if (clientType == kMan) return "85 - 180";
    if (clientType == kWoman) return "165 - 255";
    return {};
  }
  for (const Threshold& t : kAdultThresholds)
    if (rowName == t.row) return t.text;
  return {};
}

int voiceReportRangeGroup(int clientType) {
  switch (clientType) {
    case kMan: return str::VoiceReportAdultMen;
    case kWoman: return str::VoiceReportAdultWomen;
    case kChild: return str::VoiceReportChildren;
    default: return str::VoiceReportAdults;
  }
}

}  // namespace velmora
