#pragma once
// What every path that takes a WAV file's samples for analysis or conversion accepts:
// linear PCM (plain, or extensible whose sub-format is PCM), 16 bits, one or two channels,
// 4000 to 192000 samples a second, and at least one whole sample frame. Anything else is
// refused before a sample is read, so a lying header cannot make the converter or a
// tracker run for minutes or claim gigabytes.
#include <cstdint>

#include "audio/wave_format.h"

namespace velmora {

inline constexpr uint32_t kLowestInputRateHz = 4000;
inline constexpr uint32_t kHighestInputRateHz = 192000;

enum class WavInputProblem {
  None,
  NotPcm,          // compressed, float, or an unknown format tag
  Not16Bits,
  ChannelCount,    // 0 or more than 2
  RateTooLow,
  RateTooHigh,
  NoSamples,       // not one whole frame of data
};

// PCM, or WAVE_FORMAT_EXTENSIBLE whose sub-format GUID is that of PCM.
bool isPcmFormat(const WaveFormat& format);

WavInputProblem checkWavInput(const WaveFormat& format, uint64_t dataBytes);

}  // namespace velmora
