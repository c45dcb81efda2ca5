// The live waveform strip painted as a kept picture: every value of the signal shows, the line
// has no gaps, the box around it is the one the shapes draw, and what a repaint shows does not
// depend on what the picture showed before.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>
#include <vector>

#include "presentation/waveform_reduction.h"
#include "view/device_rows.h"
#include "view/view_renderer.h"

namespace velmora {
namespace {

// Voice-like, noisy, silent or clipped: graphWidth x 8 values, as a take's block gives them.
std::vector<float> liveSignal(int width, int kind, uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
  std::vector<float> v(static_cast<size_t>(width) * kWaveSubSteps);
  for (size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / 44100.0;
    double s = 0;
    if (kind == 0) s = 9000 * std::sin(2 * M_PI * 180 * t) + 4000 * std::sin(2 * M_PI * 540 * t);
    if (kind == 1) s = 20000 * noise(random);
    if (kind == 3) s = 60000 * std::sin(2 * M_PI * 95 * t);  // beyond full scale: the strip's edges
    v[i] = static_cast<float>(std::clamp(s, -32768.0, 32767.0));
  }
  return v;
}

QImage paintStrip(const ViewScene& scene, QSize screen) {
  QImage image(screen, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter p(&image);
  p.scale(1.0, scene.geometry.verticalStretch());
  paintWaveformPane(p, scene);
  return image;
}

TEST(LiveWavePicture, EveryValueShowsTheLineHasNoGapsAndTheBoxIsTheShapesBox) {
  for (const QSize screen : {QSize(1280, 1024), QSize(800, 600)}) {
    ViewScene scene;
    scene.geometry = ViewGeometry::forScreen(screen.width(), screen.height());
    const ViewGeometry& g = scene.geometry;
    const DeviceRows rows{g.verticalStretch(), 0.0};
    // The box alone as the shapes draw it (a recording's mode with nothing open).
    scene.mode = ModeSpectrogram;
    const QImage box = paintStrip(scene, screen);
    scene.mode = ModeLiveSpectrogram;
    const WavePane pane{g.graphLeft, g.graphWidth, g.waveTop, g.waveHeight};
    std::vector<QImage> shown;
    for (int kind : {0, 1, 2, 3, 0}) {
      SCOPED_TRACE(testing::Message() << screen.width() << " kind " << kind);
      const std::vector<float> signal = liveSignal(g.graphWidth, kind, 7);
      scene.liveSignal = &signal;
      const QImage image = paintStrip(scene, screen);
      shown.push_back(image);
      const std::vector<WavePoint> points = reduceLiveSignal(signal, pane);
      std::vector<int> low(static_cast<size_t>(g.graphWidth + 2), INT_MAX), high(low.size(), INT_MIN);
      for (const WavePoint& pt : points) {
        const int x = pt.x - g.graphLeft;
        ASSERT_EQ(image.pixel(pt.x, rows(pt.y)), qRgb(0, 0, 0)) << "value at " << pt.x << "," << pt.y;
        low[static_cast<size_t>(x)] = std::min(low[static_cast<size_t>(x)], rows(pt.y));
        high[static_cast<size_t>(x)] = std::max(high[static_cast<size_t>(x)], rows(pt.y));
      }
      // Inside the outline: in each column one black run, from the lowest to the highest value
      // and on to meet its neighbours; elsewhere the box as the shapes draw it.
      const int first = rows(g.waveTop + 1), last = rows(g.waveBottom() - 1);
      int previousTop = -1, previousBottom = -1;
      for (int x = g.graphLeft + 1; x < g.graphLeft + g.graphWidth; ++x) {
        int top = -1, bottom = -1;
        for (int y = first; y < last; ++y) {
          const QRgb c = image.pixel(x, y);
          if (c == qRgb(0, 0, 0)) {
            ASSERT_TRUE(bottom < 0 || bottom == y - 1) << "a second run at " << x << "," << y;
            if (top < 0) top = y;
            bottom = y;
          } else {
            ASSERT_EQ(c, box.pixel(x, y)) << "neither the box nor the line at " << x << "," << y;
          }
        }
        const auto col = static_cast<size_t>(x - g.graphLeft);
        if (low[col] >= first && high[col] < last) {
          ASSERT_GE(top, 0) << x;
          EXPECT_LE(top, low[col]) << x;
          EXPECT_GE(bottom, high[col]) << x;
        }
        if (top >= 0 && previousTop >= 0) {
          EXPECT_TRUE(top <= previousBottom + 1 && bottom + 1 >= previousTop) << "a gap before column " << x;
        }
        previousTop = top;
        previousBottom = bottom;
      }
      // Around the strip nothing is touched.
      for (int x = 0; x < screen.width(); x += 7) {
        EXPECT_EQ(image.pixel(x, rows(g.waveTop) - 1), qRgb(255, 0, 255)) << x;
        EXPECT_EQ(image.pixel(x, rows(g.waveBottom())), qRgb(255, 0, 255)) << x;
      }
    }
    // The same signal after four others shows the same as the first time.
    EXPECT_TRUE(shown.front() == shown.back());
  }
}

}  // namespace
}  // namespace velmora
