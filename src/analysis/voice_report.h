#pragma once
// The voice report of a span: F0 statistics from the F0 track, glottal pulses, jitter,
// shimmer, voice breaks, harmonics-to-noise ratio and CPPS.
//   - F0 median, mean, sd, minimum, maximum over the span's voiced F0 frames;
//   - fraction of locally unvoiced frames: the span's F0 frames with no F0;
//   - periods: intervals between consecutive pulses; one is usable for jitter and shimmer
//     when it lasts kShortestPeriod .. kLongestPeriod seconds and does not join two walks;
//   - voice breaks: intervals between consecutive pulses longer than 1.25 / kVoiceBreakFloorHz;
//   - jitter from the usable periods (factor 1.3 between neighbours), shimmer from the
//     amplitudes of the pulses that begin usable periods (factor 1.6 between neighbours);
//   - HNR (harmonicity) and CPPS (cepstral_prominence).
// A span with voiced frames but fewer than three periods is refused (TooShort); one without
// periods reports NoPeriods (silence, noise) and only the frame counts and CPPS.
// When input.stop is set during the computation, the report returned is not valid.
#include <cstddef>
#include <string>

#include "analysis/glottal_pulses.h"

namespace velmora {

inline constexpr double kShortestPeriod = 0.0001;
inline constexpr double kLongestPeriod = 0.02;
inline constexpr double kPeriodFactor = 1.3;
inline constexpr double kAmplitudeFactor = 1.6;
inline constexpr double kVoiceBreakFloorHz = 60.0;
inline constexpr int kMinimumPeriods = 3;

enum class VoiceReportStatus { Ok, NoPeriods, TooShort };

struct VoiceReport {
  VoiceReportStatus status = VoiceReportStatus::NoPeriods;
  double startSeconds = 0.0, endSeconds = 0.0;
  // Hz; NaN when no frame is voiced.
  double f0Median = 0.0, f0Mean = 0.0, f0Sd = 0.0, f0Min = 0.0, f0Max = 0.0;
  size_t pulses = 0, periods = 0;
  size_t frames = 0, unvoicedFrames = 0;
  double unvoicedFraction = 0.0;  // 0 .. 1
  size_t voiceBreaks = 0;
  double voiceBreakSeconds = 0.0;
  // Fractions (the text shows percent), seconds for the absolute jitter; NaN when undefined.
  double jitterLocal = 0.0, jitterLocalAbsolute = 0.0, jitterRap = 0.0, jitterPpq5 = 0.0, jitterDdp = 0.0;
  double shimmerLocal = 0.0, shimmerLocalDb = 0.0, shimmerApq3 = 0.0, shimmerApq5 = 0.0, shimmerApq11 = 0.0,
         shimmerDda = 0.0;
  double hnrDb = 0.0;
  double cppsDb = 0.0;
};

VoiceReport computeVoiceReport(const VoiceInput& input);

// One sentence for a report that has no numbers ("" when status is Ok).
std::string voiceReportProblem(const VoiceReport& report);

}  // namespace velmora
