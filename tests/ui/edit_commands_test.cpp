// Editing with the real frame: drag across the waveform, cut what was marked, undo it, and
// the Edit entries following what the edit memory holds.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "view_audio_fixture.h"

namespace velmora::testing {
namespace {

class EditCommandsTest : public ViewAudioFixture {
 protected:
  void SetUp() override {
    ViewAudioFixture::SetUp();
    view()->resize(1024, 700);
    writeRecording(clientFile("wv001.wav"), 67100);
    ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  }
  const ViewGeometry& g() const { return view()->geometry(); }
  QPoint at(int x) const {
    const int y = g().waveTop + g().waveHeight / 2;
    return QPoint(x, static_cast<int>(y * g().verticalStretch() + 0.5));
  }
  void drag(int fromX, int toX) {
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, at(fromX));
    QTest::mouseMove(view(), at(toX));
    // The release opens the context menu; close it as Escape would.
    QTimer::singleShot(0, [] {
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, at(toX));
  }
  bool enabled(int id) const { return window->action(id)->isEnabled(); }
};

TEST_F(EditCommandsTest, CutRemovesExactlyTheMarkedSamplesAndUndoPutsThemBack) {
  const std::vector<int16_t> before = view()->buffer().samples;
  EXPECT_FALSE(enabled(cmd::Cut));
  EXPECT_FALSE(enabled(cmd::Undo));
  drag(g().graphLeft + 300, g().graphLeft + 100);
  const SampleRange marked = view()->document().selection().ordered();
  ASSERT_GT(marked.length(), 0);
  EXPECT_TRUE(enabled(cmd::Cut));

  window->runCommand(cmd::Cut);
  std::vector<int16_t> expected = before;
  expected.erase(expected.begin() + marked.start, expected.begin() + marked.end);
  EXPECT_EQ(view()->buffer().samples, expected);
  EXPECT_TRUE(view()->document().isChanged());
  EXPECT_FALSE(view()->hasSelection());
  EXPECT_FALSE(enabled(cmd::Cut));
  EXPECT_FALSE(enabled(cmd::Paste)) << "a cut is not a copy";
  EXPECT_TRUE(enabled(cmd::Undo));

  window->runCommand(cmd::Undo);
  EXPECT_EQ(view()->buffer().samples, before);
  EXPECT_FALSE(enabled(cmd::Undo));
}

TEST_F(EditCommandsTest, ACutWhilePlayingStopsThePlayerFirst) {
  drag(g().graphLeft + 100, g().graphLeft + 300);
  window->runCommand(cmd::Play);
  ASSERT_TRUE(view()->isPlaying());
  ASSERT_TRUE(enabled(cmd::Cut));
  window->runCommand(cmd::Cut);
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_LT(view()->document().sampleCount(), 67100);
}

TEST_F(EditCommandsTest, SelectAllMarksThePaneAndCutIsThenGrayed) {
  ASSERT_TRUE(enabled(cmd::SelectAll));
  window->runCommand(cmd::SelectAll);
  EXPECT_TRUE(view()->hasSelection());
  EXPECT_EQ(view()->document().selection().ordered(), (SampleRange{0, 67100}));
  EXPECT_FALSE(enabled(cmd::Cut));
  EXPECT_TRUE(enabled(cmd::Copy));
  window->runCommand(cmd::Cut);
  EXPECT_EQ(view()->document().sampleCount(), 67100);
}

TEST_F(EditCommandsTest, CopyThenPasteAtAClickInsertsOnce) {
  drag(g().graphLeft + 10, g().graphLeft + 20);
  const SampleRange marked = view()->document().selection().ordered();
  window->runCommand(cmd::Copy);
  EXPECT_FALSE(view()->document().isChanged());
  ASSERT_TRUE(enabled(cmd::Paste));
  window->runCommand(cmd::Paste);
  EXPECT_EQ(view()->document().sampleCount(), 67100 + marked.length());
  EXPECT_FALSE(enabled(cmd::Paste));
  EXPECT_TRUE(enabled(cmd::Undo));
}

TEST_F(EditCommandsTest, SaveChangesWritesTheCutAndTheReopenedFileIsShorterByIt) {
  drag(g().graphLeft + 100, g().graphLeft + 300);
  const int32_t cut = view()->document().selection().length();
  window->runCommand(cmd::Cut);
  ASSERT_TRUE(enabled(cmd::SaveChanges));
  ui.choiceAnswers = {0};  // "Save this File"
  window->runCommand(cmd::SaveChanges);
  EXPECT_FALSE(view()->document().isChanged());
  EXPECT_FALSE(enabled(cmd::SaveChanges));
  view()->closeRecording();
  EXPECT_EQ(ui.choices.size(), 1u) << "a saved recording closes without the question";
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  EXPECT_EQ(view()->document().sampleCount(), 67100 - cut);
}

TEST_F(EditCommandsTest, SaveAsNewFileShowsTheNewNumberAndLeavesTheOldFile) {
  drag(g().graphLeft + 100, g().graphLeft + 300);
  window->runCommand(cmd::Cut);
  ui.choiceAnswers = {1};  // "Save as new File"
  window->runCommand(cmd::SaveChanges);
  EXPECT_EQ(view()->document().recordingNumber(), 2);
  EXPECT_EQ(window->windowTitle(), "Ann  File - 2 - Velmora");
  EXPECT_LT(view()->document().sampleCount(), 67100);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  EXPECT_EQ(view()->document().sampleCount(), 67100);
}

TEST_F(EditCommandsTest, EveryWayOfDroppingAChangedRecordingAsksOnce) {
  writeRecording(clientFile("wv002.wav"), 500);
  const auto cutSomething = [this] {
    drag(g().graphLeft + 100, g().graphLeft + 200);
    window->runCommand(cmd::Cut);
    ASSERT_TRUE(view()->document().isChanged());
  };
  // Opening another recording ("Don´t save": no answer is Escape).
  cutSomething();
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv002.wav"), 2, "Ann"));
  ASSERT_EQ(ui.choices.size(), 1u);
  EXPECT_EQ(ui.choices[0].title, "Save Changes?");
  EXPECT_EQ(view()->document().sampleCount(), 500);

  // Starting a take.
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  EXPECT_EQ(view()->document().sampleCount(), 67100) << "not saved";
  cutSomething();
  recordBuffers(1);
  EXPECT_EQ(ui.choices.size(), 2u);
  stopWithAnswer(false);

  // Leaving the program.
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  cutSomething();
  ui.yesNoAnswers = {true};  // really exit
  window->close();
  EXPECT_EQ(ui.choices.size(), 3u);
}

}  // namespace
}  // namespace velmora::testing
