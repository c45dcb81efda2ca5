// F0 and formant dots: which values show, where they fall, and in which colour.
#include <gtest/gtest.h>

#include "view/overlay_dots.h"
#include "view/view_renderer.h"

namespace velmora {
namespace {

constexpr PaneRect kPane{140, 150, 800, 300};

TEST(F0Dots, OnlyVoicedValuesWithinTheDisplayRangeAreDrawn) {
  // 800 values over 800 columns: one value per column.
  std::vector<float> values(800, 0.0f);
  values[10] = 69.0f;    // below the range
  values[20] = 70.0f;    // the bottom of the scale
  values[30] = 235.0f;   // the middle
  values[40] = 400.0f;   // the top
  values[50] = 401.0f;   // above the range
  const auto dots = f0Dots(values, 800 * 100, 0, 800 * 100, kPane, 70, 400);
  ASSERT_EQ(dots.size(), 3u);
  EXPECT_EQ(dots[0].x, 140 + 1 + 20);
  EXPECT_EQ(dots[0].y, 450 - 4);     // at the bottom: moved up by the dot size
  EXPECT_EQ(dots[1].x, 140 + 1 + 30);
  EXPECT_EQ(dots[1].y, 450 - 150);   // half way
  EXPECT_EQ(dots[2].y, 150);         // the top value at the pane's top
  for (const Dot& d : dots) EXPECT_EQ(d.size, 4);
}

TEST(F0Dots, ZoomedRangeMapsColumnsToItsValues) {
  std::vector<float> values(1600, 0.0f);  // 100 samples per value
  values[450] = 200.0f;
  // Visible: samples 40000..50000 (values 400..500), 8 columns per value.
  const auto dots = f0Dots(values, 160000, 40000, 50000, kPane, 70, 400);
  ASSERT_EQ(dots.size(), 8u);
  EXPECT_EQ(dots.front().x, 140 + 1 + 400);
  EXPECT_EQ(dots.back().x, 140 + 1 + 407);
  EXPECT_TRUE(f0Dots(values, 160000, 0, 30000, kPane, 70, 400).empty());
  EXPECT_TRUE(f0Dots({}, 160000, 0, 160000, kPane, 70, 400).empty());
}

TEST(F0Dots, BlueForSchemes0And2RedFor1) {
  EXPECT_EQ(f0DotColour(0), QColor(0, 0, 255));
  EXPECT_EQ(f0DotColour(2), QColor(0, 0, 255));
  EXPECT_EQ(f0DotColour(1), QColor(255, 0, 0));
}

TEST(FormantDots, VoicedFramesOnlyAndBelowTheTopFrequency) {
  std::vector<FormantFrameValues> frames(800);
  for (auto& f : frames) f.hz = {500, 1500, 2500, 6000};
  frames[5].drawable = false;
  std::vector<float> f0(800, 120.0f);
  f0[7] = 0.0f;  // unvoiced: no formants there
  const auto dots = formantDots(frames, f0, 800 * 100, 0, 800 * 100, kPane, 5000.0);
  // F4 at 6000 Hz is above the 5000 Hz top; columns 5 and 7 are skipped.
  EXPECT_EQ(dots.size(), 3u * 798);
  for (const Dot& d : dots) {
    EXPECT_NE(d.x, 140 + 5);
    EXPECT_NE(d.x, 140 + 7);
    EXPECT_LT(d.slot, 3);
    EXPECT_GE(d.y, 150);
    EXPECT_LE(d.y + d.size, 450);
  }
  const Dot& f1 = dots.front();
  EXPECT_EQ(f1.y, 450 - static_cast<int>(300 * 500 / 5000.0));
  // Without an F0 track every drawable frame shows.
  EXPECT_EQ(formantDots(frames, {}, 800 * 100, 0, 800 * 100, kPane, 5000.0).size(), 3u * 799);
}

TEST(FormantDots, ColoursPerScheme) {
  EXPECT_EQ(formantColour(0, 0), QColor(255, 128, 0));
  EXPECT_EQ(formantColour(0, 3), QColor(255, 0, 0));
  EXPECT_EQ(formantColour(1, 2), QColor(255, 128, 192));
  EXPECT_EQ(formantColour(2, 1), QColor(0, 255, 255));
  EXPECT_EQ(formantColour(2, 3), QColor(0, 255, 0));
}

}  // namespace
}  // namespace velmora
