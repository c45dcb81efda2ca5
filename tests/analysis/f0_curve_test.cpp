// Geometry of the F0 curve and of the F0 marker at the play or record position.
#include <gtest/gtest.h>

#include <vector>

#include "analysis/f0_curve.h"

namespace velmora {
namespace {

const F0Pane kPane{10, 20, 100, 200};  // x 10..110, y 20..220
const F0DisplayRange kRange{100, 300};

TEST(F0Curve, NothingWhenTheTrackIsNotValid) {
  const std::vector<float> values(100, 200.0f);
  EXPECT_TRUE(f0CurveDots(values, false, kPane, 1000, 0, 1000, kRange, 0).dots.empty());
  EXPECT_TRUE(f0CurveDots({}, true, kPane, 1000, 0, 1000, kRange, 0).dots.empty());
  EXPECT_EQ(f0MarkerAt(values, false, kPane, 1000, 500, kRange, 0).index, -1);
}

TEST(F0Curve, ColourFollowsTheSpectrogramScheme) {
  EXPECT_EQ(f0DotColourRgb(0), kF0DotBlueRgb);
  EXPECT_EQ(f0DotColourRgb(1), kF0DotRedRgb);
  EXPECT_EQ(f0DotColourRgb(2), kF0DotBlueRgb);
}

TEST(F0Curve, ValuesMapLinearlyFromBottomToTop) {
  // One value per pixel column: 100 values over 1000 samples, the whole range visible.
  std::vector<float> values(100, 0.0f);
  values[0] = 200.0f;  // middle of the range
  values[1] = 300.0f;  // the top
  values[2] = 150.0f;  // a quarter up
  values[3] = 100.0f;  // the bottom: lifted by a dot
  values[4] = 350.0f;  // above the range: not drawn
  values[5] = 90.0f;   // below the range: not drawn
  values[99] = 200.0f; // the last column
  const F0Curve curve = f0CurveDots(values, true, kPane, 1000, 0, 1000, kRange, 1);
  EXPECT_EQ(curve.colourRgb, kF0DotRedRgb);
  ASSERT_EQ(curve.dots.size(), 5u);
  EXPECT_EQ(curve.dots[0], (DotBox{11, 120, 14, 124}));   // left edge clipped to x0 + 1
  EXPECT_EQ(curve.dots[1], (DotBox{11, 20, 15, 24}));
  EXPECT_EQ(curve.dots[2], (DotBox{12, 170, 16, 174}));
  EXPECT_EQ(curve.dots[3], (DotBox{13, 216, 17, 220}));
  EXPECT_EQ(curve.dots[4], (DotBox{109, 120, 110, 124}));  // right edge clipped to the pane
}

TEST(F0Curve, VisibleRangeSelectsTheValues) {
  // 1000 values over 10000 samples; the second half is visible on a 100-pixel pane, so
  // column i shows value 500 + 5 i.
  std::vector<float> values(1000, 0.0f);
  values[500] = 200.0f;
  values[505] = 250.0f;
  values[502] = 300.0f;  // between columns: never shown
  const F0Curve curve = f0CurveDots(values, true, kPane, 10000, 5000, 10000, kRange, 0);
  ASSERT_EQ(curve.dots.size(), 2u);
  EXPECT_EQ(curve.dots[0].left, 11);
  EXPECT_EQ(curve.dots[1].left, 11);
  EXPECT_EQ(curve.dots[1].top, 70);
}

TEST(F0Curve, ZoomedInColumnsRepeatAValue) {
  std::vector<float> values(10, 200.0f);
  const F0Curve curve = f0CurveDots(values, true, kPane, 1000, 0, 100, kRange, 0);  // one value
  EXPECT_EQ(curve.dots.size(), 100u);
}

TEST(F0Marker, IndexFollowsThePositionAndTheDotSitsAtTheRightEdge) {
  std::vector<float> values(90, 0.0f);
  values[45] = 300.0f;
  values[89] = 120.0f;
  F0Marker m = f0MarkerAt(values, true, kPane, 9000, 4550, kRange, 2);
  EXPECT_EQ(m.index, 45);
  ASSERT_TRUE(m.dot.has_value());
  EXPECT_EQ(*m.dot, (DotBox{106, 20, 110, 24}));
  EXPECT_EQ(m.colourRgb, kF0DotBlueRgb);

  m = f0MarkerAt(values, true, kPane, 9000, 100, kRange, 0);  // unvoiced
  EXPECT_EQ(m.index, 1);
  EXPECT_FALSE(m.dot.has_value());

  // At the very end the index stays on the last value.
  m = f0MarkerAt(values, true, kPane, 9000, 9000, kRange, 0);
  EXPECT_EQ(m.index, 89);
  ASSERT_TRUE(m.dot.has_value());
  EXPECT_EQ(m.dot->top, 200);
}

}  // namespace
}  // namespace velmora
