#include "document/sound_edits.h"

#include <gtest/gtest.h>

#include <random>

namespace velmora {
namespace {

SoundBuffer rampOf(int32_t count) {
  SoundBuffer b;
  for (int32_t i = 0; i < count; ++i) b.samples.push_back(static_cast<int16_t>(i + 1));
  b.format = WaveFormat::pcm(11025);
  return b;
}

// The edits as plain vector operations, the way a user would describe them.
struct Model {
  std::vector<int16_t> samples;
  std::vector<int16_t> buffer;
  LastEdit last = LastEdit::None;
  int32_t at = 0;

  bool cut(int32_t s, int32_t e) {
    if (e - s >= static_cast<int32_t>(samples.size())) return false;
    buffer.assign(samples.begin() + s, samples.begin() + e);
    samples.erase(samples.begin() + s, samples.begin() + e);
    at = s;
    last = LastEdit::Cut;
    return true;
  }
  void copy(int32_t s, int32_t e) {
    buffer.assign(samples.begin() + s, samples.begin() + e);
    last = LastEdit::Copy;
  }
  bool paste(int32_t p) {
    if (last != LastEdit::Copy) return false;
    samples.insert(samples.begin() + p, buffer.begin(), buffer.end());
    at = p;
    last = LastEdit::Paste;
    return true;
  }
  void silence(int32_t s, int32_t e) {
    buffer.assign(samples.begin() + s, samples.begin() + e);
    std::fill(samples.begin() + s, samples.begin() + e, int16_t{0});
    at = s;
    last = LastEdit::Silence;
  }
  bool undo() {
    const auto p = samples.begin() + at;
    switch (last) {
      case LastEdit::Cut: samples.insert(p, buffer.begin(), buffer.end()); break;
      case LastEdit::Paste: samples.erase(p, p + static_cast<ptrdiff_t>(buffer.size())); break;
      case LastEdit::Silence: std::copy(buffer.begin(), buffer.end(), p); break;
      default: return false;
    }
    last = LastEdit::None;
    return true;
  }
};

TEST(SoundEdits, RandomSequencesMatchTheVectorModel) {
  std::mt19937 rng(1234);
  for (int round = 0; round < 200; ++round) {
    RecordingDocument doc;
    doc.open(rampOf(40), 1);
    Model m;
    m.samples = doc.sound().samples;
    for (int step = 0; step < 30; ++step) {
      const auto n = static_cast<int32_t>(m.samples.size());
      ASSERT_EQ(doc.sampleCount(), n);
      int32_t a = std::uniform_int_distribution<int32_t>(0, n)(rng);
      int32_t b = std::uniform_int_distribution<int32_t>(0, n)(rng);
      if (rng() % 8 == 0) { a = 0; b = n; }
      doc.select(b, a);  // either drag direction
      const int32_t s = std::min(a, b);
      const int32_t e = std::max(a, b);
      const bool marked = s != e;
      switch (rng() % 5) {
        case 0: {
          const EditOutcome o = cutSamples(doc);
          if (!marked) {
            EXPECT_EQ(o, EditOutcome::NeedsArea);
          } else {
            EXPECT_EQ(o == EditOutcome::Done, m.cut(s, e));
          }
          break;
        }
        case 1:
          EXPECT_EQ(copySamples(doc), marked ? EditOutcome::Done : EditOutcome::NeedsArea);
          if (marked) m.copy(s, e);
          break;
        case 2: EXPECT_EQ(pasteSamples(doc) == EditOutcome::Done, m.paste(s)); break;
        case 3:
          EXPECT_EQ(silenceSamples(doc), marked ? EditOutcome::Done : EditOutcome::NeedsArea);
          if (marked) m.silence(s, e);
          break;
        default: EXPECT_EQ(undoEdit(doc) == EditOutcome::Done, m.undo()); break;
      }
      ASSERT_EQ(doc.sound().samples, m.samples) << "round " << round << " step " << step;
      ASSERT_EQ(doc.editState().lastEdit, m.last);
    }
  }
}

TEST(SoundEdits, AnEditShowsTheWholeFileUnmarkedAndChanged) {
  RecordingDocument doc;
  doc.open(rampOf(100), 1);
  doc.select(10, 20);
  ASSERT_EQ(copySamples(doc), EditOutcome::Done);
  EXPECT_FALSE(doc.isChanged()) << "a copy does not change the sound";
  ASSERT_TRUE(doc.zoomTo({30, 60}));
  doc.select(35, 40);
  // Zoomed, the edit range is the zoomed stretch.
  ASSERT_EQ(cutSamples(doc), EditOutcome::Done);
  EXPECT_EQ(doc.sampleCount(), 70);
  EXPECT_EQ(doc.sound().samples[30], 61);
  EXPECT_FALSE(doc.isZoomed());
  EXPECT_FALSE(doc.hasSelection());
  EXPECT_TRUE(doc.isChanged());
}

TEST(SoundEdits, CutOfTheWholeRecordingOrWithoutAMarkIsRefused) {
  RecordingDocument doc;
  doc.open(rampOf(100), 1);
  EXPECT_EQ(cutSamples(doc), EditOutcome::NeedsArea);
  EXPECT_EQ(silenceSamples(doc), EditOutcome::NeedsArea);
  doc.select(100, 0);
  EXPECT_EQ(cutSamples(doc), EditOutcome::Unavailable);
  EXPECT_EQ(doc.sampleCount(), 100);
  EXPECT_FALSE(doc.isChanged());
}

TEST(SoundEdits, CutThenPasteStaysGrayedAndCopyAfterCutKeepsTheCut) {
  RecordingDocument doc;
  doc.open(rampOf(100), 1);
  doc.select(10, 30);
  ASSERT_EQ(cutSamples(doc), EditOutcome::Done);
  EXPECT_EQ(pasteSamples(doc), EditOutcome::Unavailable);
  doc.select(0, 5);
  ASSERT_EQ(copySamples(doc), EditOutcome::Done);
  EXPECT_FALSE(doc.editState().canUndo());
  EXPECT_EQ(undoEdit(doc), EditOutcome::Unavailable);
  EXPECT_EQ(doc.sampleCount(), 80);
  // Copy, Paste, Paste: the piece goes in once.
  doc.select(50, 50);
  ASSERT_EQ(pasteSamples(doc), EditOutcome::Done);
  EXPECT_EQ(pasteSamples(doc), EditOutcome::Unavailable);
  EXPECT_EQ(doc.sampleCount(), 85);
  EXPECT_TRUE(doc.editState().editBuffer.empty());
}

TEST(SoundEdits, UndoAfterSilenceRestoresExactly) {
  RecordingDocument doc;
  doc.open(rampOf(100), 1);
  const std::vector<int16_t> before = doc.sound().samples;
  doc.select(70, 20);
  ASSERT_EQ(silenceSamples(doc), EditOutcome::Done);
  EXPECT_EQ(doc.sound().samples[20], 0);
  EXPECT_EQ(doc.sound().samples[69], 0);
  EXPECT_EQ(doc.sound().samples[70], 71);
  ASSERT_EQ(undoEdit(doc), EditOutcome::Done);
  EXPECT_EQ(doc.sound().samples, before);
  EXPECT_EQ(undoEdit(doc), EditOutcome::Unavailable);
}

TEST(SoundEdits, LabelsFollowACutAndItsUndo) {
  RecordingDocument doc;
  doc.open(rampOf(100), 1);
  doc.labels().load({TextLabel{{0, 100}, {15, 18}, "inside", false, false},
                     TextLabel{{0, 100}, {60, 70}, "after", false, false}});
  doc.select(10, 30);
  ASSERT_EQ(cutSamples(doc), EditOutcome::Done);
  EXPECT_TRUE(doc.labels().entries()[0].hidden);
  EXPECT_EQ(doc.labels().entries()[1].samples, (SampleRange{40, 50}));
  EXPECT_TRUE(doc.labels().modified());
  ASSERT_EQ(undoEdit(doc), EditOutcome::Done);
  EXPECT_FALSE(doc.labels().entries()[0].hidden);
  EXPECT_EQ(doc.labels().entries()[0].samples, (SampleRange{15, 18}));
  EXPECT_EQ(doc.labels().entries()[1].samples, (SampleRange{60, 70}));
}

TEST(SoundEdits, PasteMovesLaterLabelsRightAndUndoBack) {
  RecordingDocument doc;
  doc.open(rampOf(100), 1);
  doc.labels().load({TextLabel{{0, 100}, {60, 70}, "after", false, false}});
  doc.select(0, 10);
  ASSERT_EQ(copySamples(doc), EditOutcome::Done);
  doc.select(50, 50);
  ASSERT_EQ(pasteSamples(doc), EditOutcome::Done);
  EXPECT_EQ(doc.labels().entries()[0].samples, (SampleRange{70, 80}));
  EXPECT_EQ(doc.sound().samples[50], 1);
  ASSERT_EQ(undoEdit(doc), EditOutcome::Done);
  EXPECT_EQ(doc.labels().entries()[0].samples, (SampleRange{60, 70}));
  EXPECT_EQ(doc.sampleCount(), 100);
}

TEST(SoundEdits, CutSilenceAndTheirUndoWorkInThePlaceOfTheSamples) {
  // Ten minutes at 44100 Hz: an edit must not copy the whole block to change a little of it.
  RecordingDocument doc;
  doc.open(rampOf(44100 * 600), 1);
  const int16_t* block = doc.sound().samples.data();
  doc.select(1000, 2000);
  ASSERT_EQ(cutSamples(doc), EditOutcome::Done);
  EXPECT_EQ(doc.sound().samples.data(), block);
  EXPECT_EQ(doc.editState().editBuffer.size(), 1000u);
  ASSERT_EQ(undoEdit(doc), EditOutcome::Done);
  EXPECT_EQ(doc.sound().samples.data(), block);
  doc.select(5000, 9000);
  ASSERT_EQ(silenceSamples(doc), EditOutcome::Done);
  EXPECT_EQ(doc.sound().samples.data(), block);
  EXPECT_EQ(doc.editState().editBuffer.size(), 4000u);
  ASSERT_EQ(undoEdit(doc), EditOutcome::Done);
  EXPECT_EQ(doc.sound().samples.data(), block);
  EXPECT_EQ(doc.sound().samples[5000], 5001);
}

TEST(SoundEdits, AThousandEditAndUndoCyclesEndWhereTheyStarted) {
  RecordingDocument doc;
  doc.open(rampOf(300), 1);
  const std::vector<int16_t> before = doc.sound().samples;
  for (int i = 0; i < 1000; ++i) {
    doc.select(i % 250, i % 250 + 20);
    ASSERT_EQ(i % 2 ? cutSamples(doc) : silenceSamples(doc), EditOutcome::Done);
    ASSERT_EQ(undoEdit(doc), EditOutcome::Done);
    doc.select(10, 30);
    ASSERT_EQ(copySamples(doc), EditOutcome::Done);
    doc.select(i % 300, i % 300);
    ASSERT_EQ(pasteSamples(doc), EditOutcome::Done);
    ASSERT_EQ(undoEdit(doc), EditOutcome::Done);
  }
  EXPECT_EQ(doc.sound().samples, before);
  EXPECT_TRUE(doc.editState().editBuffer.empty());
}

}  // namespace
}  // namespace velmora
