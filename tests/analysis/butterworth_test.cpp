// Butterworth designs measured the way they are used: sine waves through filterSample, with the
// steady-state amplitude taken by correlation after the transient has died away.
#include "analysis/butterworth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace velmora {
namespace {

double gainDb(FilterCascade& filter, double frequencyHz, double rateHz) {
  resetFilter(filter);
  const int settle = 20000, measure = 20000;
  double sumSin = 0.0, sumCos = 0.0;
  for (int n = 0; n < settle + measure; ++n) {
    const double phase = 2.0 * std::numbers::pi * frequencyHz * n / rateHz;
    const double y = filterSample(filter, std::sin(phase));
    if (n >= settle) {
      sumSin += y * std::sin(phase);
      sumCos += y * std::cos(phase);
    }
  }
  const double amplitude = 2.0 * std::hypot(sumSin, sumCos) / measure;
  return 20.0 * std::log10(amplitude);
}

double steadyOutput(FilterCascade& filter, double input) {
  resetFilter(filter);
  double y = 0.0;
  for (int n = 0; n < 40000; ++n) y = filterSample(filter, input);
  return y;
}

double nyquistOutput(FilterCascade& filter) {
  resetFilter(filter);
  double y = 0.0;
  for (int n = 0; n < 40000; ++n) y = filterSample(filter, n % 2 == 0 ? 1.0 : -1.0);
  return std::abs(y);
}

ButterworthDesign design(FilterType type, int order, double f1, double f2, double rate) {
  ButterworthDesign d = designButterworth(static_cast<int>(type), order, f1, f2, rate);
  EXPECT_TRUE(d.filter != nullptr) << d.errorText;
  EXPECT_EQ(d.error, FilterError::None);
  EXPECT_TRUE(d.errorText.empty());
  return d;
}

TEST(ButterworthLowPass, UnityAtZeroHertzAndMinusThreeDecibelsAtTheCutoff) {
  for (double rate : {44100.0, 88200.0, 66150.0}) {
    for (int order : {2, 4, 6, 10}) {
      ButterworthDesign d = design(FilterType::LowPass, order, 4750.0, 0.0, rate);
      ASSERT_TRUE(d.filter);
      EXPECT_EQ(d.filter->sections.size(), static_cast<size_t>(order / 2));
      EXPECT_NEAR(steadyOutput(*d.filter, 1.0), 1.0, 1e-9) << rate << " " << order;
      EXPECT_NEAR(gainDb(*d.filter, 4750.0, rate), -3.0103, 0.1) << rate << " " << order;
    }
  }
}

TEST(ButterworthLowPass, OrderFourFallsAtLeastTwentyFourDecibelsPerOctave) {
  const double rate = 44100.0, cutoff = 1000.0;
  ButterworthDesign d = design(FilterType::LowPass, 4, cutoff, 0.0, rate);
  ASSERT_TRUE(d.filter);
  const double atCutoff = gainDb(*d.filter, cutoff, rate);
  const double oneOctave = gainDb(*d.filter, 2 * cutoff, rate);
  const double twoOctaves = gainDb(*d.filter, 4 * cutoff, rate);
  EXPECT_GE(oneOctave - twoOctaves, 24.0);
  // From the cutoff the first octave already loses 24 dB minus the 3 dB at the corner.
  EXPECT_GE(atCutoff - oneOctave, 21.0);
  // The passband stays flat: half the cutoff is within 0.1 dB of unity for this order.
  EXPECT_NEAR(gainDb(*d.filter, cutoff / 2, rate), 0.0, 0.1);
}

TEST(ButterworthHighPass, BlocksZeroHertzPassesNyquistAndMinusThreeAtTheCutoff) {
  ButterworthDesign d = design(FilterType::HighPass, 4, 1000.0, 0.0, 44100.0);
  ASSERT_TRUE(d.filter);
  EXPECT_NEAR(steadyOutput(*d.filter, 1.0), 0.0, 1e-9);
  EXPECT_NEAR(nyquistOutput(*d.filter), 1.0, 1e-9);
  EXPECT_NEAR(gainDb(*d.filter, 1000.0, 44100.0), -3.0103, 0.1);
  EXPECT_LE(gainDb(*d.filter, 250.0, 44100.0), -45.0);
}

TEST(ButterworthBandFilters, FiveCoefficientSectionsWithTheirCornersAtMinusThree) {
  const double rate = 22050.0, low = 500.0, high = 2000.0;
  ButterworthDesign pass = design(FilterType::BandPass, 4, low, high, rate);
  ASSERT_TRUE(pass.filter);
  ASSERT_EQ(pass.filter->sections.size(), 2u);
  EXPECT_EQ(pass.filter->sections[0].coefficientCount, 5);
  EXPECT_NEAR(gainDb(*pass.filter, 1000.0, rate), 0.0, 0.3);  // close to the geometric centre
  EXPECT_NEAR(gainDb(*pass.filter, low, rate), -3.0103, 0.1);
  EXPECT_NEAR(gainDb(*pass.filter, high, rate), -3.0103, 0.1);
  EXPECT_NEAR(steadyOutput(*pass.filter, 1.0), 0.0, 1e-9);
  EXPECT_NEAR(nyquistOutput(*pass.filter), 0.0, 1e-9);

  ButterworthDesign stop = design(FilterType::BandStop, 4, low, high, rate);
  ASSERT_TRUE(stop.filter);
  EXPECT_NEAR(steadyOutput(*stop.filter, 1.0), 1.0, 1e-9);
  EXPECT_NEAR(nyquistOutput(*stop.filter), 1.0, 1e-6);
  EXPECT_NEAR(gainDb(*stop.filter, low, rate), -3.0103, 0.1);
  EXPECT_NEAR(gainDb(*stop.filter, high, rate), -3.0103, 0.1);
  EXPECT_LE(gainDb(*stop.filter, 1000.0, rate), -40.0);
}

TEST(ButterworthErrors, RefusedDesignsReturnNoFilterAndTheirMessage) {
  struct Case {
    int type;
    int order;
    FilterError error;
    const char* text;
  };
  const Case cases[] = {
      {0, 4, FilterError::UnknownType, "filter: unknown filter type"},
      {5, 4, FilterError::UnknownType, "filter: unknown filter type"},
      {1, 3, FilterError::OddOrder, "filter: filter order must be even"},
      {2, 5, FilterError::OddOrder, "filter: filter order must be even"},
      {1, 12, FilterError::OrderTooLarge, "filter: order of filter too large"},
      {3, 12, FilterError::OrderTooLarge, "filter: order of filter too large"},
  };
  for (const Case& c : cases) {
    ButterworthDesign d = designButterworth(c.type, c.order, 1000.0, 2000.0, 44100.0);
    EXPECT_FALSE(d.filter) << c.type << " " << c.order;
    EXPECT_EQ(d.error, c.error) << c.type << " " << c.order;
    EXPECT_EQ(d.errorText, c.text);
  }
  EXPECT_STREQ(filterErrorText(FilterError::OutOfMemory), "filter: out of memory");
  EXPECT_TRUE(designButterworth(1, 10, 1000.0, 0.0, 44100.0).filter);
}

TEST(ButterworthState, ResetMakesTheFilterForgetItsHistoryAndFreeReleasesIt) {
  ButterworthDesign d = design(FilterType::LowPass, 4, 2000.0, 0.0, 16000.0);
  ASSERT_TRUE(d.filter);
  float fresh[32];
  for (int n = 0; n < 32; ++n) fresh[n] = filterSample(*d.filter, n == 0 ? 1.0 : 0.0);
  for (int n = 0; n < 100; ++n) filterSample(*d.filter, 5000.0);
  resetFilter(*d.filter);
  for (int n = 0; n < 32; ++n) EXPECT_EQ(filterSample(*d.filter, n == 0 ? 1.0 : 0.0), fresh[n]) << n;
  // The comparison above means something only if the response is not all zeros.
  EXPECT_GT(std::abs(fresh[1]), 1e-4f);
  freeFilter(d.filter);
  EXPECT_FALSE(d.filter);
}

// Direct form II, section after section, written plainly from the designed coefficients.
std::vector<double> reference(const FilterCascade& designed, std::vector<double> values) {
  for (const FilterSection& s : designed.sections) {
    double state[5] = {0, 0, 0, 0, 0};
    for (double& v : values) {
      for (int i = s.coefficientCount - 1; i > 0; --i) state[i] = state[i - 1];
      state[0] = v;
      for (int i = 1; i < s.coefficientCount; ++i) state[0] -= s.a[i] * state[i];
      v = 0.0;
      for (int i = 0; i < s.coefficientCount; ++i) v += s.b[i] * state[i];
    }
  }
  return values;
}

// Long signals go through filterBlock, whose sections run side by side in groups: every grouping
// (1, 3, 4 and 5 two-pole sections, band sections of five coefficients) and the blocks' seams
// must give the plain cascade's values, and filterSample the same one at a time.
TEST(ButterworthState, BlocksGiveThePlainCascadesValues) {
  struct Case {
    FilterType type;
    int order;
  };
  for (const Case c : {Case{FilterType::LowPass, 2}, Case{FilterType::LowPass, 6}, Case{FilterType::LowPass, 8},
                       Case{FilterType::HighPass, 10}, Case{FilterType::BandPass, 4}}) {
    ButterworthDesign one = design(c.type, c.order, 1500.0, 3000.0, 16000.0);
    ButterworthDesign block = design(c.type, c.order, 1500.0, 3000.0, 16000.0);
    ASSERT_TRUE(one.filter && block.filter);
    resetFilter(*one.filter);
    resetFilter(*block.filter);
    std::vector<double> values(500);
    for (size_t n = 0; n < values.size(); ++n) values[n] = (n % 37 == 0 ? 8000.0 : 0.0) + 3000.0 * std::sin(0.3 * n);
    const std::vector<double> expected = reference(*one.filter, values);
    std::vector<float> single;
    for (double v : values) single.push_back(filterSample(*one.filter, v));
    for (size_t at = 0; at < values.size(); at += 7)
      filterBlock(*block.filter, values.data() + at, std::min<size_t>(7, values.size() - at));
    for (size_t n = 0; n < values.size(); ++n) {
      ASSERT_NEAR(values[n], expected[n], 1e-9 * (1.0 + std::abs(expected[n]))) << "order " << c.order << " value " << n;
      ASSERT_EQ(single[n], static_cast<float>(values[n])) << "order " << c.order << " value " << n;
    }
    EXPECT_GT(std::abs(expected[100]), 1.0);
  }
}

}  // namespace
}  // namespace velmora
