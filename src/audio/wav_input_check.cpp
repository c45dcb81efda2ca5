#include "audio/wav_input_check.h"

#include <cstring>

namespace velmora {

namespace {

// The extensible record's extra bytes: valid bits (2), channel mask (4), sub-format GUID (16).
constexpr size_t kExtensibleExtraBytes = 22;
constexpr size_t kSubFormatOffset = 6;
// KSDATAFORMAT_SUBTYPE_PCM as stored (little-endian fields).
constexpr uint8_t kPcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

}  // namespace

bool isPcmFormat(const WaveFormat& format) {
  if (format.formatTag == kFormatPcm) return true;
  if (format.formatTag != kFormatExtensible || format.extra.size() < kExtensibleExtraBytes) return false;
  return std::memcmp(format.extra.data() + kSubFormatOffset, kPcmSubFormat, sizeof kPcmSubFormat) == 0;
}

WavInputProblem checkWavInput(const WaveFormat& format, uint64_t dataBytes) {
  if (!isPcmFormat(format)) return WavInputProblem::NotPcm;
  if (format.bitsPerSample != 16) return WavInputProblem::Not16Bits;
  if (format.channels < 1 || format.channels > 2) return WavInputProblem::ChannelCount;
  if (format.samplesPerSecond < kLowestInputRateHz) return WavInputProblem::RateTooLow;
  if (format.samplesPerSecond > kHighestInputRateHz) return WavInputProblem::RateTooHigh;
  if (dataBytes < 2u * format.channels) return WavInputProblem::NoSamples;
  return WavInputProblem::None;
}

}  // namespace velmora
