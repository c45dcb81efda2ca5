#include "presentation/voice_report_text.h"

#include <charconv>
#include <cmath>
#include <map>

#include "analysis/voice_report_rows.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

int voiceReportRowLabel(const std::string& name) {
  static const std::map<std::string, int> labels = {
      {"start", str::RowStart},
      {"end", str::RowEnd},
      {"f0_median", str::RowF0Median},
      {"f0_mean", str::RowF0Mean},
      {"f0_sd", str::RowF0Sd},
      {"f0_min", str::RowF0Min},
      {"f0_max", str::RowF0Max},
      {"pulses", str::RowPulses},
      {"periods", str::RowPeriods},
      {"unvoiced_frames", str::RowUnvoicedFrames},
      {"voice_breaks", str::RowVoiceBreaks},
      {"voice_break_length", str::RowVoiceBreakLength},
      {"jitter_local", str::RowJitterLocal},
      {"jitter_local_absolute", str::RowJitterAbsolute},
      {"jitter_rap", str::RowJitterRap},
      {"jitter_ppq5", str::RowJitterPpq5},
      {"jitter_ddp", str::RowJitterDdp},
      {"shimmer_local", str::RowShimmerLocal},
      {"shimmer_local_db", str::RowShimmerDb},
      {"shimmer_apq3", str::RowShimmerApq3},
      {"shimmer_apq5", str::RowShimmerApq5},
      {"shimmer_apq11", str::RowShimmerApq11},
      {"shimmer_dda", str::RowShimmerDda},
      {"hnr", str::RowHnr},
      {"cpps", str::RowCpps},
  };
  const auto it = labels.find(name);
  return it == labels.end() ? 0 : it->second;
}

std::vector<std::string> voiceReportPageItems(const VoiceReport& report) {
  if (report.status == VoiceReportStatus::NoPeriods) return {tr(str::VoiceReportNoPeriods)};
  if (report.status == VoiceReportStatus::TooShort) return {tr(str::VoiceReportTooShort)};
  static const char* const kOnPage[] = {"start",        "end",           "f0_mean",     "f0_sd",
                                        "periods",      "voice_breaks",  "jitter_local", "jitter_rap",
                                        "shimmer_local", "shimmer_apq11", "hnr",         "cpps"};
  std::vector<std::string> items;
  for (const VoiceReportRow& row : voiceReportRows(report)) {
    bool wanted = false;
    for (const char* name : kOnPage) wanted = wanted || row.name == name;
    if (!wanted) continue;
    std::string item = tr(voiceReportRowLabel(row.name)) + ": ";
    if (std::isfinite(row.value)) {
      char text[64];
      const auto end = std::to_chars(text, text + sizeof text, row.value, std::chars_format::fixed, row.decimals).ptr;
      item.append(text, end);
    } else {
      item += "--";
    }
    if (!row.unit.empty()) item += " " + (row.unit == "us" ? std::string("\u00b5s") : row.unit);
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace velmora
