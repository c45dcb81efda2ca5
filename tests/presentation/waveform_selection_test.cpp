#include "presentation/waveform_selection.h"

#include <gtest/gtest.h>

#include "analysis/power_spectrum_curve.h"
#include "presentation/pointer_readout.h"
#include "presentation/waveform_menu.h"

namespace velmora {
namespace {

class WaveformSelectionTest : public ::testing::Test {
 protected:
  void open(int32_t samples) {
    SoundBuffer b;
    b.samples.assign(static_cast<size_t>(samples), 0);
    b.format = WaveFormat::pcm(11025);
    doc.open(std::move(b), 1);
  }
  int paneY() const { return g.waveTop + g.waveHeight / 2; }
  void drag(int fromX, int toX, bool clip = false) {
    sel.press(fromX, paneY());
    sel.move((fromX + toX) / 2, paneY());
    sel.move(toX, paneY());
    lastRelease = sel.release(toX, paneY(), clip);
  }

  ViewGeometry g = ViewGeometry::forScreen(800, 600);  // small layout: 671 columns from x = 92
  RecordingDocument doc;
  WaveformSelection sel{doc, g};
  PointerAction lastRelease = PointerAction::None;
};

TEST_F(WaveformSelectionTest, ZoomingTenColumnsOfAWholeRecordingShowsTheirSamplesAndZoomAgainShowsAll) {
  open(67100);  // 100 samples a column
  drag(g.graphLeft + 50, g.graphLeft + 60);
  EXPECT_EQ(lastRelease, PointerAction::OpenMenu);  // a marked stretch opens the menu
  EXPECT_EQ(doc.selection().ordered(), (SampleRange{5000, 6000}));
  ASSERT_TRUE(sel.zoom());
  EXPECT_EQ(doc.visibleRange(), (SampleRange{5000, 6000}));
  EXPECT_FALSE(sel.hasSelection());  // the zoomed view shows the stretch itself
  // Zoomed: a press in the pane opens the menu; no new selection can be made.
  EXPECT_EQ(sel.press(g.graphLeft + 5, paneY()), PointerAction::OpenMenu);
  EXPECT_FALSE(sel.dragging());
  ASSERT_TRUE(sel.zoom());
  EXPECT_EQ(doc.visibleRange(), (SampleRange{0, 67100}));
  EXPECT_EQ(sel.endX(), 0);
  EXPECT_FALSE(sel.zoom());  // nothing marked: nothing to zoom into
}

TEST_F(WaveformSelectionTest, EitherDirectionMarksTheSameColumnsAndTheDragStopsAtThePaneEdges) {
  open(67100);
  drag(g.graphLeft + 300, g.graphLeft + 100);
  const SampleRange backwards = doc.selection().ordered();
  drag(g.graphLeft + 100, g.graphLeft + 300);
  EXPECT_EQ(doc.selection().ordered(), backwards);
  EXPECT_EQ(backwards, (SampleRange{10000, 30000}));

  drag(g.graphLeft + 600, g.graphLeft + g.graphWidth + 90);  // out past the right edge
  EXPECT_EQ(sel.endX(), g.graphLeft + g.graphWidth);
  EXPECT_EQ(doc.selection().ordered().end, 67100);
  drag(g.graphLeft + 20, 3);  // out into the axes on the left
  EXPECT_EQ(sel.endX(), g.graphLeft);
  EXPECT_EQ(doc.selection().ordered().start, 0);
  drag(g.graphLeft + g.graphWidth, g.graphLeft);
  EXPECT_TRUE(sel.spansPane());  // Cut would remove everything
}

TEST_F(WaveformSelectionTest, AClickWithoutADragMarksNothingUnlessThereIsSomethingToPaste) {
  open(67100);
  drag(g.graphLeft + 100, g.graphLeft + 300);
  sel.press(g.graphLeft + 40, paneY());
  EXPECT_FALSE(sel.hasSelection());  // a new press drops the old stretch
  EXPECT_EQ(sel.release(g.graphLeft + 40, paneY(), false), PointerAction::None);
  EXPECT_FALSE(sel.hasSelection());
  EXPECT_FALSE(doc.hasSelection());

  sel.press(g.graphLeft + 40, paneY());
  EXPECT_EQ(sel.release(g.graphLeft + 40, paneY(), true), PointerAction::OpenMenu);
  EXPECT_FALSE(doc.hasSelection());
  EXPECT_EQ(doc.selection().start, 4000);  // the place to paste

  // Outside the pane nothing starts; with nothing open nothing happens at all.
  EXPECT_EQ(sel.press(g.graphLeft + 40, g.spectralTop + 5), PointerAction::None);
  EXPECT_FALSE(sel.dragging());
  doc.close();
  sel.press(g.graphLeft + 40, paneY());
  EXPECT_FALSE(sel.dragging());
}

TEST_F(WaveformSelectionTest, ADragDuringATakeStopsAtTheLivePosition) {
  open(67100);
  const int live = g.graphLeft + 200;
  EXPECT_EQ(sel.press(live + 10, paneY(), live), PointerAction::None);
  EXPECT_FALSE(sel.dragging());
  sel.press(g.graphLeft + 100, paneY(), live);
  sel.move(live + 150, paneY(), live);
  EXPECT_EQ(sel.endX(), live);
}

TEST(PointerReadout, TheBoxStaysInsideThePaneAndReadsTheAxesValues) {
  const ViewGeometry g = ViewGeometry::forScreen(1024, 768);
  SpectrogramPointer s;
  s.topHz = 5512.5;
  s.visible = {0, 22050};
  s.sampleRate = 11025;
  // 10 px below the pane's top the box sits at the pointer's height, lower down 15 px above.
  auto r = spectrogramReadout(g, g.graphLeft + 100, g.spectralTop + 10, s);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->top, g.spectralTop + 10);
  EXPECT_EQ(spectrogramReadout(g, g.graphLeft + 100, g.spectralTop + 100, s)->top, g.spectralTop + 85);
  // Top of the pane, middle of a 2 s range.
  r = spectrogramReadout(g, g.graphLeft + g.graphWidth / 2, g.spectralTop, s);
  EXPECT_EQ(r->text, "5512,50 Hz   1,00 s");
  EXPECT_EQ(r->left + r->width, g.graphLeft + g.graphWidth / 2 + r->width);
  // Near the right edge the box goes to the left of the pointer.
  r = spectrogramReadout(g, g.graphLeft + g.graphWidth - 50, g.spectralTop + 150, s);
  EXPECT_EQ(r->left + r->width, g.graphLeft + g.graphWidth - 50);
  EXPECT_FALSE(spectrogramReadout(g, g.graphLeft - 1, g.spectralTop + 5, s));

  s.showF0 = true;
  s.f0Min = 70;
  s.f0Max = 1000;
  r = spectrogramReadout(g, g.graphLeft + 100, g.spectralTop, s);
  EXPECT_EQ(r->f0Text, ": 1,00 kHz");
  r = spectrogramReadout(g, g.graphLeft + 100, g.spectralBottom(), s);
  EXPECT_EQ(r->f0Text, ": 70,00Hz");
  EXPECT_EQ(r->textX, r->left + 80);  // large layout

  // Over the power spectrum the box reads the level where the curve and its axis draw it.
  const PaneRect pane{g.graphLeft + 1, g.spectralTop, g.graphLeft + g.graphWidth + 1, g.spectralBottom()};
  const auto power = powerSpectrumReadout(g, g.graphLeft, powerSpectrumLevelY(70, pane), 5512.5);
  ASSERT_TRUE(power);
  EXPECT_EQ(power->text, "0,00 kHz   70,00 dB");
  EXPECT_EQ(powerSpectrumReadout(g, g.graphLeft + g.graphWidth, powerSpectrumLevelY(-5, pane), 5512.5)->text,
            "5,51 kHz   -5,00 dB");
}

TEST(WaveformMenu, ItemsFollowTheTakeThePlayerTheZoomAndTheEditMemory) {
  WaveformMenuState s;
  s.recording = true;
  ASSERT_EQ(waveformMenu(s).size(), 1u);
  EXPECT_EQ(waveformMenu(s)[0].text, "Play");

  s = {};
  s.selectionEmpty = false;
  auto items = waveformMenu(s);
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[1].text, "&Zoom +");
  EXPECT_TRUE(items[3].enabled && items[4].enabled);
  EXPECT_FALSE(items[5].enabled);  // nothing to paste

  s.playing = true;
  s.zoomed = true;
  s.selectionSpansPane = true;
  items = waveformMenu(s);
  EXPECT_EQ(items[0].text, "&Stop");
  EXPECT_EQ(items[1].text, "Zoom -");
  EXPECT_FALSE(items[3].enabled);  // Cut of the whole pane

  s = {};
  s.clipHeld = true;  // a click to paste: only Paste (and Zoom - when zoomed)
  items = waveformMenu(s);
  EXPECT_FALSE(items[1].enabled || items[3].enabled || items[4].enabled);
  EXPECT_TRUE(items[5].enabled);
  s.zoomed = true;
  EXPECT_TRUE(waveformMenu(s)[1].enabled);
}

}  // namespace
}  // namespace velmora
