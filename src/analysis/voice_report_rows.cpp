#include "analysis/voice_report_rows.h"

namespace velmora {

std::vector<VoiceReportRow> voiceReportRows(const VoiceReport& r) {
  const double percent = 100.0;
  return {
      {"start", r.startSeconds, "s", 3},
      {"end", r.endSeconds, "s", 3},
      {"f0_median", r.f0Median, "Hz", 2},
      {"f0_mean", r.f0Mean, "Hz", 2},
      {"f0_sd", r.f0Sd, "Hz", 2},
      {"f0_min", r.f0Min, "Hz", 2},
      {"f0_max", r.f0Max, "Hz", 2},
      {"pulses", static_cast<double>(r.pulses), "", 0},
      {"periods", static_cast<double>(r.periods), "", 0},
      {"unvoiced_frames", r.unvoicedFraction * percent, "%", 2},
      {"voice_breaks", static_cast<double>(r.voiceBreaks), "", 0},
      {"voice_break_length", r.voiceBreakSeconds, "s", 3},
      {"jitter_local", r.jitterLocal * percent, "%", 3},
      {"jitter_local_absolute", r.jitterLocalAbsolute * 1e6, "us", 2},
      {"jitter_rap", r.jitterRap * percent, "%", 3},
      {"jitter_ppq5", r.jitterPpq5 * percent, "%", 3},
      {"jitter_ddp", r.jitterDdp * percent, "%", 3},
      {"shimmer_local", r.shimmerLocal * percent, "%", 3},
      {"shimmer_local_db", r.shimmerLocalDb, "dB", 3},
      {"shimmer_apq3", r.shimmerApq3 * percent, "%", 3},
      {"shimmer_apq5", r.shimmerApq5 * percent, "%", 3},
      {"shimmer_apq11", r.shimmerApq11 * percent, "%", 3},
      {"shimmer_dda", r.shimmerDda * percent, "%", 3},
      {"hnr", r.hnrDb, "dB", 2},
      {"cpps", r.cppsDb, "dB", 2},
  };
}

}  // namespace velmora
