// The spectrogram's frequency axis values.
#include <gtest/gtest.h>

#include "analysis/spectral_axes.h"
#include "analysis/spectrogram.h"

namespace velmora {
namespace {

TEST(SpectrogramAxes, NineLabelsOnAPaneOfThreeHundred) {
  Spectrogram s;
  s.setSampleRate(44100);
  s.setLimit(11025.0f);
  const std::vector<AxisLabel> labels = spectrogramFrequencyLabels(s.topFrequencyHz(), 150, 300);
  ASSERT_EQ(labels.size(), 9u);
  EXPECT_DOUBLE_EQ(labels[0].value, 0.0);
  EXPECT_DOUBLE_EQ(labels[1].value, 1.378);  // 11025 / 8, integer hertz
  EXPECT_DOUBLE_EQ(labels[8].value, 11.025);
  EXPECT_EQ(labels[0].textTop, 150 + 300 - 8);
  EXPECT_EQ(labels[1].textTop, 150 + 300 - 8 - 36);  // 294 / 8, integer division
  EXPECT_EQ(labels[8].textTop, 150 - 2);
}

TEST(SpectrogramAxes, LowPaneHasFiveLabels) {
  const std::vector<AxisLabel> labels = spectrogramFrequencyLabels(2756.0, 100, 200);
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_DOUBLE_EQ(labels[1].value, 0.689);
  EXPECT_DOUBLE_EQ(labels[4].value, 2.756);
  EXPECT_EQ(labels[4].textTop, 100 + 200 - 8 - 194);
}

TEST(SpectrogramAxes, TopFrequencyFromTheLimitEvenWhenZoomIsInexact) {
  Spectrogram s;
  s.setSampleRate(11025);
  for (float limit : {2756.0f, 3675.0f, 5512.0f}) {
    s.setLimit(limit);
    EXPECT_DOUBLE_EQ(spectrogramFrequencyLabels(s.topFrequencyHz(), 0, 300).back().value, limit / 1000.0) << limit;
  }
}

}  // namespace
}  // namespace velmora
