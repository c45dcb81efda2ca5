// The formant overlay's dots: columns to frames, frequencies to rows, colours, clipping and
// the voiced-only rule.
#include "analysis/formant_overlay.h"

#include <gtest/gtest.h>

#include <map>

namespace velmora {
namespace {

constexpr PaneGeometry kPane{140, 150, 800, 300};

// Frame k has F1 = 200 + k, F2 = 1500, F3 = 2500, F4 = 3500 and starts at 100 k.
FormantTrack rampTrack(int frames) {
  std::vector<FormantFrame> f(static_cast<size_t>(frames));
  for (int k = 0; k < frames; ++k) f[static_cast<size_t>(k)] = FormantFrame{200.0f + k, 1500.0f, 2500.0f, 3500.0f, k * 100, 1};
  FormantTrack track;
  track.assign(std::move(f));
  return track;
}

std::map<int, std::vector<FormantDot>> byColumn(const std::vector<FormantDot>& dots) {
  std::map<int, std::vector<FormantDot>> columns;
  for (const FormantDot& d : dots) columns[d.left].push_back(d);
  return columns;
}

TEST(FormantOverlay, NothingWithoutAValidTrack) {
  FormantTrack track;
  EXPECT_TRUE(formantOverlayDots(track, kPane, 5000.0, {10000, 0, 10000}, 0, nullptr).empty());
  track = rampTrack(100);
  track.invalidate();
  EXPECT_TRUE(formantOverlayDots(track, kPane, 5000.0, {10000, 0, 10000}, 0, nullptr).empty());
  EXPECT_TRUE(formantDotsAtPosition(track, kPane, 5000.0, 10000, 5000, 0, nullptr).empty());
}

TEST(FormantOverlay, EveryColumnShowsItsFrameAtTheMappedHeight) {
  const FormantTrack track = rampTrack(100);
  // 100 frames over 80000 samples and 800 columns: column i shows frame truncate(i / 8).
  const auto columns = byColumn(formantOverlayDots(track, kPane, 5000.0, {80000, 0, 80000}, 0, nullptr));
  ASSERT_EQ(columns.size(), 800u);
  for (const auto& [x, dots] : columns) {
    const int i = x - kPane.left;
    ASSERT_EQ(dots.size(), 4u) << i;
    const int frame = i / 8;
    const float f1 = 200.0f + frame;
    EXPECT_EQ(dots[0].formantIndex, 0);
    EXPECT_EQ(dots[0].top, 150 + 300 - static_cast<int>(300 * f1 / 5000.0)) << i;
    EXPECT_EQ(dots[3].top, 150 + 300 - 210);
    EXPECT_EQ(dots[0].bottom - dots[0].top, 3);
    // The last columns are cut at the pane's right edge.
    EXPECT_EQ(dots[0].right, std::min(x + 3, kPane.left + kPane.width)) << i;
  }
}

TEST(FormantOverlay, ZoomedRangeShowsOnlyItsFrames) {
  const FormantTrack track = rampTrack(100);
  // Samples 40000 .. 48000 of 80000 are frames 50 .. 60 spread over 800 columns.
  const auto columns = byColumn(formantOverlayDots(track, kPane, 5000.0, {80000, 40000, 48000}, 0, nullptr));
  ASSERT_EQ(columns.size(), 800u);
  EXPECT_EQ(columns.begin()->second[0].top, 450 - static_cast<int>(300 * 250.0f / 5000.0));
  EXPECT_EQ(columns.rbegin()->second[0].top, 450 - static_cast<int>(300 * 259.0f / 5000.0));
}

TEST(FormantOverlay, FormantsAtOrAboveTheTopFrequencyAreNotDrawn) {
  const FormantTrack track = rampTrack(100);
  const auto dots = formantOverlayDots(track, kPane, 2500.0, {80000, 0, 80000}, 0, nullptr);
  for (const FormantDot& d : dots) EXPECT_LT(d.formantIndex, 2);  // F3 = 2500 is not below the top
  EXPECT_EQ(dots.size(), 1600u);
  for (const FormantDot& d : dots) {
    EXPECT_GE(d.top, kPane.top);
    EXPECT_LE(d.bottom, kPane.top + kPane.height);
  }
}

TEST(FormantOverlay, ColoursFollowTheSpectrogramScheme) {
  const FormantTrack track = rampTrack(10);
  struct Case {
    int scheme;
    int formant;
    OverlayColour colour;
  };
  for (const Case& c : {Case{0, 0, {255, 128, 0}}, Case{0, 3, {255, 0, 0}}, Case{1, 1, {255, 128, 0}},
                        Case{1, 2, {255, 128, 192}}, Case{2, 2, {220, 220, 220}}, Case{2, 3, {0, 255, 0}},
                        Case{9, 1, {128, 0, 64}}}) {
    const auto dots = formantOverlayDots(track, kPane, 5000.0, {1000, 0, 1000}, c.scheme, nullptr);
    ASSERT_FALSE(dots.empty());
    for (const FormantDot& d : dots) {
      if (d.formantIndex != c.formant) continue;
      EXPECT_EQ(d.colour.red, c.colour.red) << c.scheme << " " << c.formant;
      EXPECT_EQ(d.colour.green, c.colour.green);
      EXPECT_EQ(d.colour.blue, c.colour.blue);
    }
  }
}

TEST(FormantOverlay, OnlyVoicedAndDrawableFramesAreShown) {
  std::vector<FormantFrame> frames(100, FormantFrame{500.0f, 1500.0f, 2500.0f, 3500.0f, 0, 1});
  frames[99].drawable = 0;
  FormantTrack track;
  track.assign(frames);
  // 90 F0 values over the same 80000 samples; the first half unvoiced.
  std::vector<float> f0(90, 120.0f);
  for (size_t i = 0; i < 45; ++i) f0[i] = 0.0f;
  const auto columns = byColumn(formantOverlayDots(track, kPane, 5000.0, {80000, 0, 80000}, 0, &f0));
  for (int i = 0; i < 800; ++i) {
    const bool shown = columns.count(kPane.left + i) > 0;
    if (i < 395 || i >= 792) {
      EXPECT_FALSE(shown) << i;  // unvoiced, or frame 99, which is not drawable
    } else if (i > 405) {
      EXPECT_TRUE(shown) << i;
    }
  }
  // Without F0 values every drawable frame is shown.
  EXPECT_EQ(byColumn(formantOverlayDots(track, kPane, 5000.0, {80000, 0, 80000}, 0, nullptr)).size(), 792u);
  // An F0 track with no values has no voiced frame.
  const std::vector<float> noF0;
  EXPECT_TRUE(formantOverlayDots(track, kPane, 5000.0, {80000, 0, 80000}, 0, &noF0).empty());
}

TEST(FormantOverlay, DotsAtThePlayPositionSitAtThePaneRightEdge) {
  const FormantTrack track = rampTrack(100);
  const auto dots = formantDotsAtPosition(track, kPane, 5000.0, 80000, 40000, 1, nullptr);
  ASSERT_EQ(dots.size(), 4u);
  for (const FormantDot& d : dots) {
    EXPECT_EQ(d.right, kPane.left + kPane.width);
    EXPECT_EQ(d.left, kPane.left + kPane.width - 3);
  }
  EXPECT_EQ(dots[0].top, 450 - static_cast<int>(300 * 250.0f / 5000.0));  // frame 50
  EXPECT_EQ(dots[0].colour.green, 255);  // scheme 1: F1 white

  std::vector<float> f0(90, 0.0f);
  f0[45] = 110.0f;
  EXPECT_EQ(formantDotsAtPosition(track, kPane, 5000.0, 80000, 40000, 0, &f0).size(), 4u);
  EXPECT_TRUE(formantDotsAtPosition(track, kPane, 5000.0, 80000, 20000, 0, &f0).empty());
  EXPECT_TRUE(formantDotsAtPosition(track, kPane, 5000.0, 80000, 80000, 0, nullptr).empty());  // past the end
}

}  // namespace
}  // namespace velmora
