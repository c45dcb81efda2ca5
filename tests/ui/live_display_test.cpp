// The live display of a take on the scripted wave devices: the Mode menu during a take, and
// the repaints of parts of the panes that the take's buffers ask for.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <random>

#include "core/language.h"
#include "platform/translation_catalog.h"
#include "presentation/waveform_reduction.h"
#include "view/live_repaint.h"
#include "view/view_renderer.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using LiveDisplayTest = ViewAudioFixture;

// The power bar's default "Update Rate" entry (7.0 ms) at 11025 Hz.
constexpr uint32_t kPowerBufferBytes = 1286;

uint32_t queuedBufferBytes(const FakeWaveIn& in) {
  return in.queue().empty() ? 0 : in.queue().front()->bufferBytes;
}

TEST_F(LiveDisplayTest, TheModeMenuDuringATakeRestartsCaptureAtTheNewBarsUpdateRate) {
  recordBuffers(2);
  ASSERT_EQ(queuedBufferBytes(in), static_cast<uint32_t>(kBufferBytes));
  window->runCommand(cmd::PowerSpectrum);
  EXPECT_EQ(view()->mode(), ModeLivePowerSpectrum);
  EXPECT_EQ(in.countOf("reset"), 1);
  in.deliver();
  EXPECT_EQ(queuedBufferBytes(in), kPowerBufferBytes);
  ASSERT_EQ(in.fill(1), 1);
  in.deliver();
  // 643 samples hold one 512-point frame: a measured spectrum, not a silent one.
  const PowerSpectrum& power = view()->display().results().power();
  ASSERT_TRUE(power.hasData());
  EXPECT_GT(*std::max_element(power.current().begin(), power.current().end()), 10.0f);

  window->runCommand(cmd::Spectrogram);
  EXPECT_EQ(view()->mode(), ModeLiveSpectrogram);
  EXPECT_EQ(in.countOf("reset"), 2);
  in.deliver();
  EXPECT_EQ(queuedBufferBytes(in), static_cast<uint32_t>(kBufferBytes));
  ASSERT_EQ(in.fill(1), 1);
  in.deliver();
  EXPECT_EQ(view()->takeController()->liveBytes(), 3 * kBufferBytes + kPowerBufferBytes);
  stopWithAnswer(true);
}

TEST_F(LiveDisplayTest, BuffersShorterThanTheFftDrawNoSpectrum) {
  view()->display().setFftSize(1024);
  recordBuffers(1);
  window->runCommand(cmd::PowerSpectrum);
  in.deliver();
  view()->liveRepaint().flush();
  ASSERT_EQ(in.fill(2), 2);  // 643 samples each, fewer than 1024
  in.deliver();
  EXPECT_FALSE(view()->display().results().power().hasData());
  EXPECT_EQ(view()->scene().power, nullptr);
  // Only the waveform strip (and the header's take duration) waits to be repainted, nothing
  // of the spectral pane.
  const ViewGeometry& g = view()->geometry();
  const int spectralTop = static_cast<int>(g.spectralTop * g.verticalStretch());
  const int spectralBottom = static_cast<int>(g.spectralBottom() * g.verticalStretch());
  const QRegion pending = view()->liveRepaint().pending();
  EXPECT_FALSE(pending.isEmpty());
  EXPECT_GT(pending.boundingRect().bottom(), spectralBottom);
  for (const QRect& r : pending) EXPECT_TRUE(r.top() > spectralBottom || r.bottom() < spectralTop) << r.top();
  stopWithAnswer(false);
}

TEST_F(LiveDisplayTest, ABlockRepaintsOnlyItsNewColumnAndTheWaveformStrip) {
  view()->resize(1024, 700);
  recordBuffers(3);
  LiveRepaint& repaint = view()->liveRepaint();
  repaint.flush();
  QImage shown = view()->renderImage();
  // A jump in the counter's ramp: a block loud enough to show in both panes.
  in.captureDropped(16000);
  ASSERT_EQ(in.fill(1), 1);
  in.deliver();
  const QRegion region = repaint.pending();
  const QImage next = view()->renderImage();

  // Every pixel that changed lies in the region; in the spectral pane that is the fourth
  // column, two pixels wide.
  const ViewGeometry& g = view()->geometry();
  const int spectralBottom = static_cast<int>(g.spectralBottom() * g.verticalStretch());
  // Above the spectral pane only the header's take duration may change (at a tenth of a second).
  const int spectralTop = static_cast<int>(g.spectralTop * g.verticalStretch());
  int changed = 0;
  int headerChanged = 0;
  for (int y = 0; y < next.height(); ++y)
    for (int x = 0; x < next.width(); ++x) {
      if (next.pixel(x, y) == shown.pixel(x, y)) continue;
      ++changed;
      ASSERT_TRUE(region.contains(QPoint(x, y))) << x << "," << y;
      if (y < spectralTop) {
        ++headerChanged;
      } else if (y <= spectralBottom) {
        ASSERT_TRUE(x == g.graphLeft + 4 || x == g.graphLeft + 5) << x << "," << y;
      }
    }
  EXPECT_GT(changed, headerChanged);
  for (const QRect& r : region)
    if (r.top() <= spectralBottom && r.bottom() >= spectralTop) {
      EXPECT_EQ(r.width(), 2);
    }

  // Repainting only the region over the last picture gives the full new picture.
  view()->render(&shown, region.boundingRect().topLeft(), region, QWidget::DrawWindowBackground);
  EXPECT_TRUE(shown == next);
  stopWithAnswer(false);
}

TEST_F(LiveDisplayTest, AfterALanguageChangeTheDurationRepaintsWhereTheNewLayoutPutsIt) {
  // The duration's place is kept from one full paint to the next. Korean sets the duration
  // further right, and its caption has another width.
  view()->resize(1024, 700);
  recordBuffers(1);
  QImage shown(view()->size(), QImage::Format_RGB32);
  view()->render(&shown);
  const QRect english = takeDurationArea(view()->scene());
  ASSERT_TRUE(applyLanguageCatalog(Korean, QStringLiteral(VELMORA_CATALOG_DIR)));
  view()->display().setLanguage(Korean, 0);
  view()->render(&shown);
  EXPECT_NE(takeDurationArea(view()->scene()), english);
  LiveRepaint& repaint = view()->liveRepaint();
  repaint.flush();
  const int64_t before = view()->display().shownTakeSamples();
  for (int i = 0; i < 20 && view()->display().shownTakeSamples() == before; ++i) {
    ASSERT_EQ(in.fill(1), 1);
    in.deliver();
  }
  ASSERT_NE(view()->display().shownTakeSamples(), before);
  const QRegion region = repaint.pending();
  QImage next(view()->size(), QImage::Format_RGB32);
  view()->render(&next);
  const ViewGeometry& g = view()->geometry();
  const int spectralTop = static_cast<int>(g.spectralTop * g.verticalStretch());
  int headerChanged = 0;
  for (int y = 0; y < spectralTop; ++y)
    for (int x = 0; x < next.width(); ++x)
      if (next.pixel(x, y) != shown.pixel(x, y)) {
        ++headerChanged;
        ASSERT_TRUE(region.contains(QPoint(x, y))) << x << "," << y;
      }
  EXPECT_GT(headerChanged, 0);
  applyLanguageCatalog(English, QStringLiteral(VELMORA_CATALOG_DIR));
  view()->display().setLanguage(English, 0);
  stopWithAnswer(false);
}

TEST_F(LiveDisplayTest, ALiveRepaintPaintsEveryPixelOfItsRegion) {
  // The kept picture is not copied where the live layers paint everything (the waveform pane,
  // the power spectrum's pane, the take's duration): they must cover it. Drawn over a picture of nothing but
  // magenta, the region must still come out exactly as a full paint of the view, in the
  // spectrogram and in both power-spectrum styles, on a stretched layout.
  view()->resize(1024, 900);
  recordBuffers(1);
  LiveRepaint& repaint = view()->liveRepaint();
  int durationRepaints = 0;
  const auto nextBlockDrawsItsRegion = [&] {
    // The window's full paint after a change of mode or style, which the kept picture is
    // taken from.
    QImage full(view()->size(), QImage::Format_RGB32);
    view()->render(&full);
    repaint.flush();
    in.captureDropped(12000);
    ASSERT_EQ(in.fill(1), 1);
    in.deliver();
    const QRegion region = repaint.pending();
    ASSERT_FALSE(region.isEmpty());
    const QImage next = view()->renderImage();
    QImage drawn(next.size(), next.format());
    drawn.fill(Qt::magenta);
    view()->render(&drawn, region.boundingRect().topLeft(), region, QWidget::DrawWindowBackground);
    int inside = 0;
    for (const QRect& r : region)
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x, ++inside)
          ASSERT_EQ(drawn.pixel(x, y), next.pixel(x, y)) << x << "," << y;
    EXPECT_GT(inside, 50000);  // the waveform strip at least
    // The take's duration, whose area the kept picture is not copied under either.
    const QRect duration = takeDurationArea(view()->scene());
    const double stretch = view()->geometry().verticalStretch();
    if (region.contains(QPoint(duration.center().x(), static_cast<int>(duration.center().y() * stretch))))
      ++durationRepaints;
  };
  nextBlockDrawsItsRegion();
  window->runCommand(cmd::PowerSpectrum);
  in.deliver();
  for (PowerSpectrumStyle style : {PowerSpectrumStyle::Solid, PowerSpectrumStyle::Line}) {
    SCOPED_TRACE(static_cast<int>(style));
    view()->display().results().power().setStyle(style);
    nextBlockDrawsItsRegion();
    ASSERT_TRUE(view()->display().results().power().hasData());
  }
  EXPECT_GT(durationRepaints, 0);
  stopWithAnswer(false);
}

TEST_F(LiveDisplayTest, TheLiveSpectrumRepaintsWhereItsCurveMovedAndTheScreenKeepsUp) {
  // A block repaints the parts of the spectrum's pane where the curve moved, not the whole
  // pane. Repainting only what the blocks ask for over what was shown must still give, block
  // after block, exactly the pane a full paint gives; the counter's ramp moves only the
  // lowest bins from one block to the next unless it wraps.
  view()->resize(1024, 900);
  recordBuffers(1);
  window->runCommand(cmd::PowerSpectrum);
  in.deliver();
  LiveRepaint& repaint = view()->liveRepaint();
  QImage screen(view()->size(), QImage::Format_RGB32);
  view()->render(&screen);
  repaint.flush();
  const ViewGeometry& g = view()->geometry();
  const QRect pane(g.graphLeft + 1, static_cast<int>(g.spectralTop * g.verticalStretch()), g.graphWidth,
                   static_cast<int>(g.spectralHeight * g.verticalStretch()));
  long smallest = long(pane.width()) * pane.height();
  for (int jump : {0, 0, 3000, 0, 40000, 0, 0, 100}) {
    SCOPED_TRACE(jump);
    if (jump == 40000) {
      // A new FFT size redraws the whole view: the next block cannot follow on from the last
      // spectrum drawn before it.
      view()->display().setFftSize(256);
      view()->render(&screen);
    }
    in.captureDropped(jump);
    ASSERT_EQ(in.fill(1), 1);
    in.deliver();
    const QRegion region = repaint.pending();
    long inPane = 0;
    for (const QRect& r : region & pane) inPane += long(r.width()) * r.height();
    smallest = std::min(smallest, inPane);
    view()->render(&screen, region.boundingRect().topLeft(), region, QWidget::DrawWindowBackground);
    repaint.flush();
    // The pane as the screen now shows it: the rest of the window holds child widgets that
    // the view's own picture leaves out.
    ASSERT_TRUE(screen.copy(pane) == view()->renderImage().copy(pane));
  }
  ASSERT_TRUE(view()->display().results().power().hasData());
  EXPECT_LT(smallest, long(pane.width()) * pane.height() / 4);
  stopWithAnswer(false);
}

TEST_F(LiveDisplayTest, ManyBlocksBetweenTwoRefreshesMakeOneRepaint) {
  recordBuffers(1);
  LiveRepaint& repaint = view()->liveRepaint();
  repaint.flush();
  const int before = repaint.repaints();
  for (int i = 0; i < 20; ++i) {
    ASSERT_EQ(in.fill(1), 1);
    in.deliver();
  }
  EXPECT_EQ(repaint.repaints(), before);
  QTest::qWait(100);
  EXPECT_EQ(repaint.repaints(), before + 1);
  EXPECT_TRUE(repaint.pending().isEmpty());
  stopWithAnswer(false);
}

TEST_F(LiveDisplayTest, TheF0ReadoutFollowsItsValueAndGoesWithIt) {
  // The readout's text is laid out once per value: a new value must show at once, an old one
  // again as it was, and none must leave nothing behind.
  view()->resize(1024, 700);
  recordBuffers(1);
  const ViewGeometry& g = view()->geometry();
  const double stretch = g.verticalStretch();
  const QRect readout(g.graphLeft + g.graphWidth - 150, static_cast<int>(g.waveTop * stretch), 150,
                      static_cast<int>(30 * stretch));
  const auto shown = [&] { return view()->renderImage().copy(readout); };
  view()->display().setF0Readout(0);
  const QImage none = shown();
  view()->display().setF0Readout(212.34f);
  const QImage first = shown();
  view()->display().setF0Readout(98.7f);
  const QImage second = shown();
  view()->display().setF0Readout(212.34f);
  EXPECT_FALSE(first == none);
  EXPECT_FALSE(second == first);
  EXPECT_TRUE(shown() == first);
  view()->display().setF0Readout(0);
  EXPECT_TRUE(shown() == none);
  stopWithAnswer(false);
}

// The header's "Time:" text as the view shows it now.
QImage headerDuration(AnalysisView& view) {
  const ViewScene scene = view.scene();
  const QRect area = takeDurationArea(scene);
  const int width = QFontMetrics(viewFont("Verdana", 25, true)).horizontalAdvance(QStringLiteral("Time: 00:00:00,000"));
  const double stretch = scene.geometry.verticalStretch();
  const int top = static_cast<int>(std::floor(area.top() * stretch));
  const int bottom = static_cast<int>(std::ceil((area.bottom() + 1) * stretch));
  return view.renderImage().copy(QRect(area.left(), top, std::min(width, area.width()), bottom - top));
}

TEST_F(LiveDisplayTest, TheHeaderShowsTheLengthRecordedSoFar) {
  view()->resize(1024, 700);
  window->runCommand(cmd::Record);
  in.deliver();
  EXPECT_EQ(view()->display().takeSamples(), 0);
  const QImage atStart = headerDuration(*view());
  // The digits follow each tenth of a second: 52 blocks of 229 samples at 11025 Hz show the
  // length at 10 tenths (00:00:01,017, block 49); the 53rd passes 11 tenths (00:00:01,100).
  ASSERT_EQ(in.fill(52), 52);
  in.deliver();
  EXPECT_EQ(view()->display().takeSamples(), 52 * kBufferSamples);
  EXPECT_EQ(view()->display().shownTakeSamples(), 49 * kBufferSamples);
  ASSERT_EQ(in.fill(1), 1);
  in.deliver();
  EXPECT_EQ(view()->display().shownTakeSamples(), 53 * kBufferSamples);
  const QImage recorded = headerDuration(*view());
  EXPECT_FALSE(recorded == atStart);
  // The digits are repainted with the live parts, not by a full repaint.
  const ViewGeometry& g = view()->geometry();
  const QRect area = takeDurationArea(view()->scene());
  const QPoint digits(area.left() + area.width() / 3, static_cast<int>((area.top() + area.height() / 2) * g.verticalStretch()));
  EXPECT_TRUE(view()->liveRepaint().pending().contains(digits));

  // The kept take, opened, shows its visible range: the same length, drawn the same.
  stopWithAnswer(true);
  EXPECT_EQ(view()->display().takeSamples(), -1);
  ASSERT_TRUE(view()->hasSamples());
  ASSERT_EQ(view()->buffer().sampleCount(), 53 * kBufferSamples);
  EXPECT_TRUE(headerDuration(*view()) == recorded);
}

QImage drawnWaveform(const std::vector<WavePoint>& points, double stretch) {
  QImage image(840, 180, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.scale(1.0, stretch);
  QPolygon line(static_cast<int>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) line.setPoint(static_cast<int>(i), points[i].x, points[i].y);
  QPen pen(Qt::black, 0);
  pen.setCosmetic(true);
  p.setPen(pen);
  p.drawPolyline(line);
  return image;
}

TEST(LiveWaveformStrip, MergedSegmentsDrawTheSamePixelsAsEveryValue) {
  // A clean tone, then the same with noise, a silent stretch and clipped peaks, at both
  // layouts' stretch (the large layout's 1.11 puts rows between device rows).
  std::mt19937 random(27);
  std::normal_distribution<float> noise(0.0f, 1500.0f);
  const WavePane pane{20, 800, 40, 70};
  for (bool noisy : {false, true}) {
    std::vector<float> live(800 * kWaveSubSteps);
    for (size_t i = 0; i < live.size(); ++i) {
      const float tone = 20000.0f * static_cast<float>(std::sin(static_cast<double>(i) * 0.04));
      live[i] = !noisy ? tone
                : i > 2000 && i < 2600 ? 0.0f
                                       : std::clamp(tone * 1.8f + noise(random), -32768.0f, 32767.0f);
    }
    const std::vector<WavePoint> all = reduceLiveSignal(live, pane);
    const std::vector<WavePoint> thin = mergeColumnRuns(all);
    ASSERT_EQ(all.size(), 6401u);
    if (!noisy) {
      EXPECT_LT(thin.size(), all.size() * 4 / 5);
    }
    for (double stretch : {1.0, 111.0 / 100.0}) {
      EXPECT_TRUE(drawnWaveform(thin, stretch) == drawnWaveform(all, stretch)) << "stretch " << stretch << " noisy " << noisy;
    }
  }
}

}  // namespace
}  // namespace velmora
