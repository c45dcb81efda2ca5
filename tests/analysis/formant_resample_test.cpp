// The 10 kHz resampling in front of the formant tracker, and the LPC of one frame.
#include "analysis/formant_resample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis/formant_test_signals.h"
#include "analysis/lpc_analysis.h"

namespace velmora::formant {
namespace {

double amplitudeAt(const std::vector<int16_t>& x, double frequencyHz, double rateHz, size_t from) {
  double s = 0.0, c = 0.0;
  for (size_t i = from; i < x.size(); ++i) {
    const double phase = 2.0 * std::numbers::pi * frequencyHz * static_cast<double>(i) / rateHz;
    s += x[i] * std::sin(phase);
    c += x[i] * std::cos(phase);
  }
  return 2.0 * std::hypot(s, c) / static_cast<double>(x.size() - from);
}

TEST(FormantResample, FactorsAndCountsAtTheRecordingRates) {
  EXPECT_EQ(upsamplingFactor(11025), 4);
  EXPECT_EQ(upsamplingFactor(19999), 4);
  EXPECT_EQ(upsamplingFactor(22050), 3);
  EXPECT_EQ(upsamplingFactor(32000), 2);
  EXPECT_EQ(upsamplingFactor(44100), 1);
  for (int rate : {11025, 22050, 44100}) {
    for (size_t n : {size_t{0}, size_t{1}, size_t{2}, size_t{1000}, size_t{12345}, size_t{rate == 11025 ? 11025u : 100003u}}) {
      const std::vector<int16_t> x(n, 1000);
      EXPECT_EQ(resampleToAnalysisRate(x.data(), n, rate).size(), static_cast<size_t>(n * 10000 / static_cast<size_t>(rate)))
          << rate << " " << n;
    }
  }
}

TEST(FormantResample, RatesUpTo10kPassUnchanged) {
  const std::vector<int16_t> x = {1, -2, 3, 32767, -32768};
  EXPECT_EQ(resampleToAnalysisRate(x.data(), x.size(), 10000), x);
  EXPECT_EQ(resampleToAnalysisRate(x.data(), x.size(), 8000), x);
}

TEST(FormantResample, KeepsSpeechBandAndRemovesWhatWouldAlias) {
  const std::vector<int16_t> tone = testing::sine(44100, 1.0, 1000.0, 10000.0);
  const std::vector<int16_t> out = resampleToAnalysisRate(tone.data(), tone.size(), 44100);
  // At 44100 Hz nothing is inserted, so the level is kept; 1 kHz is well inside the pass band.
  EXPECT_NEAR(amplitudeAt(out, 1000.0, 10000.0, 1000), 10000.0, 200.0);

  // 9 kHz would fold onto 1 kHz at 10 kHz; the low-pass must have removed most of it.
  const std::vector<int16_t> high = testing::sine(44100, 1.0, 9000.0, 10000.0);
  const std::vector<int16_t> folded = resampleToAnalysisRate(high.data(), high.size(), 44100);
  EXPECT_LT(amplitudeAt(folded, 1000.0, 10000.0, 1000), 10000.0 / 8.0);  // at least 18 dB down

  // Up-sampling by zero insertion keeps the frequency; the level falls by the factor.
  const std::vector<int16_t> low = testing::sine(11025, 1.0, 700.0, 20000.0);
  const std::vector<int16_t> lowOut = resampleToAnalysisRate(low.data(), low.size(), 11025);
  EXPECT_NEAR(amplitudeAt(lowOut, 700.0, 10000.0, 1000), 20000.0 / 4.0, 150.0);
}

TEST(FormantResample, FullScaleOvershootIsClampedNotWrapped) {
  // A full-scale square wave makes the low-pass ring above 32767 after each edge.
  std::vector<int16_t> square(44100);
  for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 441) % 2 == 0 ? 32767 : -32768;
  const std::vector<int16_t> out = resampleToAnalysisRate(square.data(), square.size(), 44100);
  int clampedHigh = 0;
  for (size_t i = 5; i + 5 < out.size(); ++i) {
    if (out[i] == 32767) ++clampedHigh;
    if (out[i - 5] > 20000 && out[i + 5] > 20000) {
      EXPECT_GT(out[i], 0) << i;
    }
    if (out[i - 5] < -20000 && out[i + 5] < -20000) {
      EXPECT_LT(out[i], 0) << i;
    }
  }
  EXPECT_GT(clampedHigh, 0);
}

TEST(FrameLpcAnalysis, SilenceGivesZeroPredictorAndOrderIsBounded) {
  LpcAnalyzer lpc;
  const std::vector<int16_t> silence(491, 0);
  const FrameLpc quiet = lpc.analyse(silence.data(), 490, 12, 0.7, 70.0, LpcWindow::Hanning);
  ASSERT_TRUE(quiet.ok);
  EXPECT_EQ(quiet.rms, 0.0);
  for (double a : quiet.coefficients) EXPECT_EQ(a, 0.0);
  EXPECT_FALSE(lpc.analyse(silence.data(), 490, 31, 0.7, 70.0, LpcWindow::Hanning).ok);
  EXPECT_TRUE(lpc.analyse(silence.data(), 490, 30, 0.7, 70.0, LpcWindow::Hanning).ok);
}

TEST(FrameLpcAnalysis, PredictsAKnownSecondOrderResonance) {
  // x[n] = 2 r cos(theta) x[n-1] - r^2 x[n-2] + impulses; without pre-emphasis a 2nd-order
  // predictor finds the same two coefficients (up to the window's smearing).
  const std::vector<int16_t> x =
      testing::synthVowel(10000, 0.1, 100.0, {{1000.0, 100.0}});
  LpcAnalyzer lpc;
  const FrameLpc fit = lpc.analyse(x.data() + 200, 490, 2, 0.0, 70.0, LpcWindow::Rectangular);
  const double r = std::exp(-std::numbers::pi * 100.0 / 10000.0);
  EXPECT_NEAR(fit.coefficients[0], -2.0 * r * std::cos(2.0 * std::numbers::pi * 0.1), 0.05);
  EXPECT_NEAR(fit.coefficients[1], r * r, 0.05);
  EXPECT_GT(fit.rms, 0.0);
}

TEST(FrameLpcAnalysis, CachedWindowFollowsLengthAndType) {
  const std::vector<int16_t> x = testing::synthVowel(10000, 0.2, 120.0, {{700, 80}, {1200, 100}});
  LpcAnalyzer reused;
  reused.analyse(x.data(), 490, 12, 0.7, 70.0, LpcWindow::Hanning);
  for (LpcWindow type : {LpcWindow::Hanning, LpcWindow::Hamming, LpcWindow::Rectangular}) {
    for (size_t length : {size_t{200}, size_t{490}}) {
      LpcAnalyzer fresh;
      const FrameLpc a = reused.analyse(x.data() + 300, length, 12, 0.7, 70.0, type);
      const FrameLpc b = fresh.analyse(x.data() + 300, length, 12, 0.7, 70.0, type);
      EXPECT_EQ(a.coefficients, b.coefficients) << length;
      EXPECT_EQ(a.rms, b.rms);
    }
  }
  reused.releaseCaches();
  LpcAnalyzer fresh;
  EXPECT_EQ(reused.analyse(x.data(), 490, 12, 0.7, 70.0, LpcWindow::Hanning).coefficients,
            fresh.analyse(x.data(), 490, 12, 0.7, 70.0, LpcWindow::Hanning).coefficients);
  // The windows differ, so their results must too: a cache that ignored the type would not.
  EXPECT_NE(fresh.analyse(x.data(), 490, 12, 0.7, 70.0, LpcWindow::Hamming).coefficients,
            fresh.analyse(x.data(), 490, 12, 0.7, 70.0, LpcWindow::Rectangular).coefficients);
}

}  // namespace
}  // namespace velmora::formant
