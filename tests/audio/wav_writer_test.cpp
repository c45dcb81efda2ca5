#include "audio/wav_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "audio/wav_reader.h"
#include "core/file_times.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

TEST(WavWriter, WritesTheExactLayout) {
  const std::vector<int16_t> samples = {1, -1, 256};
  const std::string bytes = wavFileBytes(WaveFormat::pcm(22050), samples.data(), samples.size() * 2);
  const std::string expected = "RIFF" + le32(4 + 26 + 8 + 6) + "WAVE" + "fmt " + le32(18) + le16(1) + le16(1) +
                               le32(22050) + le32(44100) + le16(2) + le16(16) + le16(0) + "data" + le32(6) +
                               samplesBody(samples);
  EXPECT_EQ(bytes, expected);
}

TEST(WavWriter, OddByteCountIsPaddedButNotCounted) {
  const char data[3] = {1, 2, 3};
  const std::string bytes = wavFileBytes(WaveFormat::pcm(11025, 8), data, 3);
  EXPECT_EQ(bytes.size(), 46u + 4u);
  EXPECT_EQ(bytes.substr(42, 4), le32(3));
  EXPECT_EQ(bytes.substr(4, 4), le32(4 + 26 + 8 + 4));
  EXPECT_EQ(bytes.back(), '\0');
}

TEST(WavWriter, RoundTripsThroughTheReader) {
  TempFolder dir;
  std::vector<int16_t> samples(1001);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i * 65 - 32768);
  ASSERT_TRUE(writeWavFile(dir / "a.wav", WaveFormat::pcm(44100), samples.data(), samples.size() * 2));
  WavData d = readWav(dir / "a.wav");
  ASSERT_EQ(d.code, WavOk);
  EXPECT_EQ(d.samples, samples);
  EXPECT_EQ(d.format, WaveFormat::pcm(44100));
  // Writing the read file again reproduces it byte for byte.
  const std::string first = dir.readBytes("a.wav");
  ASSERT_TRUE(writeWavFile(dir / "b.wav", d.format, d.samples.data(), d.samples.size() * 2));
  EXPECT_EQ(dir.readBytes("b.wav"), first);
}

TEST(WavWriter, ReducedStereoFormatIsWrittenAsOneChannel) {
  TempFolder dir;
  WaveFormat f = WaveFormat::pcm(22050, 16, 1);
  const int16_t s[2] = {5, 6};
  ASSERT_TRUE(writeWavFile(dir / "m.wav", f, s, 4));
  EXPECT_EQ(readWav(dir / "m.wav").format.channels, 1);
}

TEST(WavWriter, OverwritingKeepsTheRecordingsTime) {
  TempFolder dir;
  const int16_t s[2] = {5, 6};
  ASSERT_TRUE(writeWavFile(dir / "r.wav", WaveFormat::pcm(11025), s, 4));
  ASSERT_TRUE(setFileTime(dir / "r.wav", FileTime{1000000000, 0}));
  ASSERT_TRUE(writeWavFile(dir / "r.wav", WaveFormat::pcm(11025), s, 2));
  EXPECT_EQ(fileTime(dir / "r.wav")->seconds, 1000000000);
  EXPECT_EQ(readWav(dir / "r.wav").samples.size(), 1u);
}

TEST(WavWriter, FailedWriteShowsMessage210AndLeavesTheOldFileWhole) {
  TempFolder dir;
  std::vector<int16_t> small(10, 7), large(5000, 9);
  ASSERT_TRUE(writeWavFile(dir / "r.wav", WaveFormat::pcm(11025), small.data(), small.size() * 2));
  const std::string before = dir.readBytes("r.wav");
  // A file-size limit makes the write fail part way, even for root (a full disk in miniature).
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit tight = old;
  tight.rlim_cur = 1000;
  ::setrlimit(RLIMIT_FSIZE, &tight);
  ScriptedInteraction ui;
  const bool written = writeWavFile(dir / "r.wav", WaveFormat::pcm(11025), large.data(), large.size() * 2, ui);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(dir.readBytes("r.wav"), before);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{210});
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST(WavWriter, MissingFolderFailsWithMessage210) {
  TempFolder dir;
  ScriptedInteraction ui;
  const int16_t s[1] = {1};
  EXPECT_FALSE(writeWavFile(dir / "no" / "such.wav", WaveFormat::pcm(11025), s, 2, ui));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{210});
  EXPECT_EQ(ui.shown[0].text, "The " + (dir / "no" / "such.wav").string() +
                                  " file can\xC2\xB4t be recorded!\nVerify if the file is opened!");
}

}  // namespace
}  // namespace velmora
