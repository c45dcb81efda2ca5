#include "audio/sound_buffer.h"

#include "audio/wav_reader.h"

namespace velmora {

void SoundBuffer::clear() {
  std::vector<int16_t>().swap(samples);
  visibleStart = visibleEnd = 0;
  wasStereo = false;
  modified = false;
}

int loadWave(SoundBuffer& buffer, const std::filesystem::path& path) {
  WavData data = readWav(path);
  if (data.code != WavOk) return data.code;
  buffer.samples = std::move(data.samples);
  buffer.format = std::move(data.format);
  return WavOk;
}

}  // namespace velmora
