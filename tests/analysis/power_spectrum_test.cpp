// The power-spectrum engine: frames, levels of known tones, silence, and the running average.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/power_spectrum.h"

namespace velmora {
namespace {

std::vector<int16_t> binTone(int bin, int fftSize, size_t count, double amplitude) {
  std::vector<int16_t> s(count);
  for (size_t i = 0; i < count; ++i)
    s[i] = static_cast<int16_t>(std::lround(amplitude * std::cos(2.0 * std::numbers::pi * bin * double(i) / fftSize)));
  return s;
}

int loudestBin(const std::vector<float>& levels) {
  int best = 0;
  for (int b = 1; b < static_cast<int>(levels.size()); ++b)
    if (levels[b] > levels[best]) best = b;
  return best;
}

TEST(PowerSpectrumFrames, HopAndFrameCount) {
  EXPECT_EQ(powerSpectrumHop(256), 100);
  EXPECT_EQ(powerSpectrumHop(512), 200);
  EXPECT_EQ(powerSpectrumHop(1024), 400);
  EXPECT_EQ(powerSpectrumFrames(511, 512), 0);
  EXPECT_EQ(powerSpectrumFrames(0, 512), 0);
  EXPECT_EQ(powerSpectrumFrames(512, 512), 1);
  EXPECT_EQ(powerSpectrumFrames(512 + 199, 512), 1);
  EXPECT_EQ(powerSpectrumFrames(512 + 200, 512), 2);
  EXPECT_EQ(powerSpectrumFrames(44100 * 60, 1024), (44100 * 60 - 1024 + 400) / 400);
}

TEST(PowerSpectrumFrames, FrameCountShowsInTheAverageOfUnequalFrames) {
  // A tone in the first 512 samples only: with two frames the summed power is shared by
  // two, so the level drops by 10 log10(2) against one frame. One frame at N + H - 1.
  PowerSpectrum ps;
  ps.setWindowOn(false);
  std::vector<int16_t> s = binTone(16, 512, 512 + 200, 8000.0);
  std::fill(s.begin() + 200, s.end(), int16_t{0});
  ps.compute(s.data(), 512 + 199);
  const float one = ps.current()[16];
  ps.compute(s.data(), 512 + 200);
  const float two = ps.current()[16];
  EXPECT_NEAR(one - two, 10.0 * std::log10(2.0), 0.05);
}

TEST(PowerSpectrumLevels, WindowedToneAtItsBin) {
  PowerSpectrum ps;
  const std::vector<int16_t> s = binTone(20, 512, 11025, 8000.0);
  EXPECT_EQ(ps.compute(s.data(), static_cast<int64_t>(s.size())), 256);
  ASSERT_EQ(ps.current().size(), 256u);
  EXPECT_EQ(loudestBin(ps.current()), 20);
  // |X| = A x (window sum) / 2; window sum of the Hamming window = 0.54 N - 0.46.
  const double peak = 8000.0 * (0.54 * 512 - 0.46) / 2.0;
  const double expected = 10.0 * std::log10(peak * peak) - 18.0 * std::log10(512.0);
  EXPECT_NEAR(ps.current()[20], expected, 0.05);
  // Hamming sidelobes stay more than 40 dB down far from the tone.
  EXPECT_LT(ps.current()[60], expected - 40.0);
}

TEST(PowerSpectrumLevels, RectangularToneHasNoLeakageAtWholeBins) {
  PowerSpectrum ps;
  ps.setWindowOn(false);
  ASSERT_TRUE(ps.setFftSize(256));
  const std::vector<int16_t> s = binTone(10, 256, 256, 10000.0);
  ps.compute(s.data(), 256);
  const double peak = 10000.0 * 256 / 2.0;
  EXPECT_NEAR(ps.current()[10], 10.0 * std::log10(peak * peak) - 18.0 * std::log10(256.0), 0.05);
  EXPECT_LT(ps.current()[30], ps.current()[10] - 60.0);
}

TEST(PowerSpectrumLevels, TooFewSamplesOrSilenceGiveZeroEverywhere) {
  PowerSpectrum ps;
  const std::vector<int16_t> tone = binTone(20, 512, 511, 8000.0);
  ps.compute(tone.data(), 511);
  for (float v : ps.current()) ASSERT_EQ(v, 0.0f);
  const std::vector<int16_t> silence(4000, 0);
  ps.compute(silence.data(), 4000);
  for (float v : ps.current()) ASSERT_EQ(v, 0.0f);
  ps.compute(nullptr, 4000);
  for (float v : ps.current()) ASSERT_EQ(v, 0.0f);
}

TEST(PowerSpectrumLevels, ABufferShorterThanOneFrameComputesNothing) {
  // A take's short buffers must not replace the last spectrum with a silent one.
  PowerSpectrum ps;
  const std::vector<int16_t> tone = binTone(20, 512, 4000, 8000.0);
  ASSERT_EQ(ps.compute(tone.data(), 4000), 256);
  const std::vector<float> measured = ps.current();
  EXPECT_EQ(ps.compute(tone.data(), 511), 0);
  EXPECT_EQ(ps.current(), measured);
  EXPECT_EQ(ps.average(), measured);
  EXPECT_EQ(ps.averageCount(), 1);
}

TEST(PowerSpectrumAverage, RunningMeanAndReset) {
  PowerSpectrum ps;
  const std::vector<int16_t> a = binTone(20, 512, 4000, 8000.0);
  const std::vector<int16_t> b = binTone(50, 512, 4000, 2000.0);
  ps.compute(a.data(), 4000);
  const std::vector<float> first = ps.current();
  EXPECT_EQ(ps.average(), first);
  EXPECT_EQ(ps.averageCount(), 1);
  ps.compute(b.data(), 4000);
  const std::vector<float> second = ps.current();
  ps.compute(b.data(), 4000);
  EXPECT_EQ(ps.averageCount(), 3);
  for (size_t k : {0u, 20u, 50u, 200u}) EXPECT_NEAR(ps.average()[k], (first[k] + 2 * second[k]) / 3, 1e-3) << k;
  ps.resetAverage();
  EXPECT_EQ(ps.averageCount(), 0);
  for (float v : ps.average()) ASSERT_EQ(v, 0.0f);
  ps.compute(a.data(), 4000);
  EXPECT_EQ(ps.average(), first);
}

TEST(PowerSpectrumSettings, FftSizeAndLimit) {
  PowerSpectrum ps;
  EXPECT_EQ(ps.fftSize(), 512);
  EXPECT_TRUE(ps.windowOn());
  EXPECT_EQ(ps.colour(), (Rgb{0, 0, 128}));
  EXPECT_FALSE(ps.setFftSize(500));
  EXPECT_FALSE(ps.setFftSize(4096));
  EXPECT_EQ(ps.fftSize(), 512);
  const std::vector<int16_t> s = binTone(20, 512, 4000, 8000.0);
  ps.compute(s.data(), 4000);
  ASSERT_TRUE(ps.setFftSize(1024));
  EXPECT_EQ(ps.averageCount(), 0);  // the old bins would not match the new ones
  EXPECT_EQ(ps.compute(s.data(), 4000), 512);
  EXPECT_EQ(loudestBin(ps.current()), 40);

  ps.setSampleRate(44100);
  ps.setLimit(5512.0f);
  EXPECT_NEAR(ps.zoom(), 4.0, 1e-3);
  ps.setSampleRate(22050);  // the limit stays
  EXPECT_NEAR(ps.topFrequencyHz(), 5512.0, 0.01);
}

}  // namespace
}  // namespace velmora
