#include "audio/recording_opener.h"

#include <gtest/gtest.h>

#include "audio/stereo_reduction.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

class RecordingOpener : public ::testing::Test {
 protected:
  TempFolder dir;
  ScriptedInteraction ui;
  SoundBuffer buffer;

  std::filesystem::path file(const std::string& name, const std::string& bytes) {
    dir.writeBytes(name, bytes);
    return dir / name;
  }
};

TEST_F(RecordingOpener, MonoFileAtASupportedRateOpensWhole) {
  ASSERT_TRUE(openRecordingByPath(buffer, file("a.wav", pcmWav({1, 2, 3}, 11025)), ui));
  EXPECT_EQ(buffer.samples, (std::vector<int16_t>{1, 2, 3}));
  EXPECT_EQ(buffer.recordingNumber, -1);
  EXPECT_FALSE(buffer.wasStereo);
  EXPECT_EQ(buffer.visibleStart, 0);
  EXPECT_EQ(buffer.visibleEnd, 3);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RecordingOpener, UnsupportedRatesAndSampleSizesAreRefused) {
  for (uint32_t rate : {8000u, 48000u, 16000u}) {
    ScriptedInteraction local;
    EXPECT_FALSE(openRecordingByPath(buffer, file("r.wav", pcmWav({1, 2}, rate)), local)) << rate;
    EXPECT_EQ(local.shownIds(), std::vector<int>{57730}) << rate;
    EXPECT_EQ(buffer.sampleCount(), 0);
  }
  const std::string eightBit = riffWave(chunk("fmt ", fmtBody(1, 1, 22050, 8)) + chunk("data", "abcd"));
  EXPECT_FALSE(openRecordingByPath(buffer, file("b.wav", eightBit), ui));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57731});
}

TEST_F(RecordingOpener, StereoChoicesReduceToOneChannel) {
  const std::vector<int16_t> interleaved = {10, 20, -3, 4, 32767, 32767, -32768, -32767, 5, -6};
  const auto path = file("s.wav", pcmWav(interleaved, 22050, 2));
  const std::vector<std::vector<int16_t>> expected = {
      {10, -3, 32767, -32768, 5}, {20, 4, 32767, -32767, -6}, {15, 0, 32767, -32767, 0}};
  for (int choice = 0; choice < 3; ++choice) {
    ui.choiceAnswers.push_back(choice);
    ASSERT_TRUE(openRecordingByPath(buffer, path, ui)) << choice;
    EXPECT_EQ(buffer.samples, expected[static_cast<size_t>(choice)]) << choice;
    EXPECT_TRUE(buffer.wasStereo);
    EXPECT_EQ(buffer.format.channels, 1);
    EXPECT_EQ(buffer.format.blockAlign, 2);
    EXPECT_EQ(buffer.format.averageBytesPerSecond, 44100u);
  }
  EXPECT_EQ(ui.choices.at(0).title, "Open File");
}

TEST_F(RecordingOpener, CancellingTheStereoQuestionRefusesTheFile) {
  EXPECT_FALSE(openRecordingByPath(buffer, file("s.wav", pcmWav({1, 2, 3, 4}, 44100, 2)), ui));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57733});
  EXPECT_EQ(buffer.sampleCount(), 0);
}

TEST_F(RecordingOpener, DamagedFileFailsQuietlyAndLeavesNothingOpen) {
  buffer.samples = {1, 2};
  EXPECT_FALSE(openRecordingByPath(buffer, file("bad.wav", "RIFF0000WAVEjunk"), ui));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(buffer.sampleCount(), 0);
}

TEST_F(RecordingOpener, NumberedRecordingSkipsTheChecksButReportsUnreadableFiles) {
  ASSERT_TRUE(openNumberedRecording(buffer, file("wv001.wav", pcmWav({9, 9}, 8000)), 1, ui));
  EXPECT_EQ(buffer.recordingNumber, 1);
  EXPECT_EQ(buffer.sampleCount(), 2);
  // A failed load leaves the open recording whole.
  EXPECT_FALSE(openNumberedRecording(buffer, dir / "missing.wav", 2, ui));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57647});
  EXPECT_EQ(buffer.recordingNumber, 1);
  EXPECT_EQ(buffer.samples, (std::vector<int16_t>{9, 9}));
  EXPECT_EQ(buffer.format.samplesPerSecond, 8000u);
}

TEST(StereoReduction, OddTrailingValueIsDropped) {
  EXPECT_EQ(reduceStereo({1, 2, 3}, StereoChoice::Left), std::vector<int16_t>{1});
  EXPECT_TRUE(reduceStereo({}, StereoChoice::Mix).empty());
}

}  // namespace
}  // namespace velmora
