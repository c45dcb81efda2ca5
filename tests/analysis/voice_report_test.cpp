// The voice report on synthetic vowels whose cycles are known: a perfectly periodic voice,
// known jitter and shimmer, silence and noise, a too short span; and the perturbation
// formulas on a series worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

#include "analysis/f0_track.h"
#include "analysis/voice_perturbation.h"
#include "analysis/voice_report.h"

namespace velmora {
namespace {

constexpr int kRate = 22050;

// A vowel [a]: each cycle is three damped formant sinusoids starting at its onset, evaluated
// at the exact (fractional) onset and faded out within 0.8 mean periods, so that no cycle rings
// into the next and each peak is exactly its cycle's amplitude; periods and amplitudes as
// given, Gaussian noise at hnrDb.
struct Vowel {
  std::vector<float> samples;
  std::vector<double> onsets, amplitudes;

  // The true relative local perturbation of the cycles starting in [from, to) seconds.
  double truePeriodLocal(double from, double to) const {
    std::vector<double> periods;
    for (size_t i = 0; i + 1 < onsets.size(); ++i)
      if (onsets[i] >= from && onsets[i + 1] < to) periods.push_back(onsets[i + 1] - onsets[i]);
    return relativeLocal(periods);
  }
  double trueAmplitudeLocal(double from, double to) const {
    std::vector<double> chosen;
    for (size_t i = 0; i < onsets.size(); ++i)
      if (onsets[i] >= from && onsets[i] < to) chosen.push_back(amplitudes[i]);
    return relativeLocal(chosen);
  }
  static double relativeLocal(const std::vector<double>& values) {
    double diff = 0.0, sum = 0.0;
    for (size_t i = 1; i < values.size(); ++i) diff += std::fabs(values[i] - values[i - 1]);
    for (double v : values) sum += v;
    return diff / static_cast<double>(values.size() - 1) / (sum / static_cast<double>(values.size()));
  }
};

Vowel makeVowel(double f0, double seconds, double jitterSd, double shimmerSd, double hnrDb, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> unit(-std::sqrt(3.0), std::sqrt(3.0));
  Vowel v;
  v.samples.assign(static_cast<size_t>(seconds * kRate), 0.0f);
  const struct { double f, b, g; } formants[] = {{700, 80, 1.0}, {1220, 90, 0.5}, {2600, 120, 0.25}};
  const double length = 0.8 / f0;
  for (double t = 0.02; t < seconds - 0.04;) {
    const double amplitude = 1.0 + shimmerSd * unit(rng);
    const double period = (1.0 + jitterSd * unit(rng)) / f0;
    v.amplitudes.push_back(amplitude);
    v.onsets.push_back(t);
    const auto first = static_cast<size_t>(std::ceil(t * kRate));
    for (size_t k = first; k < v.samples.size(); ++k) {
      const double d = static_cast<double>(k) / kRate - t;
      if (d >= length) break;
      const double fade = d < 0.6 * length ? 1.0 : 0.5 + 0.5 * std::cos(std::numbers::pi * (d / length - 0.6) / 0.4);
      double s = 0.0;
      for (const auto& f : formants) s += f.g * std::exp(-std::numbers::pi * f.b * d) * std::sin(2 * std::numbers::pi * f.f * d);
      v.samples[k] += static_cast<float>(amplitude * fade * s);
    }
    t += period;
  }
  if (std::isfinite(hnrDb)) {
    double power = 0.0;
    for (float s : v.samples) power += double(s) * s;
    std::normal_distribution<double> noise(0.0, std::sqrt(power / v.samples.size() / std::pow(10.0, hnrDb / 10.0)));
    for (float& s : v.samples) s += static_cast<float>(noise(rng));
  }
  return v;
}

// The report over [fromSeconds, toSeconds) with the F0 track the program computes.
VoiceReport report(const std::vector<float>& samples, double fromSeconds, double toSeconds) {
  float peak = 1e-9f;
  for (float s : samples) peak = std::max(peak, std::fabs(s));
  std::vector<int16_t> pcm(samples.size());
  for (size_t i = 0; i < samples.size(); ++i) pcm[i] = static_cast<int16_t>(std::lround(samples[i] / peak * 20000.0f));
  static F0Track track;
  track.compute(pcm.data(), pcm.size(), kRate);
  VoiceInput in;
  in.samples = samples.data();
  in.count = samples.size();
  in.rateHz = kRate;
  in.begin = static_cast<size_t>(fromSeconds * kRate);
  in.end = std::min(samples.size(), static_cast<size_t>(toSeconds * kRate));
  in.f0 = track.values().data();
  in.f0Count = track.count();
  in.f0FramesPerSecond = kF0FramesPerSecond;
  return computeVoiceReport(in);
}

TEST(VoiceReport, PerfectlyPeriodicVoiceHasNoJitterOrShimmerAndHighHnr) {
  const Vowel v = makeVowel(150.0, 1.5, 0.0, 0.0, INFINITY, 1);
  const VoiceReport r = report(v.samples, 0.1, 1.4);
  ASSERT_EQ(r.status, VoiceReportStatus::Ok);
  EXPECT_NEAR(r.f0Median, 150.0, 1.5);
  EXPECT_GT(r.periods, 190u);
  EXPECT_EQ(r.voiceBreaks, 0u);
  EXPECT_LT(r.jitterLocal, 0.0005);
  EXPECT_LT(r.jitterRap, 0.0005);
  EXPECT_LT(r.shimmerLocal, 0.002);
  EXPECT_LT(r.shimmerApq11, 0.002);
  EXPECT_GT(r.hnrDb, 35.0);
  EXPECT_GT(r.cppsDb, 15.0);
}

TEST(VoiceReport, RecoversKnownJitter) {
  for (double jitter : {0.002, 0.01, 0.03}) {
    SCOPED_TRACE(jitter);
    const Vowel v = makeVowel(120.0, 2.0, jitter, 0.0, INFINITY, 7);
    const VoiceReport r = report(v.samples, 0.1, 1.9);
    ASSERT_EQ(r.status, VoiceReportStatus::Ok);
    EXPECT_NEAR(r.jitterLocal, v.truePeriodLocal(0.1, 1.9), 0.0015);
    // The difference of differences is three times the three-point quotient, by definition.
    EXPECT_NEAR(r.jitterDdp, 3.0 * r.jitterRap, 0.2 * r.jitterDdp);
  }
}

TEST(VoiceReport, RecoversKnownShimmer) {
  for (double shimmer : {0.01, 0.05, 0.10}) {
    SCOPED_TRACE(shimmer);
    const Vowel v = makeVowel(120.0, 2.0, 0.0, shimmer, INFINITY, 8);
    const VoiceReport r = report(v.samples, 0.1, 1.9);
    ASSERT_EQ(r.status, VoiceReportStatus::Ok);
    EXPECT_NEAR(r.shimmerLocal, v.trueAmplitudeLocal(0.1, 1.9), 0.005);
    EXPECT_LT(r.jitterLocal, 0.001);
  }
}

TEST(VoiceReport, NoiseLowersHnrAndCpps) {
  const VoiceReport clean = report(makeVowel(120.0, 1.5, 0.005, 0.02, 30.0, 3).samples, 0.1, 1.4);
  const VoiceReport noisy = report(makeVowel(120.0, 1.5, 0.005, 0.02, 10.0, 3).samples, 0.1, 1.4);
  ASSERT_EQ(clean.status, VoiceReportStatus::Ok);
  ASSERT_EQ(noisy.status, VoiceReportStatus::Ok);
  EXPECT_NEAR(noisy.hnrDb, 10.0, 3.0);
  EXPECT_GT(clean.hnrDb, noisy.hnrDb + 8.0);
  EXPECT_GT(clean.cppsDb, noisy.cppsDb + 2.0);
}

TEST(VoiceReport, CppsStaysANumberWhenTheVoiceEndsInDigitalSilence) {
  Vowel v = makeVowel(150.0, 1.0, 0.0, 0.0, INFINITY, 3);
  const double voiceOnly = report(v.samples, 0.0, 1.0).cppsDb;
  v.samples.resize(v.samples.size() * 2, 0.0f);
  const VoiceReport r = report(v.samples, 0.0, 2.0);
  ASSERT_EQ(r.status, VoiceReportStatus::Ok);
  EXPECT_TRUE(std::isfinite(r.cppsDb));
  // Silent frames have no cepstral peak: the mean over twice the frames is about half.
  EXPECT_GT(r.cppsDb, 0.3 * voiceOnly);
  EXPECT_LT(r.cppsDb, 0.7 * voiceOnly);
}

TEST(VoiceReport, SilenceAndNoiseHaveNoPeriods) {
  std::vector<float> silence(kRate, 0.0f);
  EXPECT_EQ(report(silence, 0.0, 1.0).status, VoiceReportStatus::NoPeriods);
  std::mt19937 rng(5);
  std::normal_distribution<double> gauss(0.0, 0.3);
  std::vector<float> noise(kRate);
  for (float& s : noise) s = static_cast<float>(gauss(rng));
  const VoiceReport r = report(noise, 0.0, 1.0);
  EXPECT_EQ(r.status, VoiceReportStatus::NoPeriods);
  EXPECT_NE(voiceReportProblem(r).find("no periods"), std::string::npos);
  EXPECT_TRUE(std::isnan(r.jitterLocal));
}

TEST(VoiceReport, RefusesASpanShorterThanThreePeriods) {
  const Vowel v = makeVowel(120.0, 1.0, 0.0, 0.0, INFINITY, 2);
  const VoiceReport shortSpan = report(v.samples, 0.5, 0.5 + 2.0 / 120.0);
  EXPECT_EQ(shortSpan.status, VoiceReportStatus::TooShort);
  EXPECT_NE(voiceReportProblem(shortSpan).find("shorter than three periods"), std::string::npos);
  EXPECT_EQ(report(v.samples, 0.5, 0.5 + 6.0 / 120.0).status, VoiceReportStatus::Ok);
}

TEST(VoicePerturbation, FormulasOnASeriesWorkedByHand) {
  PerturbationSeries s{{10.0, 12.0, 10.0, 12.0, 10.0}, {true, true, true, true, true}, 1.3};
  EXPECT_DOUBLE_EQ(perturbationLocal(s), 2.0);
  EXPECT_DOUBLE_EQ(perturbationMean(s), 10.8);
  // |12 - 32/3|, |10 - 34/3|, |12 - 32/3|
  EXPECT_NEAR(perturbationQuotient(s, 3), 4.0 / 3.0, 1e-12);
  EXPECT_DOUBLE_EQ(perturbationDifferences(s), 4.0);
  EXPECT_NEAR(perturbationLocalDecibels(s), 20.0 * std::log10(1.2), 1e-12);
  // A jump beyond the factor and an unusable value keep their terms out.
  PerturbationSeries t{{10.0, 10.5, 20.0, 10.0, 10.4}, {true, true, true, false, true}, 1.3};
  EXPECT_DOUBLE_EQ(perturbationLocal(t), 0.5);
  EXPECT_TRUE(std::isnan(perturbationQuotient(t, 3)));
}

}  // namespace
}  // namespace velmora
