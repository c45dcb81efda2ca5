// A long file is read off the UI thread: the open returns with the view empty, the recording
// appears when it is read with the same checks and state as a direct open, and a read that
// something else overtook never shows. Every file here is read in the background (limit 0).
#include <gtest/gtest.h>

#include <QTest>

#include "view/document_controller.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace velmora::testing;

class BackgroundReadTest : public ViewAudioFixture {
 protected:
  void SetUp() override {
    ViewAudioFixture::SetUp();
    view()->documents().setBackgroundReadBytes(0);
  }
  bool waitForRead() {
    return QTest::qWaitFor([this] { return !view()->documents().isReading(); }, 10000);
  }
  fs::path writeFile(const std::string& name, const std::vector<int16_t>& samples, uint32_t rate,
                     uint16_t channels = 1) {
    const fs::path path = folder / name;
    EXPECT_TRUE(writeWavFile(path, WaveFormat::pcm(rate, 16, channels), samples.data(), samples.size() * 2));
    return path;
  }
  static std::vector<int16_t> ramp(int count, int step) {
    std::vector<int16_t> v(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) v[static_cast<size_t>(i)] = static_cast<int16_t>((i * step) % 30000);
    return v;
  }
};

TEST_F(BackgroundReadTest, AKeptTakeIsReadBackAndThenShownPlayableUnderItsTitle) {
  recordBuffers(6);
  stopWithAnswer(true);
  // The take's file is read again in the background: nothing to play until it is there.
  EXPECT_TRUE(view()->documents().isReading());
  EXPECT_FALSE(view()->hasSamples());
  EXPECT_EQ(window->documentTitle(), "Ann  File - 1");
  ASSERT_TRUE(waitForRead());
  ASSERT_TRUE(view()->hasSamples());
  EXPECT_EQ(view()->buffer().sampleCount(), 6 * kBufferSamples);
  EXPECT_EQ(view()->buffer().samples[1000], 1000);
  EXPECT_EQ(view()->buffer().recordingNumber, 1);
  EXPECT_EQ(view()->mode(), ModeSpectrogram);
  EXPECT_FALSE(view()->scene().spectrogram.isNull());
  EXPECT_TRUE(bar()->playButton()->isEnabled());
  EXPECT_TRUE(window->action(cmd::Play)->isEnabled());
}

TEST_F(BackgroundReadTest, AFileByPathGetsTheSameChecksAfterItsRead) {
  ASSERT_TRUE(window->openOtherFiles());
  std::vector<int16_t> stereo(2 * 30000);
  for (size_t i = 0; i < stereo.size(); i += 2) {
    stereo[i] = 100;
    stereo[i + 1] = static_cast<int16_t>(i % 20000);
  }
  const fs::path twoChannels = writeFile("two.wav", stereo, 22050, 2);
  ui.choiceAnswers = {1};  // the right channel
  ASSERT_TRUE(view()->openRecordingByPath(twoChannels));
  EXPECT_TRUE(ui.choices.empty()) << "asked before the file was read";
  ASSERT_TRUE(waitForRead());
  ASSERT_EQ(ui.choices.size(), 1u);
  ASSERT_EQ(view()->buffer().sampleCount(), 30000);
  EXPECT_EQ(view()->buffer().samples[5], 10);
  EXPECT_TRUE(view()->buffer().wasStereo);
  EXPECT_EQ(window->documentTitle(), "File - two.wav");

  // A rate the program does not show: said so, and the view is left empty.
  ASSERT_TRUE(view()->openRecordingByPath(writeFile("eight.wav", ramp(8000, 3), 8000)));
  ASSERT_TRUE(waitForRead());
  EXPECT_EQ(ui.countOf(msg::RateNotSupported), 1);
  EXPECT_FALSE(view()->hasSamples());
  EXPECT_FALSE(window->action(cmd::Play)->isEnabled());
}

TEST_F(BackgroundReadTest, AReadOvertakenByAnotherOpenACloseOrTheWindowClosingNeverShows) {
  ASSERT_TRUE(window->openOtherFiles());
  const fs::path first = writeFile("first.wav", ramp(400000, 7), 22050);
  const fs::path second = writeFile("second.wav", ramp(300000, 11), 11025);
  ASSERT_TRUE(view()->openRecordingByPath(first));
  ASSERT_TRUE(view()->openRecordingByPath(second));
  ASSERT_TRUE(waitForRead());
  QTest::qWait(50);  // anything late of the first read has had its turn
  ASSERT_EQ(view()->buffer().sampleCount(), 300000);
  EXPECT_EQ(view()->buffer().samples[3], 33);
  EXPECT_EQ(view()->buffer().path, second);

  ASSERT_TRUE(view()->openRecordingByPath(first));
  view()->closeRecording();
  EXPECT_FALSE(view()->documents().isReading());
  QTest::qWait(100);
  EXPECT_FALSE(view()->hasSamples());

  // The window goes while a read runs: the read is abandoned with it.
  ASSERT_TRUE(view()->openRecordingByPath(first));
  window.reset();
  QTest::qWait(50);
}

}  // namespace
}  // namespace velmora
