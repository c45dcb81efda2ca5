#include "analysis/voice_report.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/cepstral_prominence.h"
#include "analysis/harmonicity.h"
#include "analysis/voice_perturbation.h"

namespace velmora {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void addF0Statistics(const VoiceInput& in, VoiceReport& report) {
  std::vector<double> voiced;
  const size_t last = in.endFrame();
  for (size_t k = in.firstFrame(); k < last; ++k) {
    ++report.frames;
    if (in.f0[k] > 0.0f) voiced.push_back(in.f0[k]);
  }
  report.unvoicedFrames = report.frames - voiced.size();
  report.unvoicedFraction =
      report.frames > 0 ? static_cast<double>(report.unvoicedFrames) / static_cast<double>(report.frames) : kNaN;
  if (voiced.empty()) {
    report.f0Median = report.f0Mean = report.f0Sd = report.f0Min = report.f0Max = kNaN;
    return;
  }
  std::sort(voiced.begin(), voiced.end());
  const size_t n = voiced.size();
  report.f0Median = n % 2 == 1 ? voiced[n / 2] : 0.5 * (voiced[n / 2 - 1] + voiced[n / 2]);
  double sum = 0.0;
  for (double v : voiced) sum += v;
  report.f0Mean = sum / static_cast<double>(n);
  double squares = 0.0;
  for (double v : voiced) squares += (v - report.f0Mean) * (v - report.f0Mean);
  report.f0Sd = n > 1 ? std::sqrt(squares / static_cast<double>(n - 1)) : 0.0;
  report.f0Min = voiced.front();
  report.f0Max = voiced.back();
}

void addPerturbation(const std::vector<GlottalPulse>& pulses, double rate, VoiceReport& report) {
  PerturbationSeries periods, amplitudes;
  periods.maximumFactor = kPeriodFactor;
  amplitudes.maximumFactor = kAmplitudeFactor;
  const double breakLength = 1.25 / kVoiceBreakFloorHz;
  for (size_t i = 0; i + 1 < pulses.size(); ++i) {
    const double period = (pulses[i + 1].position - pulses[i].position) / rate;
    if (period > breakLength) {
      ++report.voiceBreaks;
      report.voiceBreakSeconds += period;
    }
    const bool usable = period >= kShortestPeriod && period <= kLongestPeriod && !pulses[i + 1].startsWalk;
    periods.values.push_back(period);
    periods.usable.push_back(usable);
    amplitudes.values.push_back(pulses[i].amplitude);
    amplitudes.usable.push_back(usable && pulses[i].amplitude > 0.0);
  }
  const double meanPeriod = perturbationMean(periods);
  const double meanAmplitude = perturbationMean(amplitudes);
  report.jitterLocalAbsolute = perturbationLocal(periods);
  report.jitterLocal = report.jitterLocalAbsolute / meanPeriod;
  report.jitterRap = perturbationQuotient(periods, 3) / meanPeriod;
  report.jitterPpq5 = perturbationQuotient(periods, 5) / meanPeriod;
  report.jitterDdp = perturbationDifferences(periods) / meanPeriod;
  report.shimmerLocal = perturbationLocal(amplitudes) / meanAmplitude;
  report.shimmerLocalDb = perturbationLocalDecibels(amplitudes);
  report.shimmerApq3 = perturbationQuotient(amplitudes, 3) / meanAmplitude;
  report.shimmerApq5 = perturbationQuotient(amplitudes, 5) / meanAmplitude;
  report.shimmerApq11 = perturbationQuotient(amplitudes, 11) / meanAmplitude;
  report.shimmerDda = perturbationDifferences(amplitudes) / meanAmplitude;
}

void clearMeasures(VoiceReport& report) {
  report.jitterLocal = report.jitterLocalAbsolute = report.jitterRap = report.jitterPpq5 = report.jitterDdp = kNaN;
  report.shimmerLocal = report.shimmerLocalDb = report.shimmerApq3 = report.shimmerApq5 = report.shimmerApq11 =
      report.shimmerDda = kNaN;
  report.hnrDb = kNaN;
}

}  // namespace

VoiceReport computeVoiceReport(const VoiceInput& in) {
  VoiceReport report;
  if (in.rateHz <= 0.0 || in.end <= in.begin) {
    report.status = VoiceReportStatus::TooShort;
    clearMeasures(report);
    report.f0Median = report.f0Mean = report.f0Sd = report.f0Min = report.f0Max = report.cppsDb = kNaN;
    return report;
  }
  report.startSeconds = static_cast<double>(in.begin) / in.rateHz;
  report.endSeconds = static_cast<double>(in.end) / in.rateHz;
  addF0Statistics(in, report);
  const std::vector<GlottalPulse> pulses = findGlottalPulses(in);
  if (stopRequested(in.stop)) return report;
  report.pulses = pulses.size();
  report.periods = pulses.empty() ? 0 : pulses.size() - 1;
  report.cppsDb = smoothedCepstralPeakProminence(in);
  clearMeasures(report);
  if (stopRequested(in.stop)) return report;
  if (pulses.size() < 2) {
    // A span too short to hold three periods of even the highest voice cannot say "no voice".
    const bool tooShortToTell = in.end - in.begin < static_cast<size_t>(3.0 * in.rateHz / kVoiceBreakFloorHz);
    report.status = report.frames > report.unvoicedFrames || tooShortToTell ? VoiceReportStatus::TooShort
                                                                              : VoiceReportStatus::NoPeriods;
    return report;
  }
  if (report.periods < static_cast<size_t>(kMinimumPeriods)) {
    report.status = VoiceReportStatus::TooShort;
    return report;
  }
  report.status = VoiceReportStatus::Ok;
  addPerturbation(pulses, in.rateHz, report);
  report.hnrDb = meanHarmonicity(in).meanDb;
  return report;
}

std::string voiceReportProblem(const VoiceReport& report) {
  switch (report.status) {
    case VoiceReportStatus::Ok:
      return "";
    case VoiceReportStatus::NoPeriods:
      return "no periods: the span has no voiced part";
    case VoiceReportStatus::TooShort:
      break;
  }
  return "the span is shorter than three periods: select a longer part of the voice";
}

}  // namespace velmora
