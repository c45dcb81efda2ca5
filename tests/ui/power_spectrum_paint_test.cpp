// The solid power spectrum as painted: the same pixels as its spans filled one by one, in the
// order the curve lists them, on both layouts (the large one stretches the panes vertically),
// on screen (drawn as one picture) and printed (drawn as shapes), for a run of different
// spectra one after another, as a take repaints them (the screen's picture is kept between
// repaints and changed only where the curve moved).
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <vector>

#include "analysis/power_spectrum.h"
#include "analysis/power_spectrum_curve.h"
#include "view/view_renderer.h"

namespace velmora {
namespace {

// A voice-like spectrum: harmonics of f0 over a little noise, so the curve climbs and falls
// steeply between neighbouring columns; gain 0 is silence (the curve along its floor).
PowerSpectrum computedSpectrum(double f0Hz, double gain, Rgb colour) {
  PowerSpectrum power;
  power.setSampleRate(44100);
  power.setFftSize(512);
  power.setColour(colour);
  std::vector<int16_t> samples(512);
  uint32_t seed = 12345;
  for (size_t i = 0; i < samples.size(); ++i) {
    double v = 0;
    for (int h = 1; h <= 12; ++h) v += std::sin(2 * M_PI * f0Hz * h * static_cast<double>(i) / 44100) * 4000.0 / h;
    seed = seed * 1664525u + 1013904223u;
    v += static_cast<double>(seed >> 20) - 2048.0;
    samples[i] = static_cast<int16_t>(v * gain);
  }
  EXPECT_EQ(power.compute(samples.data(), static_cast<int64_t>(samples.size())), 256);
  return power;
}

TEST(PowerSpectrumPaint, SolidCurveMatchesItsSpansFilledOneByOne) {
  const Rgb blue{0, 0, 255}, green{0, 160, 0};
  const std::vector<PowerSpectrum> frames = {computedSpectrum(180, 1, blue), computedSpectrum(300, 0.5, blue),
                                             computedSpectrum(300, 0, blue), computedSpectrum(120, 1, green),
                                             computedSpectrum(180, 1, blue)};
  struct Case {
    QSize screen;
    bool printing;
  };
  for (const auto& [screen, printing] : {Case{QSize(1280, 1024), false}, Case{QSize(800, 600), false},
                                         Case{QSize(1280, 1024), true}, Case{QSize(800, 600), true}})
  for (size_t frame = 0; frame < frames.size(); ++frame) {
    SCOPED_TRACE(frame);
    const PowerSpectrum& power = frames[frame];
    ViewScene scene;
    scene.printing = printing;
    scene.geometry = ViewGeometry::forScreen(screen.width(), screen.height());
    scene.mode = ModePowerSpectrum;
    scene.power = &power;
    const ViewGeometry& g = scene.geometry;
    const double stretch = g.verticalStretch();
    QImage painted(screen, QImage::Format_RGB32);
    QImage expected(screen, QImage::Format_RGB32);
    painted.fill(Qt::black);
    expected.fill(Qt::black);
    {
      QPainter p(&painted);
      p.scale(1.0, stretch);
      paintPowerSpectrum(p, scene);
    }
    const PaneRect pane{g.graphLeft + 1, g.spectralTop, g.graphLeft + g.graphWidth + 1, g.spectralBottom()};
    const PowerSpectrumDrawing drawing = drawPowerSpectrum(power, pane);
    ASSERT_GT(drawing.spans.size(), 800u);
    {
      QPainter p(&expected);
      p.scale(1.0, stretch);
      p.setClipRect(QRect(pane.left, pane.top, pane.width(), pane.height()));
      p.setPen(Qt::NoPen);
      for (const ColumnSpan& span : drawing.spans) {
        if (span.bottom <= span.top) continue;
        p.setBrush(QColor(span.colour.red, span.colour.green, span.colour.blue));
        p.drawRects(QList<QRect>{QRect(span.x, span.top, 1, span.bottom - span.top)});
      }
    }
    int differing = 0;
    for (int y = 0; y < screen.height(); ++y)
      for (int x = 0; x < screen.width(); ++x) differing += painted.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << screen.width() << (printing ? " printed" : " on screen");
    // Both colours are there: the comparison is not between two empty panes.
    const QRgb curve = qRgb(power.colour().red, power.colour().green, power.colour().blue);
    int coloured = 0, white = 0;
    for (int x = pane.left; x < pane.right; ++x) {
      for (int y = static_cast<int>(pane.top * stretch) + 1; y < static_cast<int>(pane.bottom * stretch) - 1; ++y) {
        coloured += painted.pixel(x, y) == curve ? 1 : 0;
        white += painted.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
      }
    }
    EXPECT_GT(coloured, 1000);
    EXPECT_GT(white, 1000);
  }
}

}  // namespace
}  // namespace velmora
