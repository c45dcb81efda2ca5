#include "fakes/wav_corpus.h"

#include "fakes/harmonic_tone.h"
#include "fakes/wav_bytes.h"

namespace velmora::testing {

namespace {

constexpr uint32_t kRate = 11025;

std::string toneBody(uint32_t rate, uint16_t channels, double seconds = 0.5) {
  const std::vector<int16_t> mono = harmonicTone(160.0, static_cast<int>(rate), seconds);
  std::vector<int16_t> frames;
  for (int16_t v : mono)
    for (uint16_t c = 0; c < channels; ++c) frames.push_back(v);
  return samplesBody(frames);
}

std::string plainFmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  return chunk("fmt ", fmtBody(tag, channels, rate, bits));
}

}  // namespace

std::string extensibleExtra(uint16_t subFormat, uint16_t validBits) {
  static const std::string kGuidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  return le16(validBits) + le32(0x4) + le16(subFormat) + kGuidTail;
}

std::vector<CorpusFile> hostileWavCorpus() {
  std::vector<CorpusFile> out;
  auto add = [&](std::string name, std::string bytes, bool readable, bool usable, bool longEnough = false) {
    out.push_back({std::move(name), std::move(bytes), readable, usable, longEnough});
  };
  const std::string tone = toneBody(kRate, 1);
  const std::string good = riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", tone));

  // Files every command takes.
  add("good-mono", good, true, true, true);
  add("good-stereo", riffWave(plainFmt(1, 2, 22050, 16) + chunk("data", toneBody(22050, 2))), true, true, true);
  add("extensible-pcm",
      riffWave(chunk("fmt ", fmtBody(0xFFFE, 1, 44100, 16, true, 22) + extensibleExtra(1, 16)) +
               chunk("data", toneBody(44100, 1))),
      true, true, true);
  add("rate-4000", riffWave(plainFmt(1, 1, 4000, 16) + chunk("data", toneBody(4000, 1))), true, true);
  add("rate-192000", riffWave(plainFmt(1, 1, 192000, 16) + chunk("data", toneBody(192000, 1))), true, true, true);
  add("riff-size-zero", riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", tone), 0), true, true, true);
  add("riff-size-max", riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", tone), 0xFFFFFFFF), true, true, true);
  add("data-before-fmt", riffWave(chunk("data", tone) + plainFmt(1, 1, kRate, 16)), true, true, true);
  add("list-odd-junk-first", riffWave(chunk("LIST", "INFOabc") + chunk("junk", std::string(5, 'x')) +
                                      plainFmt(1, 1, kRate, 16) + chunk("data", tone)),
      true, true, true);
  add("two-data-chunks", riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", tone) + chunk("data", "xy")), true, true,
      true);
  add("one-sample", riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", std::string("\x10\x00", 2))), true, true);
  add("odd-data-bytes", riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", std::string("\x10\x00\x20", 3))), true,
      true);

  // Readable, but not samples that can be analysed or converted.
  for (uint16_t tag : {0, 2, 3, 6, 7, 0x11, 0x31, 0x50, 0x55, 0x1234, 0xFFFF})
    add("tag-" + std::to_string(tag), riffWave(plainFmt(tag, 1, kRate, 16) + chunk("data", tone)), true, false);
  add("float-32", riffWave(plainFmt(3, 1, kRate, 32) + chunk("data", tone)), true, false);
  add("extensible-float",
      riffWave(chunk("fmt ", fmtBody(0xFFFE, 1, kRate, 16, true, 22) + extensibleExtra(3, 16)) + chunk("data", tone)),
      true, false);
  add("extensible-no-extra", riffWave(chunk("fmt ", fmtBody(0xFFFE, 1, kRate, 16, true, 0)) + chunk("data", tone)),
      true, false);
  for (uint16_t bits : {0, 8, 24, 32, 65535})
    add("bits-" + std::to_string(bits), riffWave(plainFmt(1, 1, kRate, bits) + chunk("data", tone)), true, false);
  for (uint16_t channels : {0, 3, 8, 65535})
    add("channels-" + std::to_string(channels), riffWave(plainFmt(1, channels, kRate, 16) + chunk("data", tone)), true,
        false);
  for (uint32_t rate : {0u, 1u, 2u, 3999u, 192001u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu})
    add("rate-" + std::to_string(rate), riffWave(plainFmt(1, 1, rate, 16) + chunk("data", tone)), true, false);
  add("data-empty", riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", "")), true, false);
  add("stereo-one-byte-pair", riffWave(plainFmt(1, 2, kRate, 16) + chunk("data", std::string("\x01\x00", 2))), true, false);

  // Not readable: cut short, lying sizes, chunks missing, not RIFF WAVE.
  for (size_t cut : {size_t{0}, size_t{4}, size_t{11}, size_t{12}, size_t{20}, size_t{35}, size_t{36}, size_t{43},
                     size_t{44}, size_t{100}, good.size() - 1})
    add("cut-at-" + std::to_string(cut), good.substr(0, cut), false, false);
  add("data-size-max", riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", tone, 0xFFFFFFFF)), false, false);
  add("data-size-plus-two", riffWave(plainFmt(1, 1, kRate, 16) + chunk("data", tone, tone.size() + 2)), false, false);
  add("fmt-size-max", riffWave(chunk("fmt ", fmtBody(1, 1, kRate, 16), 0xFFFFFFFF) + chunk("data", tone)), false,
      false);
  add("fmt-size-14", riffWave(chunk("fmt ", fmtBody(1, 1, kRate, 16).substr(0, 14)) + chunk("data", tone)), false,
      false);
  add("extra-count-lies", riffWave(chunk("fmt ", fmtBody(0xFFFE, 1, kRate, 16, true, 200)) + chunk("data", tone)),
      false, false);
  add("no-fmt", riffWave(chunk("data", tone)), false, false);
  add("no-data", riffWave(plainFmt(1, 1, kRate, 16)), false, false);
  add("rifx", "RIFX" + good.substr(4), false, false);
  add("not-wave", good.substr(0, 8) + "AVI " + good.substr(12), false, false);
  return out;
}

}  // namespace velmora::testing
