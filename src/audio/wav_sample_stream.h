#pragma once
// The samples of a WAV file's "data" chunk as one channel, read a block at a time, so a long
// file is converted without being held in memory. A stereo file is reduced as reduceStereo()
// does. For a file whose header readWavHeader() read and checkWavInput() passed (16 bits,
// one or two channels).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "audio/resampler_block_pass.h"
#include "audio/stereo_reduction.h"
#include "audio/wav_reader.h"

namespace velmora {

class WavSampleStream : public PassInput {
 public:
  WavSampleStream(const std::filesystem::path& path, const WavHeader& header, StereoChoice choice);
  ~WavSampleStream() override;
  WavSampleStream(const WavSampleStream&) = delete;
  WavSampleStream& operator=(const WavSampleStream&) = delete;

  // Samples of the one channel (an odd last byte, or half a stereo frame, is ignored as the
  // whole-file reader does).
  size_t count() const { return count_; }
  void read(double* values, size_t count) override;
  void readPcm16(int16_t* values, size_t count);
  // The file could not be opened, or ended (or changed) before its stated data size; the
  // values past that point were given as zero.
  bool failed() const { return failed_; }

 private:
  bool fill();

  std::FILE* file_ = nullptr;
  int channels_;
  StereoChoice choice_;
  size_t count_;
  size_t given_ = 0;
  std::vector<uint8_t> bytes_;
  std::vector<int16_t> block_;  // one channel, from the bytes read
  size_t blockPosition_ = 0;
  bool failed_ = false;
};

}  // namespace velmora
