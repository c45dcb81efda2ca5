// Planning a conversion: the rational ratio, the prime factors and the stages.
#include "audio/resampler_plan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

namespace velmora {
namespace {

TEST(RatioApproximation, FindsTheFirstDenominatorWithinTolerance) {
  const auto r = approximateRatio(11025.0 / 8000.0);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->up, 441);
  EXPECT_EQ(r->down, 320);

  struct Case {
    double ratio;
    int up, down;
  } cases[] = {{44100.0 / 48000.0, 147, 160}, {22050.0 / 44100.0, 1, 2}, {44100.0 / 11025.0, 4, 1},
               {1.0, 1, 1},                   {11025.0 / 16000.0, 441, 640}, {8000.0 / 44100.0, 80, 441}};
  for (const Case& c : cases) {
    const auto got = approximateRatio(c.ratio);
    ASSERT_TRUE(got) << c.ratio;
    EXPECT_EQ(got->up, c.up) << c.ratio;
    EXPECT_EQ(got->down, c.down) << c.ratio;
  }
}

TEST(RatioApproximation, RatiosWithoutASmallDenominatorAreRefused) {
  // 32000 -> 11025 is exactly 441 / 1280: the denominator is too large.
  EXPECT_FALSE(approximateRatio(11025.0 / 32000.0));
  EXPECT_FALSE(approximateRatio(44100.0 / 44101.0));
  EXPECT_FALSE(approximateRatio(0.0));
  EXPECT_FALSE(approximateRatio(-1.0));
}

TEST(PrimeFactors, TableHoldsTheFirst175Primes) {
  const auto& table = primeTable();
  ASSERT_EQ(table.size(), static_cast<size_t>(kPrimeTableSize));
  EXPECT_EQ(table.front(), 2);
  EXPECT_EQ(table.back(), 1039);
}

TEST(PrimeFactors, FactorsAreAscendingPrimesWhoseProductIsTheValue) {
  EXPECT_EQ(primeFactors(441), (std::vector<int>{3, 3, 7, 7}));
  EXPECT_EQ(primeFactors(320), (std::vector<int>{2, 2, 2, 2, 2, 2, 5}));
  EXPECT_EQ(primeFactors(1), (std::vector<int>{1}));
  EXPECT_EQ(primeFactors(1039 * 1031), (std::vector<int>{1031, 1039}));
  EXPECT_EQ(primeFactors(2 * 1049), (std::vector<int>{2, 1049}));  // beyond the table: kept whole
  for (int v = 2; v <= 5000; ++v) {
    const auto f = primeFactors(v);
    long long product = 1;
    for (size_t i = 0; i < f.size(); ++i) {
      product *= f[i];
      if (i > 0) {
        EXPECT_LE(f[i - 1], f[i]) << v;
      }
      for (int d = 2; d * d <= f[i]; ++d) {
        EXPECT_NE(f[i] % d, 0) << v << " has non-prime factor " << f[i];
      }
    }
    EXPECT_EQ(product, v);
  }
}

TEST(StagePlan, EightThousandToElevenThousandUsesFourStages) {
  const auto stages = planStages({441, 320});
  ASSERT_EQ(stages.size(), 4u);
  const int expected[4][2] = {{3, 2}, {3, 4}, {7, 4}, {7, 10}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(stages[i].up, expected[i][0]) << i;
    EXPECT_EQ(stages[i].down, expected[i][1]) << i;
  }
  EXPECT_DOUBLE_EQ(stages[3].cutoffFraction(), 0.05);
}

TEST(StagePlan, EveryCommonRateGivesSmallStagesWhoseProductIsTheRatio) {
  const uint32_t sources[] = {6000,  8000,  11025, 12000, 16000, 19000, 22050, 24000, 32000,
                              37800, 44056, 44100, 47250, 48000, 50000, 88200, 96000, 192000};
  const uint32_t targets[] = {11025, 22050, 44100};
  int planned = 0;
  for (uint32_t source : sources) {
    for (uint32_t target : targets) {
      SCOPED_TRACE(testing::Message() << source << " -> " << target);
      const auto ratio = approximateRatio(static_cast<double>(target) / source);
      if (!ratio) continue;  // refused before any stage is planned (see above)
      ++planned;
      // An exact ratio of these rates has only small prime factors, so every stage fits one
      // filter; an approximated one may carry a large prime and is refused by the resampler.
      const bool exact = static_cast<long long>(target) * ratio->down == static_cast<long long>(source) * ratio->up;
      long long up = 1, down = 1;
      double rate = source;
      const auto stages = planStages(*ratio);
      for (size_t i = 0; i < stages.size(); ++i) {
        if (exact) {
          EXPECT_LE(stages[i].factor(), 41);
        }
        EXPECT_GE(stages[i].factor(), 2);
        up *= stages[i].up;
        down *= stages[i].down;
        rate = rate * stages[i].up / stages[i].down;
        // Until the chain ends, no stage drops below the lower of the two rates, so nothing
        // that the result keeps is lost on the way.
        EXPECT_GE(rate, std::min<double>(source, target) * (1 - 1e-5));
      }
      // The product of the stage ratios is L / M exactly.
      EXPECT_EQ(up * ratio->down, down * ratio->up);
      // Within the approximation's tolerance of 0.000001 on the ratio.
      EXPECT_NEAR(rate / source, static_cast<double>(target) / source, 1e-6);
    }
  }
  EXPECT_GE(planned, 50);  // all but a few of the 54 pairs
}

TEST(StagePlan, SameRateNeedsNoStageAndPureUpsamplingIsGrouped) {
  EXPECT_TRUE(planStages({1, 1}).empty());
  const auto quadruple = planStages({4, 1});
  ASSERT_EQ(quadruple.size(), 1u);
  EXPECT_EQ(quadruple[0].up, 4);
  EXPECT_EQ(quadruple[0].down, 1);
  // 2^7 = 128 cannot be one stage: grouped into stages of at most 41.
  long long product = 1;
  for (const auto& s : planStages({128, 1})) {
    EXPECT_LE(s.factor(), 41);
    product *= s.up;
  }
  EXPECT_EQ(product, 128);
  // Pure decimation: down factors grouped while a stage stays within 41.
  const auto quarter = planStages({1, 4});
  ASSERT_EQ(quarter.size(), 1u);
  EXPECT_EQ(quarter[0].down, 4);
  long long down = 1;
  for (const auto& s : planStages({1, 128})) {
    EXPECT_LE(s.factor(), 41);
    EXPECT_EQ(s.up, 1);
    down *= s.down;
  }
  EXPECT_EQ(down, 128);
}

TEST(StagePlan, DownFactorsLeftAtTheEndJoinTheLastStage) {
  // 48000 -> 44100 = 147 / 160: 3/2, 7/8, then 7 with the remaining 2 and 5.
  const auto stages = planStages({147, 160});
  ASSERT_EQ(stages.size(), 3u);
  EXPECT_EQ(stages[2].up, 7);
  EXPECT_EQ(stages[2].down, 10);
}

}  // namespace
}  // namespace velmora
