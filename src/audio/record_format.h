#pragma once
// Record format codes 0..9: code / 2 picks the rate (8000, 11025, 22050, 44100, 50000 Hz),
// odd codes are 16-bit, even codes 8-bit, always one channel. The program applies only
// 3, 5 and 7 (16-bit mono at 11025, 22050 and 44100 Hz); 3 at start.
#include <optional>

#include "audio/wave_format.h"

namespace velmora {

enum RecordFormatCode : int {
  Record11025Mono16 = 3,
  Record22050Mono16 = 5,
  Record44100Mono16 = 7,
};
inline constexpr int kStartRecordFormatCode = Record11025Mono16;

// The PCM format of a code; nothing for a code outside 0..9.
std::optional<WaveFormat> recordFormat(int code);

// The code of a 16-bit mono rate the program records at (11025, 22050, 44100), else nothing.
std::optional<int> recordFormatCodeForRate(int sampleRateHz);

}  // namespace velmora
