#include "audio/wav_reader.h"

#include <gtest/gtest.h>

#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

WavData parse(const std::string& bytes) {
  return parseWav(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(WavReader, ReadsPlainPcm) {
  WavData d = parse(pcmWav({1, -2, 32767, -32768}, 44100));
  ASSERT_EQ(d.code, WavOk);
  EXPECT_EQ(d.format.samplesPerSecond, 44100u);
  EXPECT_EQ(d.format.channels, 1);
  EXPECT_EQ(d.format.bitsPerSample, 16);
  EXPECT_TRUE(d.format.extra.empty());
  EXPECT_EQ(d.samples, (std::vector<int16_t>{1, -2, 32767, -32768}));
}

TEST(WavReader, SkipsUnknownChunksAndAcceptsEighteenByteFmt) {
  std::string chunks = chunk("LIST", "INFOabc") + chunk("fmt ", fmtBody(1, 1, 11025, 16, true, 0)) +
                       chunk("junk", std::string(5, 'x')) + chunk("data", samplesBody({7, 8, 9}));
  WavData d = parse(riffWave(chunks));
  ASSERT_EQ(d.code, WavOk);
  EXPECT_EQ(d.samples, (std::vector<int16_t>{7, 8, 9}));
}

TEST(WavReader, OddDataSizeIgnoresTheLastByte) {
  std::string body = samplesBody({100, -100}) + "\x7f";
  WavData d = parse(riffWave(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", body)));
  ASSERT_EQ(d.code, WavOk);
  EXPECT_EQ(d.samples, (std::vector<int16_t>{100, -100}));
}

TEST(WavReader, NonPcmFormatKeepsItsExtraBytes) {
  std::string fmt = fmtBody(0xFFFE, 2, 44100, 16, true, 4) + "abcd";
  WavData d = parse(riffWave(chunk("fmt ", fmt) + chunk("data", samplesBody({1, 2}))));
  ASSERT_EQ(d.code, WavOk);
  EXPECT_EQ(d.format.extra, (std::vector<uint8_t>{'a', 'b', 'c', 'd'}));
}

TEST(WavReader, RefusesWhatIsNotAWaveFile) {
  EXPECT_EQ(parse("").code, WavNotWave);
  EXPECT_EQ(parse("RIFF").code, WavNotWave);
  EXPECT_EQ(parse("RIFX" + le32(4) + "WAVE").code, WavNotWave);
  EXPECT_EQ(parse("RIFF" + le32(4) + "AVI ").code, WavNotWave);
  EXPECT_EQ(parse(std::string(1000, '\xff')).code, WavNotWave);
}

TEST(WavReader, FormatChunkProblems) {
  // 14 bytes is too short for the record.
  EXPECT_EQ(parse(riffWave(chunk("fmt ", fmtBody(1, 1, 22050, 16).substr(0, 14)) + chunk("data", "ab"))).code, WavNotWave);
  // No format chunk at all.
  EXPECT_EQ(parse(riffWave(chunk("data", "abcd"))).code, WavNotWave);
  // A format chunk that claims more than the file holds.
  EXPECT_EQ(parse(riffWave(chunk("fmt ", fmtBody(1, 1, 22050, 16), 0x7FFFFFF0))).code, WavNotWave);
  // Zero-size format chunk.
  EXPECT_EQ(parse(riffWave(chunk("fmt ", "") + chunk("data", "abcd"))).code, WavNotWave);
  // Extra bytes that the chunk cannot hold.
  EXPECT_EQ(parse(riffWave(chunk("fmt ", fmtBody(3, 1, 22050, 16, true, 200)) + chunk("data", "ab"))).code, WavNotWave);
}

TEST(WavReader, DataChunkProblems) {
  const std::string fmt = chunk("fmt ", fmtBody(1, 1, 22050, 16));
  EXPECT_EQ(parse(riffWave(fmt)).code, WavDataTruncated);  // no data chunk
  // A lying data size must not allocate it: 4 GiB claimed, 4 bytes present.
  WavData d = parse(riffWave(fmt + chunk("data", "abcd", 0xFFFFFFF0, false)));
  EXPECT_EQ(d.code, WavDataTruncated);
  EXPECT_TRUE(d.samples.empty());
}

TEST(WavReader, TruncatedAtEveryByteNeverCrashes) {
  const std::string whole = riffWave(chunk("LIST", "INFOxy") + chunk("fmt ", fmtBody(1, 1, 22050, 16)) +
                                     chunk("data", samplesBody({1, 2, 3, 4, 5})));
  for (size_t n = 0; n < whole.size(); ++n) {
    WavData d = parse(whole.substr(0, n));
    EXPECT_NE(d.code, WavOk) << "cut at " << n;
    EXPECT_TRUE(d.code == WavNotWave || d.code == WavDataTruncated || d.code == WavFormatUnreadable) << n << ": " << d.code;
  }
  EXPECT_EQ(parse(whole).code, WavOk);
}

TEST(WavReader, LyingRiffSizeIsBoundedByTheFile) {
  const std::string chunks = chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", samplesBody({5, 6}));
  EXPECT_EQ(parse(riffWave(chunks, 0xFFFFFFFF)).code, WavOk);
  // Streaming writers leave 0 there; the chunks are still found.
  EXPECT_EQ(parse(riffWave(chunks, 0)).code, WavOk);
}

TEST(WavReader, RandomGarbageAfterHeaderNeverCrashes) {
  uint32_t seed = 12345;
  for (int round = 0; round < 2000; ++round) {
    std::string bytes = "RIFF" + le32(seed % 5000) + "WAVE";
    const size_t len = seed % 300;
    for (size_t i = 0; i < len; ++i) {
      seed = seed * 1664525u + 1013904223u;
      // Bias toward chunk ids so the walker sees plausible headers.
      const uint32_t pick = seed >> 24;
      if (pick < 8) bytes += "fmt ";
      else if (pick < 16) bytes += "data";
      else bytes += static_cast<char>(seed >> 16);
    }
    WavData d = parse(bytes);
    if (d.code == WavOk) {
      EXPECT_LE(d.samples.size() * 2, bytes.size());
    }
  }
}

TEST(WavReader, FilesThatCannotBeOpened) {
  TempFolder dir;
  EXPECT_EQ(readWav(dir / "missing.wav").code, WavCannotOpen);
  EXPECT_EQ(readWav(dir.path()).code, WavCannotOpen);
  dir.writeBytes("empty.wav", "");
  EXPECT_EQ(readWav(dir / "empty.wav").code, WavNotWave);
  dir.writeBytes("ok.wav", pcmWav({3, 4}, 11025));
  WavData d = readWav(dir / "ok.wav");
  EXPECT_EQ(d.code, WavOk);
  EXPECT_EQ(d.samples, (std::vector<int16_t>{3, 4}));
}

TEST(WavReader, AReadAskedToStopGivesNothingAndOneLeftAloneGivesAll) {
  TempFolder dir;
  dir.writeBytes("ok.wav", pcmWav({3, 4, 5}, 22050));
  std::atomic<bool> stop{false};
  const WavData whole = readWav(dir / "ok.wav", stop);
  EXPECT_EQ(whole.code, WavOk);
  EXPECT_EQ(whole.samples, (std::vector<int16_t>{3, 4, 5}));
  stop = true;
  const WavData stopped = readWav(dir / "ok.wav", stop);
  EXPECT_EQ(stopped.code, WavCannotOpen);
  EXPECT_TRUE(stopped.samples.empty());
}

}  // namespace
}  // namespace velmora
