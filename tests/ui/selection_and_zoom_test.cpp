// A therapist's way through the graph with the real widget: drag across the waveform,
// see the columns inverted, zoom in and out, read values, play the marked stretch.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "view_audio_fixture.h"

namespace velmora::testing {
namespace {

class SelectionAndZoomTest : public ViewAudioFixture {
 protected:
  void SetUp() override {
    ViewAudioFixture::SetUp();
    view()->resize(1024, 700);  // the frame is not shown: give the view the size it would have
    writeRecording(clientFile("wv001.wav"), 67100);
    ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  }
  const ViewGeometry& g() const { return view()->geometry(); }
  // Logical view pixels to the widget's device pixels.
  QPoint at(int x, int y) const { return QPoint(x, static_cast<int>(y * g().verticalStretch() + 0.5)); }
  int waveY() const { return g().waveTop + g().waveHeight / 2; }
  // Closes the context menu that a release opens, as a user pressing Escape would.
  void closeMenuSoon() {
    QTimer::singleShot(0, [this] {
      menuSeen = QApplication::activePopupWidget() != nullptr;
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
  }
  void drag(int fromX, int toX) {
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, at(fromX, waveY()));
    QTest::mouseMove(view(), at((fromX + toX) / 2, waveY()));
    QTest::mouseMove(view(), at(toX, waveY()));
    closeMenuSoon();
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, at(toX, waveY()));
  }
  // A move with no button held (QTest delivers those only to a shown window).
  void hover(QPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(view()->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(view(), &e);
  }
  bool menuSeen = false;
};

TEST_F(SelectionAndZoomTest, DraggingInvertsTheColumnsAndZoomShowsOnlyThem) {
  const int x0 = g().graphLeft + 100, x1 = g().graphLeft + 300;
  const QPoint probe(x0 + 50, static_cast<int>((g().waveTop + 3) * g().verticalStretch()));
  const QRgb before = view()->renderImage().pixel(probe);
  const QRgb outside = view()->renderImage().pixel(probe + QPoint(300, 0));
  drag(x1, x0);  // right to left
  EXPECT_TRUE(menuSeen);
  const QImage marked = view()->renderImage();
  EXPECT_EQ(marked.pixel(probe) & 0xffffff, ~before & 0xffffff);
  EXPECT_EQ(marked.pixel(probe + QPoint(300, 0)), outside);

  const double perColumn = 67100.0 / g().graphWidth;
  const auto start = static_cast<int32_t>(100 * perColumn);
  const SampleRange expected{start, start + static_cast<int32_t>(200 * perColumn)};
  EXPECT_EQ(view()->document().selection().ordered(), expected);
  EXPECT_TRUE(window->action(cmd::Zoom)->isEnabled());

  window->runCommand(cmd::Zoom);
  EXPECT_EQ(view()->document().visibleRange(), expected);
  EXPECT_TRUE(window->action(cmd::Zoom)->isChecked());
  EXPECT_EQ(view()->scene().selectionX0, -1);  // nothing drawn marked inside the zoom
  window->runCommand(cmd::Zoom);
  EXPECT_EQ(view()->document().visibleRange(), (SampleRange{0, 67100}));
  EXPECT_FALSE(window->action(cmd::Zoom)->isEnabled());
}

TEST_F(SelectionAndZoomTest, AClickWithoutADragMarksNothingAndOpensNoMenu) {
  drag(g().graphLeft + 200, g().graphLeft + 200);
  EXPECT_FALSE(menuSeen);
  EXPECT_FALSE(view()->hasSelection());
  EXPECT_FALSE(view()->document().hasSelection());
}

TEST_F(SelectionAndZoomTest, TheMarkedStretchPlaysExactlyItsSamples) {
  drag(g().graphLeft + 10, g().graphLeft + 20);
  const SampleRange marked = view()->document().selection().ordered();
  ASSERT_FALSE(marked.empty());
  window->runCommand(cmd::Play);
  ASSERT_TRUE(view()->isPlaying());
  ASSERT_EQ(out.writtenBytes.size(), 1u);
  EXPECT_EQ(out.writtenBytes[0], static_cast<uint32_t>(marked.length() * 2));
  EXPECT_EQ(out.writtenData[0], reinterpret_cast<const char*>(view()->buffer().samples.data() + marked.start));
  out.playToEnd();
  // The cursor stays at the end of what was played.
  EXPECT_EQ(view()->display().restCursor(), marked.end);
  EXPECT_NEAR(view()->scene().playCursorX, g().graphLeft + 20, 1);  // samples to columns truncate
}

TEST_F(SelectionAndZoomTest, MovingOverTheSpectrogramShowsTheValueBoxAndACross) {
  hover(at(g().graphLeft + 100, g().spectralTop + 10));
  ASSERT_TRUE(view()->scene().readout.has_value());
  EXPECT_EQ(view()->scene().readout->top, g().spectralTop + 10);
  EXPECT_EQ(view()->cursor().shape(), Qt::CrossCursor);
  hover(at(g().graphLeft + 100, waveY()));
  EXPECT_FALSE(view()->scene().readout.has_value());
  EXPECT_EQ(view()->cursor().shape(), Qt::IBeamCursor);
}

}  // namespace
}  // namespace velmora::testing

namespace velmora::testing {
namespace {

using PausedTakeTest = ViewAudioFixture;

TEST_F(PausedTakeTest, APausedTakePlaysBackWhatItHasRecordedAndThenGoesOn) {
  recordBuffers(3);
  EXPECT_FALSE(view()->takeController()->canPlayBack());  // only a paused take
  view()->recordPauseCommand();
  ASSERT_TRUE(view()->takeController()->playBack(*view()->playbackController()));
  ASSERT_EQ(out.writtenBytes.size(), 1u);
  EXPECT_EQ(out.writtenBytes[0], static_cast<uint32_t>(3 * kBufferBytes));
  // The fake's running counter, as recorded.
  EXPECT_EQ(reinterpret_cast<const int16_t*>(out.writtenData[0])[kBufferSamples], kBufferSamples);
  EXPECT_FALSE(bar()->recordPauseButton()->isEnabled());
  EXPECT_TRUE(bar()->recordButton()->isEnabled());  // the take can still be stopped
  out.playToEnd();
  EXPECT_TRUE(bar()->recordPauseButton()->isEnabled());
  EXPECT_TRUE(view()->isRecording());

  // Resuming during a playback stops it first; the take then keeps all it recorded.
  ASSERT_TRUE(view()->takeController()->playBack(*view()->playbackController()));
  view()->recordPauseCommand();
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_EQ(in.fill(1), 1);
  in.deliver();
  stopWithAnswer(true);
  EXPECT_EQ(view()->buffer().sampleCount(), 4 * kBufferSamples);
}

}  // namespace
}  // namespace velmora::testing
