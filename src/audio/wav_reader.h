#pragma once
// Reading a RIFF WAVE file: the "fmt " record and the "data" chunk as 16-bit values.
// Sizes in the file are never trusted: a chunk that claims more than the file holds is
// answered with its code before anything of that size is allocated.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "audio/wave_format.h"

namespace velmora {

enum WavReadCode : int {
  WavOk = 0,
  WavOutOfMemory = 57344,
  WavCannotOpen = 57600,
  WavNotWave = 57601,        // not RIFF WAVE, "fmt " shorter than 16 bytes, extra bytes missing
  WavFormatUnreadable = 57602,
  WavDataTruncated = 57603,  // "data" ends before its stated size
};

struct WavData {
  int code = WavCannotOpen;
  WaveFormat format;
  std::vector<int16_t> samples;  // interleaved as stored; data size / 2 values
};

// Where the samples are, without reading them: "data" is known to lie wholly in the file.
struct WavHeader {
  int code = WavCannotOpen;
  WaveFormat format;
  uint64_t dataOffset = 0;
  uint64_t dataBytes = 0;
};

WavData readWav(const std::filesystem::path& path);
// The same, giving up between blocks of samples once `stop` is set (the code is then
// WavCannotOpen and there are no samples): a read on a worker thread that nobody awaits.
WavData readWav(const std::filesystem::path& path, const std::atomic<bool>& stop);
WavHeader readWavHeader(const std::filesystem::path& path);
WavData parseWav(const uint8_t* bytes, size_t size);

}  // namespace velmora
