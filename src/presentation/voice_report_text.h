#pragma once
// The voice report's texts for people: each row's label (a string id) and the short list of
// key measures the printed page carries ("Jitter (local): 0.412 %").
#include <string>
#include <vector>

#include "analysis/voice_report.h"

namespace velmora {

// The string id of a row's label; 0 for a name the report does not have.
int voiceReportRowLabel(const std::string& rowName);

// The span, F0, periods, voice breaks, the main jitter and shimmer measures, HNR and CPPS as
// "label: value unit" items, "--" for an undefined value; a report without numbers gives the
// sentence that says why.
std::vector<std::string> voiceReportPageItems(const VoiceReport& report);

}  // namespace velmora
