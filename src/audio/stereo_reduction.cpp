#include "audio/stereo_reduction.h"

namespace velmora {

std::vector<int16_t> reduceStereo(const std::vector<int16_t>& interleaved, StereoChoice choice) {
  const size_t frames = interleaved.size() / 2;
  std::vector<int16_t> mono(frames);
  for (size_t i = 0; i < frames; ++i) {
    const int left = interleaved[2 * i];
    const int right = interleaved[2 * i + 1];
    switch (choice) {
      case StereoChoice::Left: mono[i] = static_cast<int16_t>(left); break;
      case StereoChoice::Right: mono[i] = static_cast<int16_t>(right); break;
      case StereoChoice::Mix: mono[i] = static_cast<int16_t>((left + right) / 2); break;  // C++ division truncates toward zero
    }
  }
  return mono;
}

WaveFormat monoFormatOf(const WaveFormat& stereo) {
  WaveFormat f = stereo;
  f.channels = 1;
  f.blockAlign = static_cast<uint16_t>(f.bitsPerSample / 8);
  f.averageBytesPerSecond = static_cast<uint32_t>(f.blockAlign) * f.samplesPerSecond;
  return f;
}

}  // namespace velmora
