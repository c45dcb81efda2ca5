// A second recording beside the open one: the Comparison menu's enabling, the compared file
// replaced in place with its Compare window where the last one stood, the limits offered
// for its rate, both pane sets on the real widget, Play playing the compared file with its
// own cursor, the mouse right of the split reading and marking the compared file, models
// saved over without a question, and the comparison closing with the main recording.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QMouseEvent>
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
  // On a 768-pixel screen it first stands above the comparison's header band, right of the split.
  const ViewGeometry& g = view()->geometry();
  const PaneMapping c = comparisonPaneMapping(g);
  const QPoint firstPlace = view()->mapFromGlobal(first->pos());
  EXPECT_GT(firstPlace.x(), comparisonSplitX(g));
  EXPECT_LT(firstPlace.y() + first->height(), (g.infoTop - c.windowOriginY) * c.scaleY);
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

// A 1280 x 1024 screen: the large layout moved down by its vertical offset.
class TallScreenComparisonTest : public ComparisonTest {
 protected:
  void SetUp() override {
    settings.screenWidth = 1280;
    settings.screenHeight = 1024;
    ComparisonTest::SetUp();
    window->resize(1280, 1000);
  }
};

TEST_F(TallScreenComparisonTest, EachHeaderBandAndInformationBlockLieOverTheirOwnPanes) {
  openMain();
  writeTone(clientFile("wv002.wav"), 11025, 8000, 7);
  ASSERT_TRUE(view()->compareWith(clientFile("wv002.wav"), ComparedKind::ClientFile, 2));
  const ViewGeometry& g = view()->geometry();
  ASSERT_GT(g.verticalOffset(), 0);
  // There is room under the panes on this screen: the Compare window stands there.
  const PaneMapping c = comparisonPaneMapping(g);
  const QPoint place = view()->mapFromGlobal(view()->comparison()->window()->pos());
  EXPECT_GT(place.x(), comparisonSplitX(g));
  EXPECT_GT(place.y(), (g.waveBottom() - c.windowOriginY) * c.scaleY);
  const QImage image = view()->grab().toImage();
  const int bandTop = g.infoTop + g.verticalOffset();
  const int right = g.graphLeft + g.graphWidth;
  for (const PaneMapping& m : {mainPaneMapping(g), comparisonPaneMapping(g)}) {
    const auto gray = [&](int x, int y) {
      return qGray(image.pixel(static_cast<int>(std::lround((x - m.windowOriginX) * m.scaleX)),
                               static_cast<int>(std::lround((y - m.windowOriginY) * m.scaleY))));
    };
    // Dark pixels among the logical columns x0..x1 and rows y0..y1.
    const auto ink = [&](int x0, int x1, int y0, int y1) {
      for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
          if (gray(x, y) < 110) return true;
      return false;
    };
    // The band: button face over this pane set's columns only, moved down with its panes.
    EXPECT_NEAR(gray(g.graphLeft + 20, bandTop + 52), 240, 4);
    EXPECT_NEAR(gray(right - 20, bandTop + 52), 240, 4);
    EXPECT_GT(gray(g.graphLeft - 8, bandTop + 52), 250);
    EXPECT_GT(gray(right + 8, bandTop + 52), 250);
    EXPECT_GT(gray(g.graphLeft + 20, bandTop - 8), 250);
    // "Time:" begins 10 pixels into the band.
    EXPECT_TRUE(ink(g.graphLeft + 10, g.graphLeft + 40, bandTop + 20, bandTop + 44));
    EXPECT_FALSE(ink(g.graphLeft + 3, g.graphLeft + 7, bandTop + 20, bandTop + 44));
    // The information block 310 pixels left of the panes' right edge: the file's line 15
    // pixels over the format's, with nothing between it and the duration.
    EXPECT_TRUE(ink(right - 310, right - 290, bandTop + 31, bandTop + 42));
    EXPECT_TRUE(ink(right - 310, right - 290, bandTop + 16, bandTop + 27));
    EXPECT_FALSE(ink(right - 340, right - 314, bandTop + 16, bandTop + 42));
  }
}

TEST_F(ComparisonTest, PlayInTheCompareWindowPlaysTheComparedFileWithItsOwnCursor) {
  openMain();
  writeTone(clientFile("wv002.wav"), 11025, 8000, 7);
  ASSERT_TRUE(view()->compareWith(clientFile("wv002.wav"), ComparedKind::ClientFile, 2));
  const std::vector<int16_t>& compared = view()->comparison()->document().sound().samples;
  view()->comparison()->window()->playButton()->click();
  ASSERT_TRUE(view()->comparison()->isPlaying());
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_TRUE(view()->comparison()->window()->pauseButton()->isEnabled());
  ASSERT_FALSE(out.writtenBytes.empty());
  EXPECT_EQ(out.writtenBytes.front(), 3000u);  // the lead block: nothing is marked, the whole file plays
  out.deliver();
  ASSERT_EQ(out.complete(4), 4);
  out.deliver();
  const ComparisonPane& pane = *view()->comparison();
  EXPECT_GT(pane.display().playCursor(), 1500);
  EXPECT_EQ(view()->display().playCursor(), -1);  // the main pane's cursor does not move

  // The inverted column crosses the comparison's waveform pane where its mapping puts it.
  const ViewGeometry& g = view()->geometry();
  const PaneMapping m = comparisonPaneMapping(g);
  const int cursorX = static_cast<int>(std::lround((pane.display().playCursorX() - m.windowOriginX) * m.scaleX));
  const int y = static_cast<int>((g.waveTop + 3 - m.windowOriginY) * m.scaleY);
  ASSERT_GT(cursorX, comparisonSplitX(g));
  const auto darkAround = [&](const QImage& image, int x) {
    for (int d : {-1, 0, 1})
      if (qGray(image.pixel(x + d, y)) < 90) return true;
    return false;
  };
  const QImage playing = view()->grab().toImage();
  EXPECT_TRUE(darkAround(playing, cursorX));
  EXPECT_FALSE(darkAround(playing, cursorX + 8));

  // Every block comes from the compared file, in order, to its end.
  out.playToEnd();
  EXPECT_FALSE(view()->comparison()->isPlaying());
  EXPECT_FALSE(view()->comparison()->window()->pauseButton()->isEnabled());
  size_t offset = 0;
  for (size_t i = 0; i < out.writtenBytes.size(); ++i) {
    EXPECT_EQ(out.writtenData[i], reinterpret_cast<const char*>(compared.data() + offset)) << i;
    offset += out.writtenBytes[i] / 2;
  }
  EXPECT_EQ(offset, compared.size());
  EXPECT_EQ(pane.display().playCursor(), -1);
  EXPECT_FALSE(darkAround(view()->grab().toImage(), cursorX));
}

TEST_F(ComparisonTest, TheMouseRightOfTheSplitReadsAndMarksTheComparedRecording) {
  openMain();  // 11025 Hz, one second
  const auto other = folder / "wide.wav";
  writeTone(other, 22050, 33075, 11);  // 1.5 s, shown up to 7350 Hz
  ASSERT_TRUE(view()->compareWith(other, ComparedKind::OutsideFile));
  const ViewGeometry& g = view()->geometry();
  const PaneMapping m = comparisonPaneMapping(g);
  // The device point inside the pixel that the comparison's mapping gives a logical point.
  const auto device = [&](int x, int y) {
    return QPointF((x - m.windowOriginX + 0.5) * m.scaleX, (y - m.windowOriginY + 0.5) * m.scaleY);
  };
  const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, view()->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(view(), &e);
  };

  // Half way across and up the comparison's spectrogram: its frequency and time, not the main's.
  send(QEvent::MouseMove, device(g.graphLeft + g.graphWidth / 2, g.spectralTop + g.spectralHeight / 2), Qt::NoButton);
  const std::optional<PointerReadout>& box = view()->comparison()->pointer().readout();
  ASSERT_TRUE(box.has_value());
  EXPECT_NE(box->text.find("3675,00 Hz"), std::string::npos) << box->text;
  EXPECT_NE(box->text.find("0,75 s"), std::string::npos) << box->text;
  EXPECT_FALSE(view()->pointer().readout().has_value());
  EXPECT_EQ(view()->cursor().shape(), Qt::CrossCursor);

  // A drag over its waveform pane marks a stretch of the compared file; the main keeps none.
  send(QEvent::MouseButtonPress, device(g.graphLeft + 400, g.waveTop + 30), Qt::LeftButton);
  send(QEvent::MouseMove, device(g.graphLeft + 600, g.waveTop + 30), Qt::LeftButton);
  // Released past the split the drag still belongs to the comparison, held at its pane's
  // left edge.
  const QPointF leftOfSplit(comparisonSplitX(g) - 40, 500);
  send(QEvent::MouseMove, leftOfSplit, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, leftOfSplit, Qt::NoButton);
  EXPECT_FALSE(view()->comparison()->pointer().selection().dragging());
  const SampleRange marked = view()->comparison()->document().selection();
  const double perColumn = 33075.0 / g.graphWidth;
  EXPECT_EQ(marked.start, 0);
  EXPECT_NEAR(marked.end, 400 * perColumn, perColumn);
  EXPECT_FALSE(view()->document().hasSelection());
  EXPECT_FALSE(view()->hasSelection());

  // The Compare window's Play plays that stretch of the compared file as one block.
  view()->comparison()->window()->playButton()->click();
  ASSERT_EQ(out.writtenBytes.size(), 1u);
  EXPECT_EQ(out.writtenBytes[0], static_cast<uint32_t>(marked.length() * 2));
  EXPECT_EQ(out.writtenData[0],
            reinterpret_cast<const char*>(view()->comparison()->document().sound().samples.data() + marked.start));
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
