#pragma once
// The voice report as named rows, in the order every output shows them (command line, dialog,
// clipboard, CSV). Values are in the row's unit (percent where the unit is "%"); NaN where the
// measure is undefined for the span.
#include <string>
#include <vector>

#include "analysis/voice_report.h"

namespace velmora {

struct VoiceReportRow {
  std::string name;  // machine name, as in CSV: "jitter_local"
  double value = 0.0;
  std::string unit;  // "Hz", "%", "us", "dB", "s", "" for counts
  int decimals = 0;
};

std::vector<VoiceReportRow> voiceReportRows(const VoiceReport& report);

}  // namespace velmora
