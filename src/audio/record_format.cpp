#include "audio/record_format.h"

namespace velmora {

namespace {
constexpr uint32_t kRatesHz[] = {8000, 11025, 22050, 44100, 50000};
}

std::optional<WaveFormat> recordFormat(int code) {
  if (code < 0 || code > 9) return std::nullopt;
  const uint16_t bits = (code % 2) ? 16 : 8;
  return WaveFormat::pcm(kRatesHz[code / 2], bits, 1);
}

std::optional<int> recordFormatCodeForRate(int sampleRateHz) {
  switch (sampleRateHz) {
    case 11025: return Record11025Mono16;
    case 22050: return Record22050Mono16;
    case 44100: return Record44100Mono16;
    default: return std::nullopt;
  }
}

}  // namespace velmora
