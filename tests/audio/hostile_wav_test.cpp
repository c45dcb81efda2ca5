// Damaged and unusual WAV files through every way the program reads one: the header alone,
// the whole file, the input check and the conversion. Run in the sanitizer build too.
#include <gtest/gtest.h>

#include "audio/resampler_write.h"
#include "audio/stereo_reduction.h"
#include "audio/wav_input_check.h"
#include "audio/wav_reader.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"
#include "fakes/wav_corpus.h"

namespace velmora {
namespace {

using namespace velmora::testing;

TEST(HostileWav, EveryCorpusFileIsReadAsItWasBuilt) {
  TempFolder dir;
  const std::vector<CorpusFile> corpus = hostileWavCorpus();
  for (const CorpusFile& file : corpus) {
    SCOPED_TRACE(file.name);
    dir.writeBytes(file.name + ".wav", file.bytes);
    const WavHeader header = readWavHeader(dir / (file.name + ".wav"));
    const WavData whole = readWav(dir / (file.name + ".wav"));
    EXPECT_EQ(header.code == WavOk, file.readable) << header.code;
    EXPECT_EQ(whole.code, header.code);
    if (!file.readable) {
      EXPECT_TRUE(whole.samples.empty());
      continue;
    }
    EXPECT_EQ(whole.format, header.format);
    EXPECT_EQ(whole.samples.size(), header.dataBytes / 2);
    EXPECT_LE(header.dataOffset + header.dataBytes, file.bytes.size());
    const bool usable = checkWavInput(header.format, header.dataBytes) == WavInputProblem::None;
    EXPECT_EQ(usable, file.usable);
    if (!usable) continue;
    // What passes the check converts, to the length the ratio gives.
    const uint32_t from = header.format.samplesPerSecond;
    const uint32_t to = from == 44100 ? 22050 : 44100;
    const std::vector<int16_t> mono =
        header.format.channels == 2 ? reduceStereo(whole.samples, StereoChoice::Mix) : whole.samples;
    const Pcm16Conversion converted = convertPcm16(mono, from, to);
    ASSERT_TRUE(converted.ok()) << resampleErrorText(converted.error);
    EXPECT_EQ(converted.samples.size(), mono.size() * to / from);
  }
  EXPECT_GE(corpus.size(), 60u);
}

// Every format tag, channel count and a sweep of the 32-bit rates, from memory: only 16-bit
// PCM, 1 or 2 channels, 4000 to 192000 Hz pass, whatever the other fields say.
TEST(HostileWav, OnlyPcmWithSensibleChannelsAndRatesPassesTheCheck) {
  // One file, its tag, channels and rate written in place (the "fmt " body starts at byte 20).
  std::string bytes = riffWave(chunk("fmt ", fmtBody(1, 1, 11025, 16)) + chunk("data", samplesBody({100, -100})));
  auto check = [&](uint16_t tag, uint16_t channels, uint32_t rate) {
    bytes.replace(20, 8, le16(tag) + le16(channels) + le32(rate));
    const WavData wav = parseWav(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    EXPECT_EQ(wav.code, WavOk);
    return checkWavInput(wav.format, wav.samples.size() * 2);
  };
  for (uint32_t tag = 0; tag <= 0xFFFF; ++tag) {
    const WavInputProblem expected = tag == 1 ? WavInputProblem::None : WavInputProblem::NotPcm;
    ASSERT_EQ(check(static_cast<uint16_t>(tag), 1, 11025), expected) << tag;
  }
  for (uint32_t channels = 0; channels <= 0xFFFF; ++channels) {
    const bool passes = check(1, static_cast<uint16_t>(channels), 11025) == WavInputProblem::None;
    ASSERT_EQ(passes, channels == 1 || channels == 2) << channels;
  }
  std::vector<uint32_t> rates{0, 1, 3999, 4000, 4001, 191999, 192000, 192001, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
  for (uint64_t rate = 0; rate <= 0xFFFFFFFFull; rate += 65521) rates.push_back(static_cast<uint32_t>(rate));
  for (uint32_t rate : rates) {
    const WavInputProblem p = check(1, 1, rate);
    const WavInputProblem expected = rate < 4000     ? WavInputProblem::RateTooLow
                                     : rate > 192000 ? WavInputProblem::RateTooHigh
                                                     : WavInputProblem::None;
    ASSERT_EQ(p, expected) << rate;
  }
}

}  // namespace
}  // namespace velmora
