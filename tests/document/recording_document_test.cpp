#include "document/recording_document.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

SoundBuffer bufferOf(int32_t count, uint32_t rate = 11025) {
  SoundBuffer b;
  b.samples.resize(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) b.samples[static_cast<size_t>(i)] = static_cast<int16_t>(i % 1000);
  b.format = WaveFormat::pcm(rate);
  b.path = "pac001/wv001.wav";
  b.recordingNumber = 1;
  b.visibleStart = 7;  // whatever the loader left: opening shows the whole file
  b.visibleEnd = 9;
  return b;
}

struct Recorder : DocumentObserver {
  std::vector<unsigned> heard;
  RecordingDocument* removeFrom = nullptr;
  void documentChanged(const RecordingDocument&, unsigned changes) override {
    heard.push_back(changes);
    if (removeFrom) removeFrom->removeObserver(this);
  }
};

TEST(RecordingDocument, OpenShowsWholeFileAndCloseForgetsEverything) {
  RecordingDocument doc;
  Recorder r;
  doc.addObserver(&r);
  doc.open(bufferOf(67100), 3);
  EXPECT_EQ(doc.visibleRange(), (SampleRange{0, 67100}));
  EXPECT_FALSE(doc.isZoomed());
  EXPECT_FALSE(doc.hasSelection());
  EXPECT_EQ(doc.clientCode(), 3);
  ASSERT_EQ(r.heard.size(), 1u);
  EXPECT_TRUE(r.heard[0] & ChangeSamples);

  doc.select(100, 50);
  ASSERT_TRUE(doc.zoomTo(doc.selection()));
  doc.editState().lastEdit = LastEdit::Copy;
  doc.labels().entries().push_back(TextLabel{});
  doc.setChanged(true);
  doc.close();
  EXPECT_FALSE(doc.isOpen());
  EXPECT_EQ(doc.recordingNumber(), kNoRecordingNumber);
  EXPECT_TRUE(doc.path().empty());
  EXPECT_FALSE(doc.isChanged());
  EXPECT_FALSE(doc.hasSelection());
  EXPECT_FALSE(doc.isZoomed());
  EXPECT_EQ(doc.visibleRange(), (SampleRange{0, 0}));
  EXPECT_FALSE(doc.editState().canPaste());
  EXPECT_TRUE(doc.labels().empty());
  EXPECT_EQ(doc.clientCode(), -1);
}

TEST(RecordingDocument, SelectionAndZoomStayInsideTheFileAndZoomIsOneLevel) {
  RecordingDocument doc;
  doc.open(bufferOf(1000), 1);
  doc.select(1200, -5);  // a drag out of the pane, right to left
  EXPECT_EQ(doc.selection(), (SampleRange{1000, 0}));
  EXPECT_EQ(doc.selection().ordered(), (SampleRange{0, 1000}));
  EXPECT_EQ(doc.selection().length(), 1000);

  EXPECT_FALSE(doc.zoomTo({300, 300}));  // nothing marked: nothing to zoom into
  ASSERT_TRUE(doc.zoomTo({400, 200}));
  EXPECT_EQ(doc.visibleRange(), (SampleRange{200, 400}));
  EXPECT_TRUE(doc.isZoomed());
  EXPECT_FALSE(doc.zoomTo({250, 260}));  // no zoom inside a zoom
  EXPECT_EQ(doc.visibleRange(), (SampleRange{200, 400}));
  doc.showAll();
  EXPECT_EQ(doc.visibleRange(), (SampleRange{0, 1000}));

  RecordingDocument empty;
  EXPECT_FALSE(empty.zoomTo({0, 10}));
  empty.select(3, 8);
  EXPECT_FALSE(empty.hasSelection());
}

TEST(RecordingDocument, ShorterSamplesPullTheRangesBackAndMarkTheDocumentChanged) {
  RecordingDocument doc;
  doc.open(bufferOf(1000), 1);
  doc.select(900, 1000);
  ASSERT_TRUE(doc.zoomTo({800, 1000}));
  Recorder r;
  doc.addObserver(&r);
  doc.replaceSamples(std::vector<int16_t>(500, 1));
  EXPECT_EQ(doc.sampleCount(), 500);
  EXPECT_TRUE(doc.isChanged());
  // The zoomed stretch is gone: the whole file shows; the selection is held inside.
  EXPECT_EQ(doc.visibleRange(), (SampleRange{0, 500}));
  EXPECT_EQ(doc.selection(), (SampleRange{500, 500}));
  ASSERT_EQ(r.heard.size(), 1u);
  EXPECT_EQ(r.heard[0] & (ChangeSamples | ChangeModified | ChangeZoom), ChangeSamples | ChangeModified | ChangeZoom);
  EXPECT_EQ(doc.sampleRate(), 11025);  // the format stays
}

TEST(RecordingDocument, ObserversHearOnlyRealChangesAndMayLeaveWhileHearing) {
  RecordingDocument doc;
  doc.open(bufferOf(100), 1);
  Recorder stays, leaves;
  leaves.removeFrom = &doc;
  doc.addObserver(&stays);
  doc.addObserver(&leaves);
  doc.addObserver(&stays);  // twice: still told once
  doc.select(10, 20);
  doc.select(10, 20);  // the same stretch again: nothing new
  doc.setChanged(false);
  doc.clearSelection();
  ASSERT_EQ(stays.heard.size(), 2u);
  EXPECT_EQ(stays.heard[0], ChangeSelection);
  EXPECT_EQ(leaves.heard.size(), 1u);
}

}  // namespace
}  // namespace velmora
