// The elliptic stage filter, judged by its frequency response at the design edges.
#include "audio/stage_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

double levelDb(const std::vector<Biquad>& sections, double frequencyFraction) {
  return 20.0 * std::log10(std::abs(frequencyResponse(sections, frequencyFraction)));
}

struct BandLevels {
  double passMinDb = 1e9;
  double passMaxDb = -1e9;
  double stopMaxDb = -1e9;
};

// Dense sweep of both bands; the passband ends at 0.9 x cutoff, the stopband starts at the cutoff.
BandLevels measureBands(const StageFilter& filter, double cutoff) {
  BandLevels b;
  constexpr int kPoints = 4000;
  for (int i = 0; i <= kPoints; ++i) {
    const double level = levelDb(filter.sections, 0.9 * cutoff * i / kPoints);
    b.passMinDb = std::min(b.passMinDb, level);
    b.passMaxDb = std::max(b.passMaxDb, level);
  }
  for (int i = 0; i <= 4 * kPoints; ++i) {
    b.stopMaxDb = std::max(b.stopMaxDb, levelDb(filter.sections, cutoff + (0.5 - cutoff) * i / (4 * kPoints)));
  }
  return b;
}

TEST(StageFilter, EveryFactorMeetsRippleAndAttenuationAtItsEdges) {
  for (int factor = kMinStageFactor; factor <= kMaxStageFactor; ++factor) {
    SCOPED_TRACE(factor);
    const double cutoff = 0.5 / factor;
    const StageFilter filter = designStageFilter(cutoff);
    ASSERT_TRUE(filter.ok());
    const BandLevels b = measureBands(filter, cutoff);
    EXPECT_LE(b.passMaxDb - b.passMinDb, 0.2 + 1e-6);
    EXPECT_LE(b.passMaxDb, 1e-6);  // the passband peaks at 0 dB: nothing grows
    EXPECT_GE(b.passMinDb, -0.2 - 1e-6);
    EXPECT_LE(b.stopMaxDb, -80.0);
    EXPECT_GE(filter.achievedAttenuationDb, 80.0);
    // The reported attenuation is what the response shows, not a promise.
    EXPECT_NEAR(-b.stopMaxDb, filter.achievedAttenuationDb, 1.0);
  }
}

TEST(StageFilter, NarrowFiltersAreCascadedFromGentlerPrototypes) {
  EXPECT_EQ(designStageFilter(0.5 / 19).repeats, 1);
  EXPECT_EQ(designStageFilter(0.5 / 20).repeats, 2);
  EXPECT_EQ(designStageFilter(0.5 / 29).repeats, 2);
  EXPECT_EQ(designStageFilter(0.5 / 30).repeats, 3);
  EXPECT_EQ(designStageFilter(0.5 / 41).repeats, 3);
  for (int factor : {2, 7, 19, 25, 41}) {
    const StageFilter f = designStageFilter(0.5 / factor);
    EXPECT_EQ(f.prototypeOrder % 2, 0);
    EXPECT_EQ(static_cast<int>(f.sections.size()) * 2, f.order());
  }
}

TEST(StageFilter, EverySectionIsStable) {
  for (int factor = kMinStageFactor; factor <= kMaxStageFactor; ++factor) {
    for (const Biquad& s : designStageFilter(0.5 / factor).sections) {
      // Poles inside the unit circle: |a2| < 1 and |a1| < 1 + a2.
      EXPECT_LT(std::fabs(s.a2), 1.0) << factor;
      EXPECT_LT(std::fabs(s.a1), 1.0 + s.a2) << factor;
    }
  }
}

TEST(StageFilter, FactorsOutsideTwoToFortyOneAreRefused) {
  for (double cutoff : {0.5, 0.5 / 42, 0.5 / 100, 0.0, -0.1}) {
    const StageFilter f = designStageFilter(cutoff);
    EXPECT_EQ(f.error, StageFilterError::TooDifficult) << cutoff;
    EXPECT_TRUE(f.sections.empty());
  }
  EXPECT_EQ(stageFilterErrorText(StageFilterError::TooDifficult), "Filter design too difficult! ");
  // The factor is taken with a little rounding room: 0.5 / (0.5 / 41) is 41, not 40.99...
  EXPECT_EQ(stageFactorOf(0.5 / 41), 41);
  EXPECT_EQ(stageFactorOf(0.5 / 3), 3);
}

TEST(StageFilter, LimitCycleCheckFlagsPolesHuggingTheUnitCircle) {
  // Pole pair at radius r and angle theta: a1 = -2 r cos(theta), a2 = r^2.
  auto section = [](double r, double theta) {
    Biquad b;
    b.a1 = -2.0 * r * std::cos(theta);
    b.a2 = r * r;
    return b;
  };
  EXPECT_TRUE(sufferFromLimitCycles(section(0.99999, 0.01)));
  EXPECT_TRUE(sufferFromLimitCycles(section(0.9995, 0.05)));
  EXPECT_FALSE(sufferFromLimitCycles(section(0.9, 0.5)));
  EXPECT_FALSE(sufferFromLimitCycles(section(0.99, 0.3)));
  EXPECT_EQ(stageFilterErrorText(StageFilterError::LimitCycles), "Filter will suffer from limit cycles...\n");
}

TEST(StageFilter, TooSharpATransitionFailsTheLimitCycleCheck) {
  StageFilterDesign sharp;
  sharp.passbandEdgeFraction = 0.995;
  EXPECT_EQ(designStageFilter(0.5 / 19, sharp).error, StageFilterError::LimitCycles);
  // The usual edges at the same factor pass.
  EXPECT_TRUE(designStageFilter(0.5 / 19).ok());
}

}  // namespace
}  // namespace velmora
