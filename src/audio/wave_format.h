#pragma once
// The WAV "fmt " record. In memory it always carries the extra-byte count (0 for PCM).
#include <cstdint>
#include <vector>

namespace velmora {

inline constexpr uint16_t kFormatPcm = 1;
inline constexpr uint16_t kFormatExtensible = 0xFFFE;  // the real format is in the extra bytes

struct WaveFormat {
  uint16_t formatTag = kFormatPcm;
  uint16_t channels = 1;
  uint32_t samplesPerSecond = 11025;
  uint32_t averageBytesPerSecond = 22050;
  uint16_t blockAlign = 2;
  uint16_t bitsPerSample = 16;
  std::vector<uint8_t> extra;  // extra bytes of a non-PCM format

  static WaveFormat pcm(uint32_t rate, uint16_t bits = 16, uint16_t channels = 1) {
    WaveFormat f;
    f.channels = channels;
    f.samplesPerSecond = rate;
    f.bitsPerSample = bits;
    f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    f.averageBytesPerSecond = f.blockAlign * rate;
    return f;
  }
  bool operator==(const WaveFormat&) const = default;
};

}  // namespace velmora
