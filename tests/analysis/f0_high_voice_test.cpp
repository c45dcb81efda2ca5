// F0 of glottal pulse trains and harmonic complexes from a low man's voice to a soprano's top
// and a child's cry (80 Hz up to the settings' max_f0, 1400 Hz), through the F0 track's settings
// (60 to 1400 Hz), at the recording rates: most frames voiced, and fewer than 2 % of the voiced
// ones off by 20 % or more.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/f0_track.h"
#include "analysis/glottal_source.h"

namespace velmora {
namespace {

class HighVoice : public ::testing::TestWithParam<int> {};

TEST_P(HighVoice, GrossErrorsStayBelowTwoPercentOfVoicedFrames) {
  const int rate = GetParam();
  for (int kind = 0; kind < 2; ++kind) {
    for (double f0 : {80.0, 150.0, 300.0, 600.0, 700.0, 900.0, 1200.0, 1300.0, 1400.0}) {
      const std::vector<int16_t> samples = kind == 0 ? testing::toSamples(testing::glottalPulses(rate, 1.0, f0))
                                                     : testing::harmonicComplex(rate, 1.0, f0);
      F0Track track;
      track.compute(samples.data(), samples.size(), rate);
      int voiced = 0, gross = 0;
      for (float v : track.values()) {
        if (v <= 0.0f) continue;
        ++voiced;
        gross += std::abs(v - f0) >= 0.2 * f0;
      }
      const std::string what = std::string(kind == 0 ? "pulses" : "harmonics") + " at " +
                               std::to_string(static_cast<int>(f0)) + " Hz";
      EXPECT_GT(voiced, static_cast<int>(track.count() / 2)) << what;
      EXPECT_LT(gross, 0.02 * voiced) << what << ": " << gross << " of " << voiced;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rates, HighVoice, ::testing::Values(11025, 22050, 44100));

// A voice at the highest F0 the settings allow has its period at the shortest lag searched or up
// to half a lag below it (31.5 samples at 44100 Hz against a shortest lag of 32), whose shorter
// neighbour lies outside the search: it must still be found, and not an octave low.
TEST(HighVoice, AVoiceAtTheHighestSettingIsFound) {
  constexpr double f0 = 1400.0;
  for (int rate : {11025, 22050, 44100}) {
    for (int kind = 0; kind < 2; ++kind) {
      const std::vector<int16_t> samples = kind == 0 ? testing::toSamples(testing::glottalPulses(rate, 1.0, f0))
                                                     : testing::harmonicComplex(rate, 1.0, f0);
      F0Track track;
      track.compute(samples.data(), samples.size(), rate);
      int voiced = 0, near = 0;
      for (float v : track.values()) {
        if (v <= 0.0f) continue;
        ++voiced;
        near += std::abs(v - f0) < 0.05 * f0;
      }
      const std::string what = std::string(kind == 0 ? "pulses" : "harmonics") + " at " + std::to_string(rate) + " Hz";
      EXPECT_GT(voiced, static_cast<int>(track.count() / 2)) << what;
      EXPECT_GT(near, 0.98 * voiced) << what << ": " << near << " of " << voiced;
    }
  }
}

}  // namespace
}  // namespace velmora
