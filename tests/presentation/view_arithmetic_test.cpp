// The view's numbers: layout geometry, waveform reduction, axis labels, decimal comma and
// the display-mode transitions.
#include <gtest/gtest.h>

#include <algorithm>

#include "presentation/axis_labels.h"
#include "presentation/display_mode.h"
#include "presentation/number_text.h"
#include "presentation/view_geometry.h"
#include "presentation/waveform_reduction.h"

namespace velmora {
namespace {

struct GeometryCase {
  int screenW, screenH;
  bool large;
  int left, width, top, waveTop, waveHeight;
};

TEST(ViewGeometry, PanesFollowTheScreenSize) {
  const GeometryCase cases[] = {
      {1024, 768, true, 140, 800, 150, 495, 70},
      {800, 600, false, 92, 671, 100, 445, 50},
      {1280, 1024, true, 268, 800, 278, 623, 70},
      {1024, 600, false, 92, 671, 100, 445, 50},   // a 600-high screen takes the small layout
      {1280, 800, true, 268, 800, 166, 511, 70},
      {1366, 700, true, 311, 800, 150, 495, 70},   // lower than 768: no vertical offset
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.screenW << "x" << c.screenH);
    const ViewGeometry g = ViewGeometry::forScreen(c.screenW, c.screenH);
    EXPECT_EQ(g.largeLayout, c.large);
    EXPECT_EQ(g.graphLeft, c.left);
    EXPECT_EQ(g.graphWidth, c.width);
    EXPECT_EQ(g.spectralTop, c.top);
    EXPECT_EQ(g.spectralHeight, 300);
    EXPECT_EQ(g.waveTop, c.waveTop);
    EXPECT_EQ(g.waveHeight, c.waveHeight);
    EXPECT_EQ(g.labelBandTop(), c.top + 320);
    EXPECT_EQ(g.labelBandBottom(), c.top + 340);
  }
}

TEST(ViewGeometry, ComparisonHalvesMeetAtTheSplit) {
  const ViewGeometry small = ViewGeometry::forScreen(800, 600);
  EXPECT_EQ(comparisonSplitX(small), 400);
  EXPECT_EQ(comparisonPaneMapping(small).windowOriginX, -800);
  // The comparison's logical x 0 lands 400 device pixels right.
  EXPECT_DOUBLE_EQ(-comparisonPaneMapping(small).windowOriginX * comparisonPaneMapping(small).scaleX, 400.0);
  const ViewGeometry big = ViewGeometry::forScreen(1280, 1024);
  EXPECT_EQ(comparisonSplitX(big), 628);
  EXPECT_EQ(mainPaneMapping(big).windowOriginX, 128);
  EXPECT_EQ(mainPaneMapping(ViewGeometry::forScreen(1024, 768)).windowOriginX, 60);
  EXPECT_EQ(comparisonPaneMapping(big).windowOriginY, -208);
}

constexpr WavePane kPane{140, 800, 495, 70};

TEST(WaveformReduction, OnePointPerSubStepWhateverTheLength) {
  for (int n : {100, 800, 44100, 2646000}) {
    std::vector<int16_t> samples(static_cast<size_t>(n), 0);
    const auto points = reduceWaveform(samples, 0, n, kPane);
    ASSERT_EQ(points.size(), 800u * 8 + 1) << n;
    EXPECT_EQ(points.front().x, 140);
    EXPECT_EQ(points.front().y, 495 + 35);
    EXPECT_EQ(points.back().x, 140 + 799);
  }
}

TEST(WaveformReduction, ShortRangeRepeatsSamplesAcrossColumns) {
  // 100 samples over 800 columns: every sample covers 8 columns, no column is empty.
  std::vector<int16_t> samples(100);
  for (int i = 0; i < 100; ++i) samples[i] = static_cast<int16_t>(i % 2 ? 16384 : -16384);
  const auto points = reduceWaveform(samples, 0, 100, kPane);
  ASSERT_EQ(points.size(), 6401u);
  const int up = 495 + 35 - 18;    // 530 - 17.5 = 512.5, truncated to 512
  const int down = 495 + 35 + 17;  // 530 + 17.5 = 547.5, truncated to 547
  for (int c = 0; c < 800; ++c) {
    const int expected = (c / 8) % 2 ? up : down;
    for (int j = 0; j < 8; ++j) EXPECT_EQ(points[1 + c * 8 + j].y, expected) << "column " << c;
  }
}

TEST(WaveformReduction, FullScaleStaysInsideThePane) {
  std::vector<int16_t> samples = {-32768, 32767, -32768, 32767};
  const auto points = reduceWaveform(samples, 0, 4, kPane);
  const auto [lo, hi] = std::minmax_element(points.begin() + 1, points.end(),
                                            [](const WavePoint& a, const WavePoint& b) { return a.y < b.y; });
  EXPECT_EQ(hi->y, 495 + 70 - 1);  // full-scale negative: the pane's last row, not below it
  EXPECT_EQ(lo->y, 495 + 1);
}

TEST(WaveformReduction, VisibleRangeSelectsTheSamples) {
  std::vector<int16_t> samples(16000, 0);
  std::fill(samples.begin() + 8000, samples.end(), static_cast<int16_t>(-32768));
  const auto second = reduceWaveform(samples, 8000, 16000, kPane);
  for (size_t i = 1; i < second.size(); ++i) ASSERT_EQ(second[i].y, 495 + 69);
  EXPECT_TRUE(reduceWaveform(samples, 500, 500, kPane).empty());
  EXPECT_TRUE(reduceWaveform({}, 0, 0, kPane).empty());
  // A range past the end is cut to the samples there are.
  EXPECT_EQ(reduceWaveform(samples, 15000, 99999, kPane).size(), 6401u);
}

TEST(AxisTexts, SpectrogramFrequencyAxisHasNineLabelsAtHeight300) {
  const ViewGeometry g = ViewGeometry::forScreen(1024, 768);
  const auto labels = spectrogramFrequencyTexts(g, 5512, false);
  ASSERT_EQ(labels.size(), 9u);
  EXPECT_EQ(labels.front().text, "0,0 kHz");
  EXPECT_EQ(labels.back().text, "5,5 kHz");
  EXPECT_EQ(labels[4].text, "2,8 kHz");  // 4 x 5512 / 8 = 2756 Hz
  EXPECT_EQ(labels.front().y, 150 + 300 - 8);
  EXPECT_EQ(labels.back().y, 150 + 300 - 8 - 294);
  EXPECT_EQ(labels.front().x + labels.front().width, 140 - 2);  // right-aligned just left of the pane
  ViewGeometry low = g;
  low.spectralHeight = 200;
  EXPECT_EQ(spectrogramFrequencyTexts(low, 5512, false).size(), 5u);
  EXPECT_EQ(spectrogramFrequencyTexts(g, 11025, true)[8].text, "11,0 k");
}

TEST(AxisTexts, DbAxisRunsFromMinus10To70) {
  const auto labels = powerLevelTexts(ViewGeometry::forScreen(800, 600));
  ASSERT_EQ(labels.size(), 9u);
  EXPECT_EQ(labels.front().text, "-10 dB");
  EXPECT_EQ(labels[1].text, "00 dB");
  EXPECT_EQ(labels.back().text, "70 dB");
  EXPECT_GT(labels.front().y, labels.back().y);
}

TEST(AxisTexts, TimeLabelsSplitTheVisibleRangeInSixWithDecimalComma) {
  const ViewGeometry g = ViewGeometry::forScreen(1024, 768);
  const auto labels = timeTexts(g, 11025, 11025 + 66150, 11025);  // 1 s .. 7 s
  ASSERT_EQ(labels.size(), 7u);
  EXPECT_EQ(labels[0].text, "1,00 s");
  EXPECT_EQ(labels[3].text, "4,00 s");
  EXPECT_EQ(labels[6].text, "7,00 s");
  EXPECT_EQ(labels[0].tickX, -1);
  EXPECT_EQ(labels[6].x, 140 + 6 * 133 - 20);
}

TEST(AxisTexts, PowerFrequencyAxisEndsAtTheLimit) {
  const auto labels = powerFrequencyTexts(ViewGeometry::forScreen(1024, 768), 11025);
  ASSERT_EQ(labels.size(), 7u);
  EXPECT_EQ(labels[0].text, "0,0 kHz");
  EXPECT_EQ(labels[5].text, "10,0 kHz");  // 5 x 11025 / 5.5
  EXPECT_EQ(labels[6].text, "11,0 kHz");
  EXPECT_EQ(labels[6].x, 140 + 800 - 25);
}

TEST(AxisTexts, F0ScaleFromMinToMax) {
  const ViewGeometry g = ViewGeometry::forScreen(1024, 768);
  auto labels = f0ScaleTexts(g, 70, 400);
  ASSERT_EQ(labels.size(), 9u);
  EXPECT_EQ(labels.front().text, "70 Hz");
  EXPECT_EQ(labels.back().text, "400 Hz");
  EXPECT_EQ(labels.front().x, 140 + 800 + 11 - 11);
  labels = f0ScaleTexts(g, 100, 1000);
  EXPECT_EQ(labels.back().text, "1,00 k");
  EXPECT_EQ(f0ScaleLeft(ViewGeometry::forScreen(800, 600)), 92 + 671 + 2);
}

TEST(NumberText, DecimalCommaOnlyBetweenDigits) {
  EXPECT_EQ(withDecimalComma("1.25 s"), "1,25 s");
  EXPECT_EQ(withDecimalComma("File - a.wav"), "File - a.wav");
  EXPECT_EQ(withDecimalComma("Wait, Please..."), "Wait, Please...");
  EXPECT_EQ(viewNumber("%.2f kHz   %.2f dB", 1.5, -3.25), "1,50 kHz   -3,25 dB");
}

TEST(NumberText, DurationShowsMinutesSecondsAndMilliseconds) {
  EXPECT_EQ(durationText(0), "00:00:00,000");
  EXPECT_EQ(durationText(61.25), "00:01:01,250");
  EXPECT_EQ(durationText(3600 + 120.5), "00:02:00,500");  // an hour or more wraps the minutes
  EXPECT_EQ(durationText(-1), "00:00:00,000");
}

TEST(DisplayMode, TransitionsOfOpeningStoppingAndTheModeMenu) {
  EXPECT_EQ(modeAfterOpening(ModeEmpty), ModeSpectrogram);
  EXPECT_EQ(modeAfterOpening(ModeLivePowerSpectrum), ModePowerSpectrum);
  EXPECT_EQ(modeAfterOpening(ModePowerSpectrum), ModePowerSpectrum);
  EXPECT_EQ(modeAfterOpening(ModeLiveSpectrogram), ModeSpectrogram);
  EXPECT_EQ(modeAfterRecordingStopped(ModeLiveSpectrogram), ModeSpectrogram);
  EXPECT_EQ(modeAfterRecordingStopped(ModeLivePowerSpectrum), ModePowerSpectrum);
  EXPECT_FALSE(modeForSpectrogramCommand(ModeSpectrogram, true));
  EXPECT_FALSE(modeForSpectrogramCommand(ModeLiveSpectrogram, false));
  EXPECT_EQ(modeForSpectrogramCommand(ModeEmpty, false), ModeLiveSpectrogram);
  EXPECT_EQ(modeForSpectrogramCommand(ModePowerSpectrum, true), ModeSpectrogram);
  EXPECT_EQ(modeForPowerSpectrumCommand(ModeSpectrogram, true), ModePowerSpectrum);
  EXPECT_EQ(modeForPowerSpectrumCommand(ModeEmpty, false), ModeLivePowerSpectrum);
}

}  // namespace
}  // namespace velmora
