// The F0 display range: client-type defaults and the "F0 Setting..." rules.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "analysis/f0_range.h"

namespace velmora {
namespace {

TEST(F0Range, ClientTypesBringTheirRanges) {
  EXPECT_EQ(f0RangeForClientType(0), (F0DisplayRange{70, 400}));
  EXPECT_EQ(f0RangeForClientType(1), (F0DisplayRange{120, 400}));
  EXPECT_EQ(f0RangeForClientType(2), (F0DisplayRange{200, 550}));
  EXPECT_EQ(f0RangeForClientType(3), (F0DisplayRange{100, 1000}));
  EXPECT_EQ(f0RangeForClientType(7), kF0StartupRange);
  EXPECT_EQ(kF0StartupRange, (F0DisplayRange{70, 400}));
  EXPECT_EQ(kF0AnonymousClientRange, (F0DisplayRange{70, 1000}));
}

struct SettingCase {
  std::string minText;
  std::string maxText;
  F0SettingVerdict verdict;
  std::string message;
};

TEST(F0Setting, RulesApplyInOrder) {
  const SettingCase cases[] = {
      {"40", "400", F0SettingVerdict::MinTooLow, "Min. Value: 50 Hz"},
      {"49.9", "400", F0SettingVerdict::MinTooLow, "Min. Value: 50 Hz"},
      {"40", "5000", F0SettingVerdict::MinTooLow, "Min. Value: 50 Hz"},  // the first rule wins
      {"60", "1201", F0SettingVerdict::MaxTooHigh, "Max. Value: 1200 Hz"},
      {"300", "1300", F0SettingVerdict::MaxTooHigh, "Max. Value: 1200 Hz"},
      {"300", "250", F0SettingVerdict::MinNotBelowMax, "Min. Value >= Max. Value"},
      {"300", "300", F0SettingVerdict::MinNotBelowMax, "Min. Value >= Max. Value"},
      {"", "400", F0SettingVerdict::MinTooLow, "Min. Value: 50 Hz"},  // no number reads as 0
      {"abc", "400", F0SettingVerdict::MinTooLow, "Min. Value: 50 Hz"},
      {"60", "", F0SettingVerdict::MinNotBelowMax, "Min. Value >= Max. Value"},
  };
  for (const SettingCase& c : cases) {
    SCOPED_TRACE(c.minText + " / " + c.maxText);
    const F0SettingResult r = validateF0Setting(c.minText, c.maxText);
    EXPECT_EQ(r.verdict, c.verdict);
    EXPECT_FALSE(r.accepted());
    EXPECT_EQ(f0SettingMessage(r.verdict), c.message);
  }
}

TEST(F0Setting, AcceptedValuesAreTruncatedToWholeHertz) {
  F0SettingResult r = validateF0Setting("50", "1200");
  ASSERT_TRUE(r.accepted());
  EXPECT_EQ(r.range, (F0DisplayRange{50, 1200}));
  EXPECT_STREQ(f0SettingMessage(r.verdict), "");

  r = validateF0Setting(" 75.9Hz", "+399.99");
  ASSERT_TRUE(r.accepted());
  EXPECT_EQ(r.range, (F0DisplayRange{75, 399}));
}

TEST(F0Setting, RangesThatWouldBeEmptyAfterTruncationAreRefused) {
  const F0SettingResult r = validateF0Setting(50.2, 50.7);
  EXPECT_EQ(r.verdict, F0SettingVerdict::MinNotBelowMax);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(validateF0Setting(nan, 400.0).accepted());
  EXPECT_FALSE(validateF0Setting(60.0, nan).accepted());
}

}  // namespace
}  // namespace velmora
