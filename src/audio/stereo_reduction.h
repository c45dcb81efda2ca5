#pragma once
// Reducing interleaved stereo samples to one channel: the left (even-indexed) values, the
// right (odd-indexed) values, or the mean of each pair truncated toward zero.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/wave_format.h"

namespace velmora {

enum class StereoChoice { Left = 0, Right = 1, Mix = 2 };

std::vector<int16_t> reduceStereo(const std::vector<int16_t>& interleaved, StereoChoice choice);

// The record rewritten for one channel: block align = bits / 8, bytes per second = align x rate.
WaveFormat monoFormatOf(const WaveFormat& stereo);

}  // namespace velmora
