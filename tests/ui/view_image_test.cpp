// The real view widget painted offscreen: the frames' pixels where the layout puts them,
// the waveform inside its pane, the start picture, the header texts.
#include <gtest/gtest.h>

#include "audio/wav_writer.h"
#include "bars/spectrogram_bar.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "view/analysis_view.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

bool isDark(QRgb c) { return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; }

// Device row of a logical row in the large layout's stretch.
int deviceY(const ViewGeometry& g, int y) { return static_cast<int>(y * g.verticalStretch() + 0.5); }

// The dark row nearest to `expected` in column x, searched within +-2 rows.
int darkRowNear(const QImage& image, int x, int expected) {
  for (int d : {0, -1, 1, -2, 2})
    if (isDark(image.pixel(x, expected + d))) return expected + d;
  return -1000;
}

struct LayoutCase {
  int screenW, screenH, left, top, width;
};

class ViewImageTest : public ::testing::TestWithParam<LayoutCase> {
 protected:
  TempFolder folder;
  ScriptedInteraction ui;
};

TEST_P(ViewImageTest, FramesLieWhereTheLayoutPutsThem) {
  const LayoutCase c = GetParam();
  ViewStartSettings settings;
  settings.screenWidth = c.screenW;
  settings.screenHeight = c.screenH;
  AnalysisView view(settings, ui);
  view.resize(c.screenW, c.screenH - 60);
  const auto path = folder / "tone.wav";
  std::vector<int16_t> samples(22050, 0);
  ASSERT_TRUE(writeWavFile(path, WaveFormat::pcm(11025), samples.data(), samples.size() * 2));
  ASSERT_TRUE(view.openRecordingByPath(path));
  view.display().setShowSpectrogram(false);  // white pane: only the frame is dark
  const ViewGeometry& g = view.geometry();
  ASSERT_EQ(g.graphLeft, c.left);
  ASSERT_EQ(g.spectralTop, c.top);
  ASSERT_EQ(g.graphWidth, c.width);
  const QImage image = view.grab().toImage();
  const int midY = deviceY(g, g.spectralTop + 150);
  // Left edge of the spectral frame at graphLeft; inside it is white.
  EXPECT_TRUE(isDark(image.pixel(c.left, midY)));
  EXPECT_FALSE(isDark(image.pixel(c.left + 1, midY)));
  EXPECT_FALSE(isDark(image.pixel(c.left + c.width, midY)));
  // Right edge one or two columns past the last pane column.
  EXPECT_TRUE(isDark(image.pixel(c.left + c.width + g.frameRightExtra() - 1, midY)));
  // Top edge one row above spectralTop, bottom edge right under the pane's last row.
  EXPECT_NE(darkRowNear(image, c.left + c.width / 2, deviceY(g, g.spectralTop - 1)), -1000);
  EXPECT_NE(darkRowNear(image, c.left + c.width / 2, deviceY(g, g.spectralBottom())), -1000);
  EXPECT_FALSE(isDark(image.pixel(c.left + c.width / 2, deviceY(g, g.spectralTop + 20))));
  // The waveform of silence: the centre line is dark across the pane.
  const int centre = deviceY(g, g.waveTop + g.waveHeight / 2);
  EXPECT_NE(darkRowNear(image, c.left + 10, centre), -1000);
  EXPECT_NE(darkRowNear(image, c.left + c.width - 10, centre), -1000);
}

INSTANTIATE_TEST_SUITE_P(Screens, ViewImageTest,
                         ::testing::Values(LayoutCase{1024, 768, 140, 150, 800}, LayoutCase{800, 600, 92, 100, 671},
                                           LayoutCase{1280, 1024, 268, 278, 800}));

TEST(ViewImage, FullScaleNegativeSignalStaysInsideTheWavePane) {
  TempFolder folder;
  ScriptedInteraction ui;
  ViewStartSettings settings;
  settings.screenWidth = 800;
  settings.screenHeight = 600;
  AnalysisView view(settings, ui);
  view.resize(800, 560);
  std::vector<int16_t> samples(11025, -32768);
  ASSERT_TRUE(writeWavFile(folder / "low.wav", WaveFormat::pcm(11025), samples.data(), samples.size() * 2));
  ASSERT_TRUE(view.openRecordingByPath(folder / "low.wav"));
  const QImage image = view.grab().toImage();
  const ViewGeometry& g = view.geometry();
  const int x = g.graphLeft + 300;
  EXPECT_TRUE(isDark(image.pixel(x, g.waveTop + g.waveHeight - 1)));
  for (int y = g.waveTop + g.waveHeight; y < g.waveTop + g.waveHeight + 4; ++y)
    EXPECT_FALSE(isDark(image.pixel(x, y))) << y;
  // Nothing but the grey grid in the upper part of the pane.
  EXPECT_FALSE(isDark(image.pixel(x, g.waveTop + 10)));
}

TEST(ViewImage, EmptyViewShowsTheStartPictureWithoutPanes) {
  ScriptedInteraction ui;
  AnalysisView view(ViewStartSettings{}, ui);
  view.resize(1024, 700);
  EXPECT_EQ(view.mode(), ModeEmpty);
  const QImage image = view.grab().toImage();
  const ViewGeometry& g = view.geometry();
  // No spectral frame...
  EXPECT_FALSE(isDark(image.pixel(g.graphLeft, deviceY(g, g.spectralTop + 150))));
  // ...but the version text under the picture: dark pixels where it is written.
  const QSize logical = view.logicalClientSize();
  const int x0 = g.graphLeft + (logical.width() - g.graphLeft) / 2 - 95 - 50;
  const int y0 = logical.height() / 2 - 176;
  int dark = 0;
  for (int y = deviceY(g, y0 + 163); y < deviceY(g, y0 + 163 + 16); ++y)
    for (int x = x0 + 125; x < x0 + 125 + 100; ++x) dark += isDark(image.pixel(x, y)) ? 1 : 0;
  EXPECT_GT(dark, 20);
  EXPECT_FALSE(view.spectrogramBar()->isVisibleTo(&view));
}

TEST(ViewImage, RepaintingTwiceGivesTheSameImage) {
  TempFolder folder;
  ScriptedInteraction ui;
  AnalysisView view(ViewStartSettings{}, ui);
  view.resize(1024, 700);
  std::vector<int16_t> samples(44100);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>((i * 37) % 20000 - 10000);
  ASSERT_TRUE(writeWavFile(folder / "n.wav", WaveFormat::pcm(44100), samples.data(), samples.size() * 2));
  ASSERT_TRUE(view.openRecordingByPath(folder / "n.wav"));
  EXPECT_EQ(view.renderImage(), view.renderImage());
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST(ViewImage, LiveModeShowsTheTakesPictureAndSignal) {
  ScriptedInteraction ui;
  ViewStartSettings settings;
  settings.screenWidth = 800;
  settings.screenHeight = 600;
  AnalysisView view(settings, ui);
  view.resize(800, 560);
  view.spectrogramCommand();  // no recording: waiting for a take
  ASSERT_EQ(view.mode(), ModeLiveSpectrogram);
  const ViewGeometry& g = view.geometry();
  const int x = g.graphLeft + 200;
  QImage image = view.grab().toImage();
  EXPECT_FALSE(isDark(image.pixel(x, g.spectralTop + 150)));  // nothing recorded yet: white pane
  view.display().results().spectrogram().startLive(g.graphWidth, g.spectralHeight);
  view.display().setLiveSignal(std::vector<float>(static_cast<size_t>(g.graphWidth) * 8, -32768.0f));
  image = view.grab().toImage();
  EXPECT_TRUE(isDark(image.pixel(x, g.spectralTop + 150)));  // the silent live picture
  EXPECT_TRUE(isDark(image.pixel(x, g.waveTop + g.waveHeight - 1)));
  EXPECT_FALSE(isDark(image.pixel(x, g.waveTop + g.waveHeight / 2 - 5)));
}

}  // namespace
}  // namespace velmora
