// The F0 tracker's stages on their own: windows and LPC, the decimating filter, stationarity
// across buffer boundaries, and the candidates of one frame.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/candidates.h"
#include "analysis/downsample.h"
#include "analysis/sigproc.h"
#include "analysis/stationarity.h"

namespace velmora::f0 {
namespace {

std::vector<float> voiceLike(size_t n, double rate, double f0) {
  std::vector<float> x(n);
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    x[i] = static_cast<float>(3000.0 * std::sin(2.0 * std::numbers::pi * f0 * t) +
                              1500.0 * std::sin(2.0 * std::numbers::pi * 2.0 * f0 * t + 1.0) +
                              700.0 * std::sin(2.0 * std::numbers::pi * 3.0 * f0 * t + 2.0));
  }
  return x;
}

TEST(F0Sigproc, WindowsAndWindowedRms) {
  std::vector<float> w;
  ASSERT_TRUE(makeWindow(w, 8, HanningWindow));
  EXPECT_FLOAT_EQ(w[0], 0.0f);
  EXPECT_FLOAT_EQ(w[4], 1.0f);
  ASSERT_TRUE(makeWindow(w, 8, HammingWindow));
  EXPECT_NEAR(w[0], 0.08f, 1e-6f);
  std::string error;
  EXPECT_FALSE(makeWindow(w, 8, 5, &error));
  EXPECT_EQ(error, "Unknown window type (5)");

  const std::vector<float> ones(400, 1.0f);
  EXPECT_NEAR(windowedRms(ones.data(), ones.size()), std::sqrt(0.375), 1e-4);  // mean of w^2 is 3/8
}

TEST(F0Sigproc, PredictorOfItsOwnWindowHasItakuraDistanceOne) {
  const std::vector<float> x = voiceLike(331, 11025, 170);
  LpcResult own;
  ASSERT_TRUE(lpc(x.data(), x.size(), 13, 0.4f, 30.0f, own));
  ASSERT_EQ(own.coefficients.size(), 13u);
  EXPECT_GT(own.residualEnergy, 0.0f);
  EXPECT_LT(own.residualEnergy, 1.0f);
  EXPECT_NEAR(itakuraDistance(own.coefficients, own.autocorrelation, own.residualEnergy), 1.0f, 1e-3);

  // Any other predictor does worse on this spectrum.
  const std::vector<float> other = voiceLike(331, 11025, 410);
  LpcResult foreign;
  ASSERT_TRUE(lpc(other.data(), other.size(), 13, 0.4f, 30.0f, foreign));
  EXPECT_GT(itakuraDistance(foreign.coefficients, own.autocorrelation, own.residualEnergy), 1.5f);
}

TEST(F0Sigproc, StabilisationAndSilence) {
  // White-noise correction of 30 dB scales every lag but 0 by 1 / (1 + 10^-1.5).
  const std::vector<float> x = voiceLike(200, 11025, 200);
  LpcResult plain;
  LpcResult stable;
  ASSERT_TRUE(lpc(x.data(), x.size(), 4, 0.4f, 0.0f, plain));
  ASSERT_TRUE(lpc(x.data(), x.size(), 4, 0.4f, 30.0f, stable));
  EXPECT_NEAR(stable.autocorrelation[2] / plain.autocorrelation[2], 0.969347f, 1e-5);

  const std::vector<float> silence(200, 0.0f);
  LpcResult quiet;
  ASSERT_TRUE(lpc(silence.data(), silence.size(), 4, 0.4f, 30.0f, quiet));
  EXPECT_EQ(quiet.autocorrelation, (std::vector<float>{1, 0, 0, 0, 0}));
  EXPECT_EQ(quiet.coefficients, (std::vector<float>{0, 0, 0, 0}));
  EXPECT_EQ(quiet.residualEnergy, 1.0f);

  std::string error;
  EXPECT_FALSE(lpc(x.data(), x.size(), 51, 0.4f, 30.0f, quiet, &error));
  EXPECT_EQ(error, "Illegal LPC order or window length (51, 200)");
  EXPECT_FALSE(lpc(x.data(), x.size(), 0, 0.4f, 30.0f, quiet, &error));
  EXPECT_EQ(error, "Illegal LPC order or window length (0, 200)");
}

TEST(F0Decimator, PassesLowFrequenciesAndStopsHighOnes) {
  for (auto [rate, decimate, taps] : {std::tuple{11025.0, 5, 55u}, {22050.0, 11, 111u}, {44100.0, 22, 221u}}) {
    SCOPED_TRACE(rate);
    Decimator d;
    ASSERT_TRUE(d.design(rate, decimate));
    EXPECT_EQ(d.length(), taps);
    for (size_t i = 0; i < taps; ++i) EXPECT_NEAR(d.taps()[i], d.taps()[taps - 1 - i], 1e-6f);

    const size_t n = 8000;
    std::vector<float> out(n / static_cast<size_t>(decimate) + 1);
    const std::vector<float> dc(n, 1000.0f);
    const size_t produced = d.process(dc.data(), n, n, out.data(), out.size());
    EXPECT_EQ(produced, (n + static_cast<size_t>(decimate) - 1) / static_cast<size_t>(decimate));
    EXPECT_NEAR(out[produced / 2], 1000.0f, 10.0f);
    EXPECT_EQ(out[produced / 2], std::round(out[produced / 2]));  // whole numbers

    // Twice the new Nyquist frequency is far into the stop band.
    std::vector<float> high(n);
    for (size_t i = 0; i < n; ++i) high[i] = 1000.0f * std::sin(2.0f * std::numbers::pi_v<float> * 2000.0f * i / rate);
    d.process(high.data(), n, n, out.data(), out.size());
    for (size_t k = 20; k + 20 < produced; ++k) EXPECT_LE(std::fabs(out[k]), 30.0f) << k;
  }
}

TEST(F0Stationarity, FirstFramesAndSteadySignal) {
  const StationaritySizes sizes{122, 330, 220, 13, 1};
  Stationarity s(sizes);
  const std::vector<float> x = voiceLike(4000, 11025, 150);
  std::vector<StatRecord> records;
  ASSERT_TRUE(s.process(x.data(), x.size(), 20, records));
  // Frame 0's window would start before the signal.
  EXPECT_EQ(records[0].stat, 0.002f);
  EXPECT_EQ(records[0].rms, 0.0f);
  EXPECT_EQ(records[0].rmsRatio, 1.0f);
  // Frame 1 has a window but no previous one: t = 10.
  EXPECT_FLOAT_EQ(records[1].stat, 0.02f);
  EXPECT_GT(records[1].rms, 0.0f);
  // Then a steady sound looks steady: Itakura near 1, stat near 0.2 / 0.2, RMS ratio near 1.
  for (size_t f = 4; f < records.size(); ++f) {
    EXPECT_GT(records[f].stat, 0.8f) << f;
    EXPECT_NEAR(records[f].rmsRatio, 1.0f, 0.05f) << f;
  }
}

TEST(F0Stationarity, BuffersJoinSeamlessly) {
  const StationaritySizes sizes{245, 661, 441, 24, 1};
  const std::vector<float> x = voiceLike(20000, 22050, 233);
  std::vector<float> y = x;
  for (size_t i = 9000; i < 20000; ++i) y[i] *= 0.2f;  // a change of level in the second buffer

  Stationarity whole(sizes);
  std::vector<StatRecord> all;
  ASSERT_TRUE(whole.process(y.data(), y.size(), 60, all));

  Stationarity split(sizes);
  std::vector<StatRecord> first;
  std::vector<StatRecord> second;
  ASSERT_TRUE(split.process(y.data(), 8000, 16, first));              // frames 0..15
  ASSERT_TRUE(split.process(y.data() + 16 * 245, 12000, 44, second));  // frames 16..59
  for (size_t f = 0; f < 16; ++f) EXPECT_EQ(first[f].stat, all[f].stat) << f;
  for (size_t f = 0; f < 44; ++f) {
    EXPECT_EQ(second[f].stat, all[16 + f].stat) << f;
    EXPECT_EQ(second[f].rmsRatio, all[16 + f].rmsRatio) << f;
  }
  // The drop in level shows in the RMS ratio around frame 9000 / 245.
  float lowest = 1.0f;
  for (size_t f = 34; f < 40; ++f) lowest = std::min(lowest, all[f].rmsRatio);
  EXPECT_LT(lowest, 0.6f);
}

TEST(F0Candidates, PeriodicFrameProposesItsPeriodAndSilenceOnlyUnvoiced) {
  // 11025 Hz track settings: lags 8..184, decimate 5.
  const CandidateSizes sizes{8, 177, 83, 5, 1, 36, 17, 0.3f, 0.3f / 184.0f, 0.0f, 20};
  CandidateFinder finder(sizes);
  const std::vector<float> x = voiceLike(400, 11025, 11025.0 / 63.0);  // period 63 samples
  Decimator d;
  ASSERT_TRUE(d.design(11025, 5));
  std::vector<float> decimated(80);
  d.process(x.data(), x.size(), x.size(), decimated.data(), decimated.size());
  std::vector<float> correl;
  std::vector<Candidate> cands;
  finder.find(x.data(), decimated.data(), correl, cands);
  ASSERT_GE(cands.size(), 2u);
  ASSERT_EQ(correl.size(), 177u);
  EXPECT_EQ(cands.back().lag, -1);
  size_t best = 0;
  for (size_t k = 0; k + 1 < cands.size(); ++k) {
    if (cands[k].cost < cands[best].cost) best = k;
  }
  EXPECT_NEAR(cands[best].lag, 63, 1);
  EXPECT_LT(cands[best].cost, 0.2f);
  EXPECT_GT(cands.back().cost, 0.8f);  // the unvoiced cost is the best correlation

  const std::vector<float> silence(400, 0.0f);
  finder.find(silence.data(), silence.data(), correl, cands);
  ASSERT_EQ(cands.size(), 1u);
  EXPECT_EQ(cands[0].lag, -1);
  EXPECT_EQ(cands[0].cost, 0.0f);  // voice_bias + 0
}

}  // namespace
}  // namespace velmora::f0
