#pragma once
// MP3 files of a backup become recordings: libmpg123 decodes them to 16-bit samples, and the
// result is written as a WAV file the program reads.
//
// decompressToWav(mp3, wav):
//   1. decode the whole file (16-bit, mono or stereo, at the file's own rate);
//   2. stereo is mixed to one channel;
//   3. 11025, 22050 and 44100 Hz are written as they are; any other rate is converted by the
//      import's resampler, to 44100 Hz for a "qv" name and 22050 Hz (11025 Hz for sources at
//      or below it) otherwise, so the name keeps saying what the rate is;
//   4. the WAV replaces its target atomically and is private.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace velmora {

struct DecodedAudio {
  bool ok = false;
  uint32_t rateHz = 0;
  int channels = 0;
  std::vector<int16_t> samples;  // interleaved
};

// Files whose decoded sound would pass this many samples are refused (about 3 hours at 44100 Hz).
inline constexpr size_t kMaxDecodedSamples = size_t{1} << 29;

DecodedAudio decodeMp3(const std::filesystem::path& mp3Path);

// The rate a decoded recording is stored at (step 3).
uint32_t storedRateFor(uint32_t decodedRateHz, bool qvName);

bool decompressToWav(const std::filesystem::path& mp3Path, const std::filesystem::path& wavPath);

}  // namespace velmora
