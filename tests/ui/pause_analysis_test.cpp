// A paused take is analysed: the F0 and formant tracks of everything recorded so far are
// the engines' own results on those samples, and each dot lands on the live picture's column
// where its samples were drawn, also after a resume and once the picture has scrolled.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cmath>
#include <numbers>

#include "analysis/f0_track.h"
#include "analysis/formant_track.h"
#include "analysis/spectrogram_column.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "view/view_renderer.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using PauseAnalysisTest = ViewAudioFixture;

constexpr int kRate = 11025;

// A vowel (resonances near 700 and 1200 Hz) whose F0 swings 110..210 Hz every 2.5 s, so
// neighbouring stretches of the take have clearly different F0s.
std::vector<int16_t> swingingVowel(size_t count) {
  std::vector<int16_t> out(count);
  double phase = 0;
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f0 = 160 + 50 * std::sin(2 * std::numbers::pi * 0.4 * t);
    phase += 2 * std::numbers::pi * f0 / kRate;
    double v = 0;
    for (int h = 1; h * f0 < 4000; ++h) {
      const double f = h * f0;
      const double gain = 1.0 / (1 + std::pow((f - 700) / 150, 2)) + 0.5 / (1 + std::pow((f - 1200) / 200, 2));
      v += gain * std::sin(h * phase);
    }
    out[i] = static_cast<int16_t>(std::clamp(v * 8000, -32000.0, 32000.0));
  }
  return out;
}

TEST_F(PauseAnalysisTest, APausedTakeShowsTheTracksOfItsSamplesOnTheColumnsThatDrewThem) {
  view()->spectrogramBar()->f0Box()->click();
  view()->spectrogramBar()->formantsBox()->click();
  ASSERT_TRUE(view()->display().showsF0());
  ASSERT_TRUE(view()->display().showsFormants());
  QSignalSpy status(view(), &AnalysisView::statusTextRequested);

  const int liveWidth = view()->geometry().graphWidth;
  const int lastX = liveWidth - 2;
  const int before = 40;                // buffers before a first pause and resume
  const int after = lastX + 1 + 30;     // then enough for the picture to scroll by 30
  const std::vector<int16_t> voice = swingingVowel(static_cast<size_t>((before + after + 10) * kBufferSamples));
  in.source = [&voice](int64_t n) { return voice[static_cast<size_t>(n)]; };
  const auto capture = [this](int buffers) {
    while (buffers > 0) {
      const int n = in.fill(std::min(buffers, 50));
      ASSERT_GT(n, 0);
      in.deliver();
      buffers -= n;
    }
  };

  recordBuffers(before);
  view()->recordPauseCommand();
  EXPECT_TRUE(view()->scene().pausedTake.has_value());
  view()->recordPauseCommand();
  // Resumed: the panes start again and the pause's overlays are gone.
  EXPECT_FALSE(view()->scene().pausedTake.has_value());
  capture(after);
  view()->recordPauseCommand();
  ASSERT_TRUE(view()->takeController()->isPaused());
  EXPECT_TRUE(view()->display().analysing());
  EXPECT_TRUE(status.contains(QVariantList{QString::fromStdString(tr(str::CalculatingF0))}));
  view()->display().finishAnalyses();
  EXPECT_FALSE(view()->display().analysing());

  const int64_t total = static_cast<int64_t>(before + after) * kBufferSamples;
  const std::vector<int16_t> recorded(voice.begin(), voice.begin() + total);
  F0Track f0;
  f0.compute(recorded.data(), recorded.size(), kRate);
  FormantTrack formants;
  formants.compute(recorded.data(), recorded.size(), kRate);

  const ViewScene scene = view()->scene();
  ASSERT_TRUE(scene.pausedTake.has_value());
  const PausedTakeOverlay& take = *scene.pausedTake;
  EXPECT_EQ(take.sampleCount, total);
  ASSERT_NE(take.f0Values, nullptr);
  EXPECT_EQ(*take.f0Values, f0.values());
  ASSERT_NE(take.formants, nullptr);
  ASSERT_EQ(take.formants->frameCount(), formants.frameCount());
  for (int k = 0; k < formants.frameCount(); ++k) {
    ASSERT_EQ(take.formants->frames()[static_cast<size_t>(k)].f1Hz, formants.frames()[static_cast<size_t>(k)].f1Hz) << k;
    ASSERT_EQ(take.formants->frames()[static_cast<size_t>(k)].f2Hz, formants.frames()[static_cast<size_t>(k)].f2Hz) << k;
  }

  // Column x of the scrolled picture was drawn from buffer (after - 1) - (lastX - x) after the
  // resume; its spectrum's window is the oldest part of the ring then, and its middle is the
  // column's sample.
  const Spectrogram& engine = view()->display().results().spectrogram();
  const int window = std::min(spectrogramWindowLength(engine.bandwidthHz(), kRate), engine.liveSize());
  ASSERT_NE(take.columnSamples, nullptr);
  ASSERT_EQ(static_cast<int>(take.columnSamples->size()), liveWidth);
  for (int x = 0; x <= lastX; ++x) {
    const int64_t pushedAfter = static_cast<int64_t>(after - (lastX - x)) * kBufferSamples;
    const int64_t expected = static_cast<int64_t>(before) * kBufferSamples + pushedAfter - engine.liveSize() + window / 2;
    ASSERT_EQ((*take.columnSamples)[static_cast<size_t>(x)], expected) << "column " << x;
  }
  EXPECT_EQ(take.columnSamples->back(), -1);

  // Painted: every voiced column's F0 dot sits at the height of its own sample's value.
  const ViewGeometry& g = scene.geometry;
  const auto paint = [&](const ViewScene& s) {
    // The panes as the screen's layout places them, whatever the window's size.
    QImage image(g.graphLeft + g.graphWidth + 80, g.spectralTop + g.spectralHeight + 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintView(p, s, image.size());
    return image;
  };
  ViewScene bare = scene;
  bare.showSpectrogram = false;
  bare.showFormants = false;
  const QImage image = paint(bare);
  const QColor blue(0, 0, 255);
  int voiced = 0, matched = 0;
  for (int x = 0; x + 4 < lastX; ++x) {
    const int64_t sample = (*take.columnSamples)[static_cast<size_t>(x)];
    const auto index = static_cast<size_t>(sample * static_cast<int64_t>(f0.values().size()) / total);
    const float hz = f0.values()[index];
    if (hz < scene.f0Min || hz > scene.f0Max) continue;
    ++voiced;
    const int y = g.spectralTop + g.spectralHeight -
                  static_cast<int>((hz - scene.f0Min) / (scene.f0Max - scene.f0Min) * g.spectralHeight);
    bool found = false;
    for (int dy = -1; dy <= 4 && !found; ++dy) found = QColor(image.pixel(g.graphLeft + 2 + x, y + dy)) == blue;
    matched += found ? 1 : 0;
  }
  EXPECT_GT(voiced, lastX / 2);
  EXPECT_GE(matched, voiced * 98 / 100);

  // The bar's boxes decide what is drawn: without the F0 box no F0 dot is left.
  view()->spectrogramBar()->f0Box()->click();
  ViewScene noF0 = view()->scene();
  noF0.showSpectrogram = false;
  noF0.showFormants = false;
  const QImage cleared = paint(noF0);
  int blues = 0;
  for (int x = g.graphLeft; x < g.graphLeft + g.graphWidth; ++x)
    for (int y = g.spectralTop; y < g.spectralTop + g.spectralHeight; ++y) blues += QColor(cleared.pixel(x, y)) == blue;
  EXPECT_EQ(blues, 0);

  // Stopping keeps the take as before: the file is opened and the pause's overlays go.
  stopWithAnswer(true);
  EXPECT_FALSE(view()->scene().pausedTake.has_value());
  EXPECT_EQ(view()->buffer().sampleCount(), total);
}

}  // namespace
}  // namespace velmora
