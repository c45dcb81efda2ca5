// The formant tracker end to end: frame counts, silence, and synthetic vowels whose
// resonances are known, at the three recording rates.
#include "analysis/formant_track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "analysis/formant_test_signals.h"

namespace velmora {
namespace {

using testing::ResonatorSpec;
using testing::synthVowel;

TEST(FormantTrackFrames, OneFrameEveryHundredSamplesThatFitsAWholeWindow) {
  struct Case {
    size_t samplesAt10k;
    int frames;
  };
  for (const Case c : {Case{0, 0}, Case{489, 0}, Case{490, 1}, Case{589, 1}, Case{590, 2}, Case{10000, 96}}) {
    std::vector<int16_t> noise(c.samplesAt10k);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<int16_t>((i * 7919) % 2001) - 1000;
    FormantTrack track;
    EXPECT_EQ(track.compute(noise.data(), noise.size(), 10000), c.frames) << c.samplesAt10k;
    ASSERT_EQ(track.frameCount(), c.frames);
    EXPECT_TRUE(track.valid());
    for (int f = 0; f < c.frames; ++f) {
      EXPECT_EQ(track.frames()[static_cast<size_t>(f)].startSample, f * 100);
      EXPECT_EQ(track.frames()[static_cast<size_t>(f)].drawable, 1);
    }
  }
}

TEST(FormantTrackFrames, LengthsAtHigherRatesCountAfterResamplingTo10k) {
  // 0.0489 s at 44100 Hz resamples to 2156 samples... take lengths on both sides of 490.
  FormantTrack track;
  std::vector<int16_t> shortSignal(539, 100);  // truncate(539 * 10000 / 11025) = 488
  EXPECT_EQ(track.compute(shortSignal.data(), shortSignal.size(), 11025), 0);
  std::vector<int16_t> justEnough(2161, 100);  // truncate(2161 * 10000 / 44100) = 490
  EXPECT_EQ(track.compute(justEnough.data(), justEnough.size(), 44100), 1);
  std::vector<int16_t> twoSeconds(44100, 0);  // 20000 samples at 10 kHz
  EXPECT_EQ(track.compute(twoSeconds.data(), twoSeconds.size(), 22050), 196);
}

TEST(FormantTrackFrames, RatesBelowTheAnalysisRateGiveNoFrames) {
  std::vector<int16_t> signal(8000, 0);
  FormantTrack track;
  EXPECT_EQ(track.compute(signal.data(), signal.size(), 8000), 0);
  EXPECT_TRUE(track.valid());
  EXPECT_EQ(track.frameCount(), 0);
}

TEST(FormantTrackSilence, EveryFrameTakesTheNominalFrequencies) {
  for (int rate : {11025, 22050, 44100}) {
    std::vector<int16_t> silence(static_cast<size_t>(rate), 0);
    FormantTrack track;
    ASSERT_GT(track.compute(silence.data(), silence.size(), rate), 0);
    for (const FormantFrame& f : track.frames()) {
      EXPECT_EQ(f.f1Hz, 500.0f);
      EXPECT_EQ(f.f2Hz, 1500.0f);
      EXPECT_EQ(f.f3Hz, 2500.0f);
      EXPECT_EQ(f.f4Hz, 3500.0f);
    }
  }
}

TEST(FormantTrackState, InvalidateClearsValidAndARecomputeGivesTheSameTrack) {
  const std::vector<int16_t> vowel = synthVowel(22050, 0.5, 120.0, {{730, 80}, {1090, 90}, {2440, 120}, {3400, 150}});
  FormantTrack track;
  EXPECT_FALSE(track.valid());
  const int frames = track.compute(vowel.data(), vowel.size(), 22050);
  ASSERT_GT(frames, 0);
  const std::vector<FormantFrame> first = track.frames();
  track.invalidate();
  EXPECT_FALSE(track.valid());
  // The second computation's first frame starts from the estimates the first one left; the
  // roots, and so the track, do not depend on where the solver starts.
  EXPECT_EQ(track.compute(vowel.data(), vowel.size(), 22050), frames);
  for (size_t f = 0; f < first.size(); ++f) {
    EXPECT_NEAR(track.frames()[f].f1Hz, first[f].f1Hz, 0.01f) << f;
    EXPECT_NEAR(track.frames()[f].f3Hz, first[f].f3Hz, 0.01f) << f;
  }
}

TEST(FormantTrackState, AStoppedComputationLeavesNoValidTrack) {
  const std::vector<int16_t> vowel = synthVowel(22050, 0.5, 120.0, {{730, 80}, {1090, 90}, {2440, 120}, {3400, 150}});
  FormantTrack track;
  ASSERT_GT(track.compute(vowel.data(), vowel.size(), 22050), 0);
  StopFlag stop{true};
  EXPECT_EQ(track.compute(vowel.data(), vowel.size(), 22050, &stop), kFormantsStopped);
  EXPECT_FALSE(track.valid());
  EXPECT_EQ(track.frameCount(), 0);
}

struct VowelCase {
  const char* name;
  std::vector<ResonatorSpec> resonators;
};

class SyntheticVowel : public ::testing::TestWithParam<int> {};

TEST_P(SyntheticVowel, SteadyPartIsTrackedWithinEightPercentPerFormant) {
  const int rate = GetParam();
  // Each vowel has a fifth resonance at 4 kHz; formant_glottal_test.cpp covers four resonators.
  const VowelCase vowels[] = {
      {"a", {{730, 90}, {1090, 110}, {2440, 160}, {3400, 200}, {4000, 250}}},
      {"i", {{270, 60}, {2290, 100}, {3010, 150}, {3500, 200}, {4000, 250}}},
      {"u", {{300, 70}, {870, 90}, {2240, 140}, {3300, 180}, {4000, 250}}},
  };
  for (const VowelCase& v : vowels) {
    const std::vector<int16_t> samples = synthVowel(rate, 1.0, 120.0, v.resonators);
    FormantTrack track;
    const int frames = track.compute(samples.data(), samples.size(), rate);
    ASSERT_EQ(frames, 96) << v.name;
    int offFrames = 0;
    for (int f = 3; f < frames - 3; ++f) {
      const FormantFrame& fr = track.frames()[static_cast<size_t>(f)];
      const float got[4] = {fr.f1Hz, fr.f2Hz, fr.f3Hz, fr.f4Hz};
      for (int k = 0; k < 4; ++k) {
        const double want = v.resonators[static_cast<size_t>(k)].frequencyHz;
        if (std::abs(got[k] - want) > 0.08 * want) {
          ++offFrames;
          ADD_FAILURE() << "vowel " << v.name << " rate " << rate << " frame " << f << " F" << k + 1 << " " << got[k]
                        << " Hz, want " << want;
        }
      }
      if (offFrames > 5) return;  // one report per broken case is enough
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rates, SyntheticVowel, ::testing::Values(11025, 22050, 44100));

}  // namespace
}  // namespace velmora
