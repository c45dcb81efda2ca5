#include "fakes/wav_bytes.h"

namespace velmora::testing {

std::string le16(uint32_t v) {
  std::string s;
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
  return s;
}

std::string le32(uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }

std::string chunk(const std::string& id, const std::string& body, int64_t statedSize, bool pad) {
  std::string out = id + le32(static_cast<uint32_t>(statedSize < 0 ? static_cast<int64_t>(body.size()) : statedSize)) + body;
  if (pad && (body.size() & 1)) out += '\0';
  return out;
}

std::string fmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, bool withExtraCount, uint16_t extraCount) {
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  std::string s = le16(tag) + le16(channels) + le32(rate) + le32(align * rate) + le16(align) + le16(bits);
  if (withExtraCount) s += le16(extraCount);
  return s;
}

std::string samplesBody(const std::vector<int16_t>& samples) {
  std::string s;
  for (int16_t v : samples) s += le16(static_cast<uint16_t>(v));
  return s;
}

std::string riffWave(const std::string& chunks, int64_t statedSize) {
  const int64_t size = statedSize < 0 ? static_cast<int64_t>(4 + chunks.size()) : statedSize;
  return "RIFF" + le32(static_cast<uint32_t>(size)) + "WAVE" + chunks;
}

std::string pcmWav(const std::vector<int16_t>& samples, uint32_t rate, uint16_t channels) {
  return riffWave(chunk("fmt ", fmtBody(1, channels, rate, 16)) + chunk("data", samplesBody(samples)));
}

}  // namespace velmora::testing
