// The power-spectrum curve geometry and its axes.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "analysis/power_spectrum_curve.h"
#include "analysis/spectral_axes.h"

namespace velmora {
namespace {

const PaneRect kPane{140, 150, 940, 450};  // 800 x 300

PowerSpectrum spectrumOfTone(double hz, int rate, PowerSpectrumStyle style) {
  PowerSpectrum ps;
  ps.setSampleRate(rate);
  ps.setLimit(static_cast<float>(rate / 2));
  ps.setStyle(style);
  std::vector<int16_t> s(8000);
  for (size_t i = 0; i < s.size(); ++i)
    s[i] = static_cast<int16_t>(std::lround(8000.0 * std::sin(2.0 * std::numbers::pi * hz * double(i) / rate)));
  ps.compute(s.data(), static_cast<int64_t>(s.size()));
  return ps;
}

TEST(PowerSpectrumCurve, LevelToHeight) {
  const PaneRect pane{0, 0, 800, 300};
  EXPECT_EQ(powerSpectrumLevelY(0.0, pane), 273);   // 300 - 300 / 11
  EXPECT_EQ(powerSpectrumLevelY(50.0, pane), 123);
  EXPECT_EQ(powerSpectrumLevelY(-20.0, pane), 299);  // limited to the last row
  EXPECT_EQ(powerSpectrumLevelY(100.0, pane), 18);   // and 18 px under the top
  EXPECT_EQ(powerSpectrumLevelY(0.0, kPane), 423);
}

TEST(PowerSpectrumCurve, LineStyleJoinsTheBinsAcrossThePane) {
  const PowerSpectrum ps = spectrumOfTone(2000.0, 11025, PowerSpectrumStyle::Line);
  const PowerSpectrumDrawing d = drawPowerSpectrum(ps, kPane);
  EXPECT_TRUE(d.clearToWhite);
  EXPECT_TRUE(d.spans.empty());
  ASSERT_EQ(d.lines.size(), 1u);
  const Polyline& curve = d.lines[0];
  EXPECT_EQ(curve.colour, ps.colour());
  ASSERT_EQ(curve.points.size(), 256u);  // limit at Nyquist: every bin shown
  EXPECT_EQ(curve.points.front().x, kPane.left);
  EXPECT_LT(curve.points.back().x, kPane.right);
  EXPECT_GT(curve.points.back().x, kPane.right - 5);
  // The tone's peak sits where the frequency axis puts 2000 Hz.
  const auto peak = std::min_element(curve.points.begin(), curve.points.end(),
                                     [](CurvePoint a, CurvePoint b) { return a.y < b.y; });
  const double expectedX = kPane.left + 2000.0 / ps.topFrequencyHz() * kPane.width();
  EXPECT_NEAR(peak->x, expectedX, 4.0);
  for (const CurvePoint& p : curve.points) {
    EXPECT_GE(p.y, kPane.top + kCurveTopMargin);
    EXPECT_LT(p.y, kPane.bottom);
  }
}

TEST(PowerSpectrumCurve, LimitShowsOnlyTheBinsBelowIt) {
  PowerSpectrum ps = spectrumOfTone(1000.0, 44100, PowerSpectrumStyle::Line);
  ps.setLimit(5512.0f);  // zoom 4: 64 of 256 bins
  const PowerSpectrumDrawing d = drawPowerSpectrum(ps, kPane);
  ASSERT_EQ(d.lines.size(), 1u);
  EXPECT_EQ(d.lines[0].points.size(), 64u);
  EXPECT_NEAR(d.lines[0].points[1].x - d.lines[0].points[0].x, 800 / 64.0, 1.0);
}

TEST(PowerSpectrumCurve, SolidStyleFillsEveryColumnOnce) {
  const PowerSpectrum ps = spectrumOfTone(2000.0, 11025, PowerSpectrumStyle::Solid);
  const PowerSpectrumDrawing d = drawPowerSpectrum(ps, kPane);
  EXPECT_FALSE(d.clearToWhite);
  EXPECT_TRUE(d.lines.empty());
  std::map<int, int> coloured, white;
  for (const ColumnSpan& s : d.spans) {
    ASSERT_GE(s.x, kPane.left);
    ASSERT_LT(s.x, kPane.right);
    ASSERT_GE(s.top, kPane.top);
    ASSERT_LE(s.bottom, kPane.bottom);
    ASSERT_LT(s.top, s.bottom);
    if (s.colour == ps.colour()) {
      EXPECT_EQ(s.bottom, kPane.bottom);
      ++coloured[s.x];
    } else {
      EXPECT_EQ(s.colour, (Rgb{255, 255, 255}));
      EXPECT_EQ(s.top, kPane.top);
      ++white[s.x];
    }
  }
  EXPECT_EQ(coloured.size(), static_cast<size_t>(kPane.width()));
  for (const auto& [x, n] : coloured) EXPECT_EQ(n, 1) << x;
  for (const auto& [x, n] : white) EXPECT_EQ(n, 1) << x;
}

TEST(PowerSpectrumCurve, AverageCurveIsRedOrBlackOnTop) {
  PowerSpectrum ps = spectrumOfTone(2000.0, 11025, PowerSpectrumStyle::Solid);
  ps.setShowAverage(true);
  PowerSpectrumDrawing d = drawPowerSpectrum(ps, kPane);
  ASSERT_EQ(d.lines.size(), 1u);
  EXPECT_EQ(d.lines[0].colour, (Rgb{255, 0, 0}));
  EXPECT_EQ(d.lines[0].penWidth, 2);
  EXPECT_EQ(d.lines[0].points.size(), 256u);
  ps.setColour(Rgb{255, 0, 0});
  ps.setStyle(PowerSpectrumStyle::Line);
  d = drawPowerSpectrum(ps, kPane);
  ASSERT_EQ(d.lines.size(), 2u);
  EXPECT_EQ(d.lines[1].colour, (Rgb{0, 0, 0}));
}

TEST(PowerSpectrumCurve, EmptyPaneDrawsNothing) {
  const PowerSpectrum ps = spectrumOfTone(2000.0, 11025, PowerSpectrumStyle::Solid);
  const PowerSpectrumDrawing d = drawPowerSpectrum(ps, PaneRect{10, 10, 10, 200});
  EXPECT_TRUE(d.spans.empty());
  EXPECT_TRUE(d.lines.empty());
}

TEST(PowerSpectrumAxes, LevelLabelsMinusTenToSeventyOnTheCurveScale) {
  const std::vector<AxisLabel> labels = powerSpectrumLevelLabels(kPane.top, kPane.height());
  ASSERT_EQ(labels.size(), 9u);
  EXPECT_EQ(labels.front().value, -10.0);
  EXPECT_EQ(labels.back().value, 70.0);
  for (const AxisLabel& l : labels) {
    // The text's middle is the height at which the curve draws that level.
    EXPECT_EQ(l.textTop + kAxisLabelTextHeight / 2, powerSpectrumLevelY(l.value, kPane)) << l.value;
    EXPECT_GE(l.textTop, kPane.top);
  }
  EXPECT_EQ(powerSpectrumLevelLabels(0, 200).size(), 5u);
}

TEST(PowerSpectrumAxes, FrequencyLabelsSpanThePane) {
  const std::vector<AxisLabel> labels = powerSpectrumFrequencyLabels(5512.0, kPane.left, kPane.width());
  ASSERT_EQ(labels.size(), 7u);
  EXPECT_EQ(labels[0].x, kPane.left);
  EXPECT_DOUBLE_EQ(labels[0].value, 0.0);
  EXPECT_EQ(labels[1].x, kPane.left + 145);  // 800 / 5.5
  EXPECT_NEAR(labels[1].value, 1.00218, 1e-4);
  EXPECT_EQ(labels[5].x, kPane.left + 727);
  EXPECT_EQ(labels[6].x, kPane.right);
  EXPECT_DOUBLE_EQ(labels[6].value, 5.512);
}

}  // namespace
}  // namespace velmora
