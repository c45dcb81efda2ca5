// A second recording beside the open one: the Comparison menu's enabling, the compared file
// replaced in place with its Compare window where the last one stood, the limits offered
// for its rate, both pane sets on the real widget, Play playing the compared file, models
// saved over without a question, and the comparison closing with the main recording.
#include <QComboBox>
#include <QImage>
#include <QToolButton>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "clients/recording_names.h"
#include "dialogs/client_commands.h"
#include "view/compare_window.h"
#include "view/comparison_pane.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ComparisonTest : public ViewAudioFixture {
 protected:
  void SetUp() override {
    ViewAudioFixture::SetUp();
    clients = std::make_unique<ClientCommands>(*window, ui, folder.path());
    clients->install();
  }
  void TearDown() override {
    window.reset();
    clients.reset();
    ViewAudioFixture::TearDown();
  }
  std::unique_ptr<ClientCommands> clients;
  void writeTone(const std::filesystem::path& path, int rate, int samples, int step) {
    std::vector<int16_t> v(static_cast<size_t>(samples));
    for (int i = 0; i < samples; ++i) v[static_cast<size_t>(i)] = static_cast<int16_t>((i * step) % 20000 - 10000);
    ASSERT_TRUE(writeWavFile(path, WaveFormat::pcm(static_cast<uint32_t>(rate)), v.data(), v.size() * 2));
  }
  void openMain() {
    writeRecording(clientFile("wv001.wav"), 11025);
    ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  }
  bool enabled(int id) {
    window->updateCommandStates();
    return window->action(id)->isEnabled();
  }
};

TEST_F(ComparisonTest, MenuFollowsSamplesAndAnOpenComparison) {
  for (int id : {cmd::CompareWithFile, cmd::OpenModel, cmd::SaveAsModel, cmd::CloseComparison})
    EXPECT_FALSE(enabled(id)) << id;
  openMain();
  for (int id : {cmd::CompareWithFile, cmd::OpenModel, cmd::SaveAsModel}) EXPECT_TRUE(enabled(id)) << id;
  EXPECT_FALSE(enabled(cmd::CloseComparison));
  writeTone(clientFile("wv002.wav"), 11025, 8000, 7);
  ASSERT_TRUE(view()->compareWith(clientFile("wv002.wav"), ComparedKind::ClientFile, 2));
  EXPECT_TRUE(enabled(cmd::CloseComparison));
  EXPECT_EQ(view()->comparison()->document().recordingNumber(), 2);
  window->runCommand(cmd::CloseComparison);
  EXPECT_FALSE(view()->hasComparison());
  EXPECT_FALSE(enabled(cmd::CloseComparison));
  EXPECT_TRUE(view()->hasSamples());
}

TEST_F(ComparisonTest, ASecondFileReplacesTheFirstAndItsWindowReturnsToThePlace) {
  openMain();
  writeTone(clientFile("wv002.wav"), 11025, 8000, 7);
  ASSERT_TRUE(view()->compareWith(clientFile("wv002.wav"), ComparedKind::ClientFile, 2));
  QPointer<CompareWindow> first = view()->comparison()->window();
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->isVisible());
  first->move(123, 234);
  const QPoint place = first->pos();

  const auto other = folder / "wide.wav";
  writeTone(other, 22050, 9000, 11);
  ASSERT_TRUE(view()->compareWith(other, ComparedKind::OutsideFile));
  EXPECT_TRUE(first.isNull());
  CompareWindow* second = view()->comparison()->window();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->pos(), place);
  EXPECT_EQ(view()->comparison()->document().sampleRate(), 22050);
  EXPECT_EQ(view()->comparison()->document().recordingNumber(), kNoRecordingNumber);
  // The limits of a 22050 Hz file, the third one chosen and in force on the comparison.
  QComboBox* list = second->limitList();
  ASSERT_EQ(list->count(), 4);
  const char* texts[] = {"2756 Hz   ", "5512 Hz   ", "7350 Hz   ", "11025 Hz   "};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list->itemText(i).toStdString(), texts[i]);
  EXPECT_EQ(list->currentIndex(), 2);
  EXPECT_NEAR(view()->comparison()->display().scene().spectrogramTopHz, 7350.0, 1.0);
  // The main recording's spectrogram keeps its own limit.
  EXPECT_NEAR(view()->display().scene().spectrogramTopHz, 5512.5, 1.0);
  list->setCurrentIndex(0);
  emit list->activated(0);
  EXPECT_NEAR(view()->comparison()->display().scene().spectrogramTopHz, 2756.0, 1.0);
}

TEST_F(ComparisonTest, ARefusedFileClosesTheComparison) {
  openMain();
  writeTone(clientFile("wv002.wav"), 11025, 8000, 7);
  ASSERT_TRUE(view()->compareWith(clientFile("wv002.wav"), ComparedKind::ClientFile, 2));
  const auto odd = folder / "odd.wav";
  writeTone(odd, 8000, 4000, 3);
  EXPECT_FALSE(view()->compareWith(odd, ComparedKind::Model));
  EXPECT_EQ(ui.shownIds().back(), msg::RateNotSupported);
  EXPECT_FALSE(view()->hasComparison());
  EXPECT_TRUE(view()->hasSamples());
}

TEST_F(ComparisonTest, BothPaneSetsAreDrawnEitherSideOfTheSplit) {
  openMain();
  view()->display().setShowSpectrogram(false);  // white panes: only the frames are dark
  writeTone(clientFile("wv002.wav"), 11025, 8000, 7);
  ASSERT_TRUE(view()->compareWith(clientFile("wv002.wav"), ComparedKind::ClientFile, 2));
  const ViewGeometry& g = view()->geometry();
  const QImage image = view()->grab().toImage();
  const PaneMapping left = mainPaneMapping(g);
  const PaneMapping right = comparisonPaneMapping(g);
  const auto deviceX = [](const PaneMapping& m, int x) {
    return static_cast<int>(std::lround((x - m.windowOriginX) * m.scaleX));
  };
  const int midY = static_cast<int>((g.spectralTop + 150 - left.windowOriginY) * left.scaleY);
  const auto darkNear = [&](int x) {
    for (int d : {0, -1, 1})
      if (qGray(image.pixel(x + d, midY)) < 90) return true;
    return false;
  };
  const int mainLeft = deviceX(left, g.graphLeft);
  const int mainRight = deviceX(left, g.graphLeft + g.graphWidth + 1);
  const int compLeft = deviceX(right, g.graphLeft);
  EXPECT_TRUE(darkNear(mainLeft));
  EXPECT_TRUE(darkNear(mainRight));
  EXPECT_TRUE(darkNear(compLeft));
  EXPECT_LT(mainRight, comparisonSplitX(g));
  EXPECT_GT(compLeft, comparisonSplitX(g));
  // Inside each spectral frame: white.
  EXPECT_GT(qGray(image.pixel(mainLeft + 100, midY)), 200);
  EXPECT_GT(qGray(image.pixel(compLeft + 100, midY)), 200);
  // Without the comparison the main frame is back at full size.
  view()->closeComparison();
  const QImage alone = view()->grab().toImage();
  const int fullY = static_cast<int>((g.spectralTop + 150) * g.verticalStretch());
  EXPECT_LT(qGray(alone.pixel(g.graphLeft, fullY)), 90);
}

TEST_F(ComparisonTest, PlayInTheCompareWindowPlaysTheComparedFile) {
  openMain();
  writeTone(clientFile("wv002.wav"), 11025, 8000, 7);
  ASSERT_TRUE(view()->compareWith(clientFile("wv002.wav"), ComparedKind::ClientFile, 2));
  const std::vector<int16_t>& compared = view()->comparison()->document().sound().samples;
  view()->comparison()->window()->playButton()->click();
  ASSERT_TRUE(view()->comparison()->isPlaying());
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_TRUE(view()->comparison()->window()->pauseButton()->isEnabled());
  ASSERT_FALSE(out.writtenBytes.empty());
  EXPECT_EQ(out.writtenBytes.front(), compared.size() * 2);
  EXPECT_EQ(std::memcmp(out.writtenData.front(), compared.data(), compared.size() * 2), 0);
  out.playToEnd();
  EXPECT_FALSE(view()->comparison()->isPlaying());
  EXPECT_FALSE(view()->comparison()->window()->pauseButton()->isEnabled());
}

TEST_F(ComparisonTest, SavingAModelOverAnExistingOneReplacesItWithoutAsking) {
  openMain();
  const auto models = modelsFolder(folder.path());
  std::filesystem::create_directory(models);
  const auto model = models / "healthy.wav";
  writeTone(model, 22050, 3000, 5);
  ui.fileAnswers = {model};
  const size_t asked = ui.asked.size();
  window->runCommand(cmd::SaveAsModel);
  EXPECT_TRUE(fileBytes(model) == fileBytes(clientFile("wv001.wav")));
  ASSERT_EQ(ui.asked.size(), asked + 1);  // the save dialog only: no question, no message
  EXPECT_EQ(ui.fileRequests.back().startFolder, models);
  EXPECT_FALSE(ui.fileRequests.back().confirmOverwrite);

  // The model opens beside the recording as a model.
  ui.fileAnswers = {model};
  window->runCommand(cmd::OpenModel);
  ASSERT_TRUE(view()->hasComparison());
  EXPECT_EQ(view()->comparison()->document().recordingNumber(), kModelRecordingNumber);

  // Opening another main recording closes the comparison first.
  writeRecording(clientFile("wv003.wav"), 6000);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv003.wav"), 3, "Ann"));
  EXPECT_FALSE(view()->hasComparison());
}

TEST_F(ComparisonTest, AFailedModelCopyLeavesTheModelWholeAndSaysSo) {
  openMain();
  const auto models = modelsFolder(folder.path());
  std::filesystem::create_directory(models);
  const auto model = models / "healthy.wav";
  writeTone(model, 22050, 3000, 5);
  const std::string before = fileBytes(model);
  // The recording's file is gone: nothing can be copied.
  std::filesystem::remove(clientFile("wv001.wav"));
  ui.fileAnswers = {model};
  window->runCommand(cmd::SaveAsModel);
  EXPECT_EQ(ui.shownIds().back(), msg::ModelNotSaved);
  EXPECT_TRUE(fileBytes(model) == before);
}

}  // namespace
}  // namespace velmora
