// The F0 and formant overlays as painted: which values show, where, and in which colour.
#include <gtest/gtest.h>

#include "analysis/formant_track.h"
#include "view/view_renderer.h"

namespace velmora {
namespace {

class OverlayPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    buffer.samples.assign(80000, 0);
    buffer.format = WaveFormat::pcm(11025);
    buffer.showAll();
    scene.geometry = ViewGeometry::forScreen(1024, 768);
    scene.mode = ModeSpectrogram;
    scene.buffer = &buffer;
    scene.showSpectrogram = false;
    scene.spectrogramTopHz = 5000;
  }
  QImage paint() const {
    QImage image(1024, 640, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintView(p, scene, QSize(1024, 640));
    return image;
  }
  // Pixels of exactly `colour` inside the spectral pane, in columns [x0, x1).
  int count(const QImage& image, QColor colour, int x0, int x1, int y0 = 150, int y1 = 450) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += QColor(image.pixel(x, y)) == colour ? 1 : 0;
    return n;
  }
  SoundBuffer buffer;
  ViewScene scene;
};

TEST_F(OverlayPaintTest, F0DotsOnlyWithinTheDisplayRangeInBlueOrRed) {
  // 800 values over the recording: one per column. First half 235 Hz, second half 500 Hz.
  std::vector<float> values(800, 235.0f);
  std::fill(values.begin() + 400, values.end(), 500.0f);
  values[100] = 0.0f;
  scene.f0Values = &values;
  scene.showF0 = true;
  const QColor blue(0, 0, 255), red(255, 0, 0);
  for (int scheme : {0, 2}) {
    scene.scheme = scheme;
    const QImage image = paint();
    EXPECT_GT(count(image, blue, 141, 540, 290, 310), 300) << scheme;
    EXPECT_EQ(count(image, blue, 560, 940), 0) << "500 Hz lies above 70..400";
    EXPECT_EQ(count(image, red, 141, 940), 0);
    // 235 Hz is the middle of 70..400: the dots sit around y = 300.
    EXPECT_EQ(count(image, blue, 141, 540, 150, 280), 0);
  }
  scene.scheme = 1;
  const QImage image = paint();
  EXPECT_GT(count(image, red, 141, 540, 290, 310), 300);
  EXPECT_EQ(count(image, blue, 141, 940), 0);
  // Without the F0 box nothing is drawn.
  scene.showF0 = false;
  EXPECT_EQ(count(paint(), red, 141, 940), 0);
}

TEST_F(OverlayPaintTest, F0ScaleShowsWithTheCurve) {
  std::vector<float> values(800, 0.0f);
  scene.f0Values = &values;
  scene.showF0 = true;
  scene.scheme = 0;
  // The scale box right of the pane carries blue label text.
  EXPECT_GT(count(paint(), QColor(0, 0, 255), 951, 1001, 140, 460), 10);
}

TEST_F(OverlayPaintTest, FormantDotsOfVoicedFramesInTheSchemeColours) {
  FormantTrack track;
  std::vector<FormantFrame> frames(800);
  for (FormantFrame& f : frames) {
    f.f1Hz = 500;
    f.f2Hz = 1500;
    f.f3Hz = 2500;
    f.f4Hz = 6000;  // above the 5000 Hz top: not drawn
  }
  track.assign(frames);
  std::vector<float> f0(800, 150.0f);
  std::fill(f0.begin() + 400, f0.end(), 0.0f);  // second half unvoiced
  scene.formants = &track;
  scene.f0Values = &f0;
  scene.showFormants = true;
  scene.scheme = 0;
  const QImage image = paint();
  const QColor f1(255, 128, 0), f2(128, 0, 64), f4(255, 0, 0);
  const int f1Y = 450 - 300 * 500 / 5000;
  EXPECT_GT(count(image, f1, 141, 540, f1Y - 1, f1Y + 4), 300);
  EXPECT_GT(count(image, f2, 141, 540), 300);
  EXPECT_EQ(count(image, f1, 560, 940), 0);  // unvoiced half
  EXPECT_EQ(count(image, f4, 141, 940), 0);
}

}  // namespace
}  // namespace velmora
