#include "audio/sound_buffer.h"

namespace velmora {

void SoundBuffer::clear() {
  std::vector<int16_t>().swap(samples);
  visibleStart = visibleEnd = 0;
  wasStereo = false;
  modified = false;
}

}  // namespace velmora
