// The live waveform store and the cadence and value of the live F0 readout.
#include <gtest/gtest.h>

#include <cmath>

#include "presentation/live_signal.h"

namespace velmora {
namespace {

TEST(LiveSignal, NewestSamplesSitAtTheRightEdge) {
  LiveSignal live;
  live.start(11025, 10);
  std::vector<float> v = live.values();
  ASSERT_EQ(v.size(), 80u);
  for (float x : v) EXPECT_EQ(x, 0.0f);
  const int16_t block[] = {1, 2, 3, 4, 5};
  live.push(block, 5);
  v = live.values();
  ASSERT_EQ(v.size(), 80u);
  EXPECT_EQ(v[74], 0.0f);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(v[static_cast<size_t>(75 + i)], static_cast<float>(i + 1));
}

TEST(LiveSignal, KeepsOnlyWhatThePaneAndTheReadoutNeed) {
  LiveSignal live;
  live.start(11025, 10);
  std::vector<int16_t> ramp(3000);
  for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i);
  live.push(ramp.data(), 1000);
  live.push(ramp.data() + 1000, 2000);
  EXPECT_EQ(live.stored(), kLiveF0Samples);
  const std::vector<float> v = live.values();
  EXPECT_EQ(v.back(), 2999.0f);
  EXPECT_EQ(v.front(), 2920.0f);
}

TEST(LiveSignal, F0ReadoutEveryFifthBufferWithTheVoicesPitch) {
  const int rate = 11025;
  LiveSignal live;
  live.start(rate, 400);
  std::vector<int16_t> tone(4096);
  for (size_t i = 0; i < tone.size(); ++i) {
    // A buzz at 200 Hz: a few harmonics, as a voice has.
    const double t = static_cast<double>(i) / rate;
    double s = 0;
    for (int h = 1; h <= 4; ++h) s += std::sin(2 * M_PI * 200.0 * h * t) / h;
    tone[i] = static_cast<int16_t>(8000 * s);
  }
  live.push(tone.data(), tone.size());
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(live.f0Due(458).has_value()) << i;
  const std::optional<float> hz = live.f0Due(458);
  ASSERT_TRUE(hz.has_value());
  EXPECT_NEAR(*hz, 200.0f, 10.0f);
  EXPECT_FALSE(live.f0Due(458).has_value());
}

}  // namespace
}  // namespace velmora
