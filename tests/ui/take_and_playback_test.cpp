// Recording and playback through the real frame and view, on the scripted wave devices:
// takes for a client and for "Other Files", the keep question, the 150-file limit, pausing,
// the sample-rate menu, and playing a recording with its cursor, pause and stop.
#include <gtest/gtest.h>

#include <cmath>
#include <QApplication>
#include <QFocusEvent>
#include <fstream>

#include "audio/block_plan.h"
#include "view/playback_controller.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace velmora::testing;
using TakeAndPlaybackTest = ViewAudioFixture;

TEST_F(TakeAndPlaybackTest, AKeptTakeIsWrittenDatedAndLoaded) {
  EXPECT_TRUE(bar()->recordButton()->isEnabled());
  EXPECT_FALSE(bar()->playButton()->isEnabled());
  recordBuffers(6);
  EXPECT_EQ(window->documentTitle(), "Ann  File - 1");
  EXPECT_EQ(view()->mode(), ModeLiveSpectrogram);
  EXPECT_EQ(view()->takeController()->liveBytes(), 6 * kBufferBytes);
  EXPECT_EQ(view()->display().results().spectrogram().liveColumnCount(), 6);
  EXPECT_TRUE(bar()->recordPauseButton()->isEnabled());
  EXPECT_FALSE(bar()->rateButton()->isEnabled());

  stopWithAnswer(true);
  EXPECT_EQ(ui.countOf(msg::AskKeepTake), 1);
  EXPECT_TRUE(fs::exists(clientFile("wv001.wav")));
  EXPECT_TRUE(fs::exists(clientFile("wv001.ddt")));
  ASSERT_TRUE(view()->hasSamples());
  EXPECT_EQ(view()->buffer().sampleCount(), 6 * kBufferSamples);
  EXPECT_EQ(view()->buffer().samples[0], 0);
  EXPECT_EQ(view()->buffer().samples[1000], 1000);  // the fake's running counter, in order
  EXPECT_EQ(view()->buffer().recordingNumber, 1);
  EXPECT_EQ(view()->mode(), ModeSpectrogram);
  EXPECT_EQ(window->documentTitle(), "Ann  File - 1");
  EXPECT_TRUE(bar()->playButton()->isEnabled());
  EXPECT_FALSE(bar()->recordPauseButton()->isEnabled());
  EXPECT_TRUE(bar()->rateButton()->isEnabled());
}

TEST_F(TakeAndPlaybackTest, ATakeAnsweredNoLeavesNothing) {
  recordBuffers(3);
  stopWithAnswer(false);
  EXPECT_EQ(ui.countOf(msg::AskKeepTake), 1);
  EXPECT_FALSE(fs::exists(clientFile("wv001.wav")));
  EXPECT_FALSE(fs::exists(clientFile("wv001.ddt")));
  EXPECT_FALSE(view()->hasSamples());
  EXPECT_EQ(window->documentTitle(), "Ann");
  EXPECT_FALSE(bar()->playButton()->isEnabled());
  EXPECT_TRUE(bar()->recordButton()->isEnabled());
}

TEST_F(TakeAndPlaybackTest, TheNextTakeTakesTheNextNumberAndTheRateItsPrefix) {
  recordBuffers(2);
  stopWithAnswer(true);
  ASSERT_TRUE(view()->recordRateCommand(40126));
  EXPECT_EQ(recorder.sampleRateHz(), 44100);
  recordBuffers(2);
  EXPECT_EQ(window->documentTitle(), "Ann  File - 2");
  stopWithAnswer(true);
  EXPECT_TRUE(fs::exists(clientFile("qv002.wav")));
  EXPECT_TRUE(fs::exists(clientFile("qv002.ddt")));
  EXPECT_EQ(view()->buffer().sampleRate(), 44100u);
  EXPECT_FALSE(view()->recordRateCommand(12345));
}

TEST_F(TakeAndPlaybackTest, AFullClientCannotRecord) {
  for (int n = 1; n <= 150; ++n) {
    std::ofstream f(clientFile(formatv("wv%03d.wav", n)));
  }
  window->runCommand(cmd::Record);
  EXPECT_EQ(ui.countOf(57713), 1);
  EXPECT_EQ(in.countOf("open"), 0);
  EXPECT_FALSE(view()->isRecording());
  EXPECT_EQ(view()->mode(), ModeEmpty);
  EXPECT_FALSE(window->action(cmd::Record)->isEnabled());
}

TEST_F(TakeAndPlaybackTest, WhatIsCapturedWhilePausedIsNotKept) {
  recordBuffers(2);
  view()->recordPauseCommand();
  EXPECT_TRUE(view()->takeController()->isPaused());
  EXPECT_EQ(in.fill(3), 3);
  in.deliver();
  view()->recordPauseCommand();
  EXPECT_FALSE(view()->takeController()->isPaused());
  EXPECT_EQ(in.fill(1), 1);
  in.deliver();
  EXPECT_EQ(view()->takeController()->liveBytes(), 3 * kBufferBytes);
  stopWithAnswer(true);
  ASSERT_TRUE(view()->hasSamples());
  EXPECT_EQ(view()->buffer().sampleCount(), 3 * kBufferSamples);
  // The third kept buffer follows the paused ones in the counter, not the second.
  EXPECT_EQ(view()->buffer().samples[2 * kBufferSamples], 5 * kBufferSamples);
}

TEST_F(TakeAndPlaybackTest, TheBarsRecordButtonLocksTheUpdateRateForTheTake) {
  QComboBox* rate = view()->spectrogramBar()->updateRateCombo();
  bar()->recordButton()->click();
  ASSERT_TRUE(view()->isRecording());
  EXPECT_FALSE(rate->isEnabled());
  in.deliver();
  in.fill(1);
  in.deliver();
  ui.yesNoAnswers = {true};
  bar()->recordButton()->click();
  EXPECT_FALSE(view()->isRecording());
  EXPECT_TRUE(rate->isEnabled());
  EXPECT_TRUE(fs::exists(clientFile("wv001.wav")));
}

TEST_F(TakeAndPlaybackTest, OtherFilesTakesGoThroughTheSaveDialog) {
  ASSERT_TRUE(window->openOtherFiles());
  const fs::path chosen = folder / "Other Files" / "mine.wav";
  ui.fileAnswers = {chosen};
  recordBuffers(2);
  EXPECT_EQ(view()->takeController()->target(), folder / "Other Files" / "grav.tmp");
  window->runCommand(cmd::Record);
  ASSERT_EQ(ui.fileRequests.size(), 1u);
  EXPECT_EQ(ui.fileRequests[0].defaultExtension, "wav");
  EXPECT_EQ(ui.fileRequests[0].startFolder, folder / "Other Files");
  EXPECT_EQ(ui.countOf(msg::AskKeepTake), 0);
  EXPECT_TRUE(fs::exists(chosen));
  EXPECT_TRUE(fs::exists(folder / "Other Files" / "mine.ddt"));
  EXPECT_FALSE(fs::exists(folder / "Other Files" / "grav.tmp"));
  ASSERT_TRUE(view()->hasSamples());
  EXPECT_EQ(view()->buffer().sampleCount(), 2 * kBufferSamples);
}

TEST_F(TakeAndPlaybackTest, AnOtherFilesTakeCancelledAtTheDialogLeavesNoFile) {
  ASSERT_TRUE(window->openOtherFiles());
  ui.fileAnswers = {std::nullopt};
  recordBuffers(2);
  window->runCommand(cmd::Record);
  EXPECT_FALSE(view()->hasSamples());
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(folder / "Other Files")) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 0u);
}

TEST_F(TakeAndPlaybackTest, PlayingTheWholeRecordingMovesTheCursorUntilStopped) {
  writeRecording(clientFile("wv001.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  ASSERT_TRUE(bar()->playButton()->isEnabled());
  window->runCommand(cmd::Play);
  ASSERT_TRUE(view()->isPlaying());
  ASSERT_FALSE(out.writtenBytes.empty());
  EXPECT_EQ(out.writtenBytes[0], 3000u);  // the lead block
  EXPECT_TRUE(bar()->playPauseButton()->isEnabled());
  EXPECT_FALSE(bar()->recordButton()->isEnabled());
  EXPECT_EQ(view()->mode(), ModeLiveSpectrogram);  // the played blocks scroll by as in a take
  out.deliver();
  EXPECT_EQ(out.complete(2), 2);
  out.deliver();
  EXPECT_EQ(view()->display().results().spectrogram().liveColumnCount(), 2);
  EXPECT_GT(view()->display().playCursor(), 1500);
  EXPECT_GT(view()->display().playCursorX(), view()->geometry().graphLeft);

  view()->playPauseCommand();
  EXPECT_TRUE(out.paused);
  view()->playPauseCommand();
  EXPECT_FALSE(out.paused);

  window->runCommand(cmd::Play);  // Play while playing stops
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_EQ(view()->mode(), ModeSpectrogram);
  EXPECT_FALSE(view()->scene().spectrogram.isNull());  // the file's picture is back
  EXPECT_EQ(view()->display().playCursor(), -1);
  EXPECT_FALSE(bar()->playPauseButton()->isEnabled());
  EXPECT_TRUE(bar()->recordButton()->isEnabled());
  EXPECT_TRUE(bar()->playButton()->isEnabled());
}

TEST_F(TakeAndPlaybackTest, AMarkedSelectionPlaysAsOneBlock) {
  writeRecording(clientFile("wv001.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  view()->document().select(1100, 100);
  bar()->playButton()->click();
  ASSERT_TRUE(view()->isPlaying());
  ASSERT_EQ(out.writtenBytes.size(), 1u);
  EXPECT_EQ(out.writtenBytes[0], 2000u);
  EXPECT_EQ(view()->mode(), ModeSpectrogram);
  EXPECT_EQ(out.writtenData[0], reinterpret_cast<const char*>(view()->buffer().samples.data() + 100));
  out.playToEnd();
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_EQ(view()->display().playCursor(), -1);
}

TEST_F(TakeAndPlaybackTest, RecordingStopsPlaybackFirst) {
  writeRecording(clientFile("wv001.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  view()->playCommand();
  ASSERT_TRUE(view()->isPlaying());
  view()->recordCommand();
  EXPECT_GE(out.countOf("reset"), 1);
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_TRUE(view()->isRecording());
  EXPECT_FALSE(view()->hasSamples());
  EXPECT_EQ(window->documentTitle(), "Ann  File - 2");
  stopWithAnswer(false);
  EXPECT_FALSE(fs::exists(clientFile("wv002.wav")));
  EXPECT_TRUE(fs::exists(clientFile("wv001.wav")));
}


TEST_F(TakeAndPlaybackTest, AFailedStartDisablesTheRecordButton) {
  in.failNext("open", WaveResult::BadDevice);
  window->runCommand(cmd::Record);
  EXPECT_FALSE(view()->isRecording());
  EXPECT_FALSE(bar()->recordButton()->isEnabled());
  EXPECT_FALSE(bar()->recordPauseButton()->isEnabled());
  EXPECT_FALSE(ui.shown.empty());  // the device's error text
}

TEST_F(TakeAndPlaybackTest, APowerSpectrumTakeFeedsTheLiveSpectrumAtItsBarsUpdateRate) {
  window->runCommand(cmd::PowerSpectrum);
  recordBuffers(3);
  EXPECT_EQ(view()->mode(), ModeLivePowerSpectrum);
  // The power bar's default entry (7.0 ms): 11025 / 60 x 7 = 1286 bytes.
  EXPECT_EQ(view()->takeController()->liveBytes(), 3 * 1286);
  EXPECT_TRUE(view()->display().results().power().hasData());
  stopWithAnswer(true);
  EXPECT_EQ(view()->mode(), ModePowerSpectrum);
}

TEST_F(TakeAndPlaybackTest, ANewBufferSizeMidTakeRestartsCaptureWithIt) {
  recordBuffers(2);
  window->runCommand(cmd::Buffer600);
  EXPECT_EQ(in.countOf("reset"), 1);
  in.deliver();
  ASSERT_EQ(in.fill(1), 1);
  in.deliver();
  EXPECT_EQ(view()->takeController()->liveBytes(), 2 * kBufferBytes + 600);
  stopWithAnswer(true);
  EXPECT_EQ(view()->buffer().sampleCount(), kBufferSamples * 2 + 300);
}

TEST_F(TakeAndPlaybackTest, ThePlayCursorIsDrawnInvertedOverThePanes) {
  writeRecording(clientFile("wv001.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  view()->playCommand();
  out.deliver();
  ASSERT_EQ(out.complete(5), 5);
  out.deliver();
  view()->resize(1024, 700);
  const int x = view()->display().playCursorX();
  ASSERT_GT(x, view()->geometry().graphLeft);
  const int y = static_cast<int>((view()->geometry().waveTop + 2) * view()->geometry().verticalStretch());
  const QImage with = view()->renderImage();
  view()->playCommand();
  const QImage without = view()->renderImage();
  EXPECT_NE(with.pixel(x, y), without.pixel(x, y));
  EXPECT_EQ(with.pixel(x + 3, y), without.pixel(x + 3, y));
}

TEST_F(TakeAndPlaybackTest, ANewUpdateRateWhilePlayingCarriesOnFromThePlayPosition) {
  writeRecording(clientFile("wv001.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  setInputBufferBytes(2048);
  view()->playCommand();
  out.deliver();
  ASSERT_EQ(out.complete(3), 3);
  out.deliver();
  const int64_t position = view()->display().playCursor();
  ASSERT_GT(position, 1500 + 2 * 1000);
  const size_t before = out.writtenBytes.size();
  QComboBox* rate = view()->spectrogramBar()->updateRateCombo();
  rate->setCurrentIndex(0);
  emit rate->activated(0);  // 1.0 ms: 11025 / 60 = 183 bytes, blocks of 91 samples
  EXPECT_EQ(out.countOf("reset"), 1);
  ASSERT_TRUE(view()->isPlaying());
  ASSERT_GT(out.writtenBytes.size(), before + 1);
  EXPECT_EQ(out.writtenData[before], reinterpret_cast<const char*>(view()->buffer().samples.data() + position));
  BlockPlayRequest request;
  request.startSample = position;
  request.lengthSamples = 11025 - position;
  request.blockSamples = 91;
  const std::optional<BlockPlan> plan = planBlocks(request);
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(out.writtenBytes[before + 1], static_cast<uint32_t>(plan->lengthOf(1) * 2));
  EXPECT_LT(plan->lengthOf(1), 100);
  EXPECT_TRUE(bar()->playPauseButton()->isEnabled());
  out.playToEnd();
  EXPECT_FALSE(view()->isPlaying());
}

TEST_F(TakeAndPlaybackTest, ClosingTheRecordingStopsItsPlaybackFirst) {
  writeRecording(clientFile("wv001.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  view()->playCommand();
  ASSERT_TRUE(view()->isPlaying());
  view()->closeRecording();
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_FALSE(player.isOpen());
  EXPECT_EQ(out.countOf("reset"), 1);
  EXPECT_FALSE(bar()->playButton()->isEnabled());
}

TEST_F(TakeAndPlaybackTest, AWindowDestroyedWhilePlayingStopsThePlayerFirst) {
  writeRecording(clientFile("wv001.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  view()->playCommand();
  ASSERT_TRUE(player.isOpen());
  window.reset();
  EXPECT_FALSE(player.isOpen());
  EXPECT_EQ(out.countOf("reset"), 1);
}

TEST_F(TakeAndPlaybackTest, PlayingInThePowerSpectrumModeFeedsTheSpectrumAndThenShowsTheFilesAgain) {
  writeRecording(clientFile("wv001.wav"), 11025);
  window->runCommand(cmd::PowerSpectrum);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  ASSERT_EQ(view()->mode(), ModePowerSpectrum);
  setInputBufferBytes(2048);
  view()->playCommand();
  EXPECT_EQ(view()->mode(), ModeLivePowerSpectrum);
  out.deliver();
  ASSERT_EQ(out.complete(2), 2);
  out.deliver();
  EXPECT_GE(view()->display().results().power().averageCount(), 1);
  out.playToEnd();
  EXPECT_FALSE(view()->isPlaying());
  EXPECT_EQ(view()->mode(), ModePowerSpectrum);
  // The file's spectrum is computed again on a worker.
  view()->display().finishAnalyses();
  EXPECT_NE(view()->scene().power, nullptr);
}

TEST_F(TakeAndPlaybackTest, WithTheF0BoxTickedPlaybackShowsTheContoursValueAtThePlayPosition) {
  std::vector<int16_t> buzz(22050);
  for (size_t i = 0; i < buzz.size(); ++i) {
    const double t = static_cast<double>(i) / 11025;
    double s = 0;
    for (int h = 1; h <= 4; ++h) s += std::sin(2 * M_PI * 200.0 * h * t) / h;
    buzz[i] = static_cast<int16_t>(8000 * s);
  }
  ASSERT_TRUE(writeWavFile(clientFile("wv001.wav"), WaveFormat::pcm(11025), buzz.data(), buzz.size() * 2));
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  view()->spectrogramBar()->f0Box()->setChecked(true);
  view()->display().finishAnalyses();  // the contour is computed off the UI thread
  setInputBufferBytes(2048);
  view()->playCommand();
  out.deliver();
  ASSERT_EQ(out.complete(6), 6);
  out.deliver();
  EXPECT_NEAR(view()->display().f0Readout(), 200.0f, 10.0f);
  view()->playCommand();
  EXPECT_EQ(view()->display().f0Readout(), 0.0f);
}

TEST_F(TakeAndPlaybackTest, ABarListWithTheFocusHoldsTheTakeUntilItLeaves) {
  recordBuffers(2);
  QComboBox* band = view()->spectrogramBar()->bandCombo();
  QFocusEvent in_(QEvent::FocusIn);
  QApplication::sendEvent(band, &in_);
  EXPECT_TRUE(view()->takeController()->isPaused());
  ASSERT_EQ(in.fill(2), 2);
  in.deliver();
  QFocusEvent out_(QEvent::FocusOut);
  QApplication::sendEvent(band, &out_);
  EXPECT_FALSE(view()->takeController()->isPaused());
  ASSERT_EQ(in.fill(1), 1);
  in.deliver();
  EXPECT_EQ(view()->takeController()->liveBytes(), 3 * kBufferBytes);
  stopWithAnswer(false);
}

TEST_F(TakeAndPlaybackTest, TheUpdateRateListWithTheFocusPausesPlaybackUntilItLeaves) {
  writeRecording(clientFile("wv001.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  view()->playCommand();
  QComboBox* rate = view()->spectrogramBar()->updateRateCombo();
  QFocusEvent in_(QEvent::FocusIn);
  QApplication::sendEvent(rate, &in_);
  EXPECT_TRUE(out.paused);
  QFocusEvent toDropDown(QEvent::FocusOut, Qt::PopupFocusReason);  // the list opens
  QApplication::sendEvent(rate, &toDropDown);
  EXPECT_TRUE(out.paused);
  QFocusEvent out_(QEvent::FocusOut);
  QApplication::sendEvent(rate, &out_);
  EXPECT_FALSE(out.paused);
  EXPECT_TRUE(view()->isPlaying());
}

}  // namespace
}  // namespace velmora
