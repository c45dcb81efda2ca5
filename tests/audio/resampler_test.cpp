// The converter judged by what comes out: lengths, levels, aliasing, images, timing, and the
// ways a conversion can stop.
#include "audio/resampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "audio/resampler_block_pass.h"

namespace velmora {
namespace {

std::vector<double> sine(double amplitude, double frequencyHz, uint32_t rateHz, size_t count) {
  std::vector<double> x(count);
  for (size_t i = 0; i < count; ++i) x[i] = amplitude * std::sin(2.0 * std::numbers::pi * frequencyHz * i / rateHz);
  return x;
}

// RMS level of the middle half, in dB: the ends hold the filters' start and finish.
double middleLevelDb(const std::vector<double>& x) {
  const size_t a = x.size() / 4, b = 3 * x.size() / 4;
  double sum = 0;
  for (size_t i = a; i < b; ++i) sum += x[i] * x[i];
  return 10.0 * std::log10(sum / static_cast<double>(b - a) + 1e-300);
}

// Amplitude of one frequency over the middle half, through a 4-term Blackman-Harris window
// (side lobes near -92 dB) so a strong tone does not hide a weak one.
double toneAmplitude(const std::vector<double>& x, double frequencyHz, uint32_t rateHz) {
  const size_t a = x.size() / 4, n = x.size() / 2;
  double re = 0, im = 0, windowSum = 0;
  for (size_t i = 0; i < n; ++i) {
    const double p = 2.0 * std::numbers::pi * i / (n - 1);
    const double w = 0.35875 - 0.48829 * std::cos(p) + 0.14128 * std::cos(2 * p) - 0.01168 * std::cos(3 * p);
    const double phase = 2.0 * std::numbers::pi * frequencyHz * (a + i) / rateHz;
    re += w * x[a + i] * std::cos(phase);
    im -= w * x[a + i] * std::sin(phase);
    windowSum += w;
  }
  return 2.0 * std::hypot(re, im) / windowSum;
}

TEST(BlockFilterPass, GivesWhatTheCascadeGivesStepByStep) {
  const std::vector<Biquad> sections = designStageFilter(0.5 / 8).sections;
  std::mt19937 random(7);
  std::uniform_real_distribution<double> noise(-30000.0, 30000.0);
  std::vector<double> input(3001);
  for (double& v : input) v = noise(random);

  const int spacings[][2] = {{3, 2}, {7, 8}, {2, 2}, {1, 5}, {8, 1}, {37, 41}, {10, 10}};
  for (const auto& sp : spacings) {
    const int feed = sp[0], store = sp[1];
    SCOPED_TRACE(testing::Message() << "feed " << feed << " store " << store);
    const size_t steps = input.size() * feed + 500;
    std::vector<double> expected;
    CascadeState cascade(sections);
    for (size_t t = 0; t < steps; ++t) {
      const size_t i = t / feed;
      const double x = (t % feed == 0 && i < input.size()) ? input[i] : 0.0;
      const double y = cascade.step(x);
      if (t % store == 0) expected.push_back(y);
    }
    const BlockFilterPass pass(sections, feed, store);
    std::vector<double> got(expected.size(), 12345.0);
    ResampleProgress none;
    ProgressMeter meter(none, 1.0);
    ASSERT_TRUE(pass.run(input.data(), input.size(), got.data(), got.size(), steps, meter));
    double worst = 0;
    for (size_t k = 0; k < expected.size(); ++k) worst = std::max(worst, std::fabs(got[k] - expected[k]));
    EXPECT_LT(worst, 1e-6);  // of values up to 30000

    if (feed == store) {  // the backward pass works in place
      std::vector<double> inPlace = input;
      inPlace.resize(expected.size(), 0.0);
      ASSERT_TRUE(pass.run(inPlace.data(), inPlace.size(), inPlace.data(), inPlace.size(), steps, meter));
      for (size_t k = 0; k < expected.size(); ++k) ASSERT_NEAR(inPlace[k], expected[k], 1e-6) << k;
    }
  }
}

TEST(Resample, OutputLengthIsNTimesLOverM) {
  struct Case {
    uint32_t from, to;
    size_t up, down;
  } cases[] = {{8000, 11025, 441, 320}, {48000, 44100, 147, 160}, {44100, 22050, 1, 2}, {11025, 44100, 4, 1}};
  for (const Case& c : cases) {
    for (size_t n : {0u, 1u, 2u, 7u, 1000u, 4410u, 12345u}) {
      const ResampleResult r = resample(std::vector<double>(n, 100.0), c.from, c.to);
      ASSERT_TRUE(r.ok());
      EXPECT_EQ(r.samples.size(), n * c.up / c.down) << c.from << " -> " << c.to << ", n " << n;
    }
  }
}

TEST(Resample, SameRateChangesNothing) {
  const std::vector<double> x = sine(1000.0, 440.0, 22050, 5000);
  const ResampleResult r = resample(x, 22050, 22050);
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(r.stages.empty());
  EXPECT_EQ(r.samples, x);
}

TEST(Resample, PassbandTonesKeepTheirLevelWithinHalfADecibel) {
  struct Case {
    uint32_t from, to;
  } cases[] = {{8000, 11025}, {48000, 44100}, {44100, 22050}, {22050, 44100}, {16000, 11025}, {44100, 8000}};
  for (const Case& c : cases) {
    const double passbandEdgeHz = 0.45 * std::min(c.from, c.to);
    for (double f : {100.0, 1000.0, 0.5 * passbandEdgeHz, 0.95 * passbandEdgeHz}) {
      SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to << " at " << f << " Hz");
      const std::vector<double> x = sine(32767.0, f, c.from, c.from / 2);
      const ResampleResult r = resample(x, c.from, c.to);
      ASSERT_TRUE(r.ok());
      EXPECT_NEAR(middleLevelDb(r.samples), middleLevelDb(x), 0.5);
      EXPECT_NEAR(toneAmplitude(r.samples, f, c.to), 32767.0, 32767.0 * 0.06);  // the same tone
    }
  }
}

TEST(Resample, TonesAboveTheNewNyquistFrequencyAreRemoved) {
  struct Case {
    uint32_t from, to;
    double toneHz;
  } cases[] = {{48000, 11025, 8000}, {44100, 22050, 15000}, {48000, 44100, 23000}, {22050, 11025, 6000},
               {16000, 11025, 7000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to << " at " << c.toneHz << " Hz");
    const std::vector<double> x = sine(32767.0, c.toneHz, c.from, c.from / 2);
    const ResampleResult r = resample(x, c.from, c.to);
    ASSERT_TRUE(r.ok());
    EXPECT_LE(middleLevelDb(r.samples), middleLevelDb(x) - 70.0);
  }
}

TEST(Resample, UpsamplingLeavesNoImageOfTheTone) {
  // 3 kHz at 8000 Hz has its first image at 5 kHz, below the new Nyquist frequency of 5512 Hz.
  const std::vector<double> x = sine(32767.0, 3000.0, 8000, 16000);
  const ResampleResult r = resample(x, 8000, 11025);
  ASSERT_TRUE(r.ok());
  const double tone = toneAmplitude(r.samples, 3000.0, 11025);
  const double image = toneAmplitude(r.samples, 5000.0, 11025);
  EXPECT_GT(tone, 32767.0 * 0.95);
  EXPECT_LT(20.0 * std::log10(image / tone), -70.0);
}

TEST(Resample, ForwardAndBackwardPassesLeaveNoDelay) {
  // A smooth pulse in the middle comes out at the same moment.
  const uint32_t from = 8000, to = 11025;
  const size_t n = 4000, centre = 2000;
  std::vector<double> x(n);
  for (size_t i = 0; i < n; ++i) {
    const double d = (static_cast<double>(i) - centre) / 6.0;
    x[i] = 20000.0 * std::exp(-0.5 * d * d);
  }
  const ResampleResult r = resample(x, from, to);
  ASSERT_TRUE(r.ok());
  double weighted = 0, total = 0;
  for (size_t i = 0; i < r.samples.size(); ++i) {
    weighted += r.samples[i] * r.samples[i] * i;
    total += r.samples[i] * r.samples[i];
  }
  const double expectedOutputIndex = centre * static_cast<double>(to) / from;
  EXPECT_NEAR(weighted / total, expectedOutputIndex, 0.5);
}

TEST(Resample, LongSilenceStaysSilent) {
  const ResampleResult r = resample(std::vector<double>(48000 * 5, 0.0), 48000, 44100);
  ASSERT_TRUE(r.ok());
  double peak = 0;
  for (double v : r.samples) peak = std::max(peak, std::fabs(v));
  EXPECT_LT(peak, 1e-6);
}

TEST(Resample, RatioWithoutSimpleFactorsFails) {
  const ResampleResult r = resample(std::vector<double>(1000, 1.0), 32000, 11025);
  EXPECT_EQ(r.error, ResampleError::NoSimpleFactors);
  EXPECT_TRUE(r.samples.empty());
  EXPECT_EQ(resampleErrorText(r.error), "No simple factors for ratio");
  EXPECT_EQ(resample(std::vector<double>(10, 1.0), 0, 11025).error, ResampleError::NoSimpleFactors);
}

TEST(Resample, ApproximatedRatioWithALargePrimeIsTooDifficult) {
  // 96000 -> 11025 is 147 / 1280 exactly; the nearest ratio below 1000 carries large primes.
  const ResampleResult r = resample(std::vector<double>(1000, 1.0), 96000, 11025);
  EXPECT_EQ(r.error, ResampleError::FilterTooDifficult);
  EXPECT_EQ(resampleErrorText(r.error), "Filter design too difficult! ");
}

TEST(Resample, LimitCyclesFailTheConversionAndTheProgramGoesOn) {
  // 19000 -> 22050 has a stage of factor 19; with too sharp a transition its filter fails
  // the check.
  ResampleOptions options;
  options.design.passbandEdgeFraction = 0.998;
  bool progressed = false;
  options.progress = [&](int) { return progressed = true; };
  testing::internal::CaptureStderr();
  const ResampleResult r = resample(sine(1000.0, 440.0, 19000, 19000), 19000, 22050, options);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(r.error, ResampleError::LimitCycles);
  EXPECT_TRUE(r.samples.empty());
  EXPECT_EQ(err, "Filter will suffer from limit cycles...\n");
  EXPECT_FALSE(progressed);  // found before any sample was filtered
  // Still here, and the next conversion works.
  EXPECT_TRUE(resample(sine(1000.0, 440.0, 19000, 19000), 19000, 22050).ok());
}

TEST(Resample, ProgressRunsFromZeroTo101) {
  std::vector<int> steps;
  ResampleOptions options;
  options.progress = [&](int step) {
    steps.push_back(step);
    return true;
  };
  ASSERT_TRUE(resample(sine(1000.0, 440.0, 48000, 48000 * 3), 48000, 44100, options).ok());
  ASSERT_GT(steps.size(), 50u);
  EXPECT_EQ(steps.front(), 0);
  EXPECT_EQ(steps.back(), kProgressSteps);
  for (size_t i = 1; i < steps.size(); ++i) EXPECT_LT(steps[i - 1], steps[i]);
}

TEST(Resample, CancelStopsTheConversionWithNothingToShow) {
  for (int cancelAt : {0, 30, 99}) {
    int calls = 0;
    int calledAfterCancel = 0;
    bool cancelled = false;
    ResampleOptions options;
    options.progress = [&](int step) {
      ++calls;
      if (cancelled) ++calledAfterCancel;
      cancelled = step >= cancelAt;
      return !cancelled;
    };
    const ResampleResult r = resample(sine(1000.0, 440.0, 8000, 8000 * 5), 8000, 11025, options);
    EXPECT_EQ(r.error, ResampleError::Cancelled) << cancelAt;
    EXPECT_TRUE(r.samples.empty());
    EXPECT_EQ(calledAfterCancel, 0);
    EXPECT_EQ(resampleErrorText(r.error), "");
  }
}

}  // namespace
}  // namespace velmora
