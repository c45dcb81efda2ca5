#pragma once
// The open recording: signed 16-bit mono samples, the file's format record, where it came
// from, and the visible range the panes show.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "audio/wave_format.h"

namespace velmora {

inline constexpr int kNoRecordingNumber = -1;
inline constexpr int kModelRecordingNumber = -2;

struct SoundBuffer {
  std::vector<int16_t> samples;
  WaveFormat format;
  std::filesystem::path path;
  int recordingNumber = kNoRecordingNumber;
  bool wasStereo = false;
  bool modified = false;
  int32_t visibleStart = 0;
  int32_t visibleEnd = 0;

  int32_t sampleCount() const { return static_cast<int32_t>(samples.size()); }
  bool isOpen() const { return !samples.empty(); }
  uint32_t sampleRate() const { return format.samplesPerSecond; }
  void showAll() {
    visibleStart = 0;
    visibleEnd = sampleCount();
  }
  // Frees the samples; the buffer is then empty (count 0).
  void clear();
};

}  // namespace velmora
