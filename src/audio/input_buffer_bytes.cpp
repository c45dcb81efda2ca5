#include "audio/input_buffer_bytes.h"

namespace velmora {

namespace {
int g_inputBufferBytes = kStartInputBufferBytes;
}

int inputBufferBytes() { return g_inputBufferBytes; }

void setInputBufferBytes(int bytes) { g_inputBufferBytes = bytes; }

int evenInputBufferBytes() {
  const int even = g_inputBufferBytes & ~1;
  // A zero-byte buffer would come back empty at once and spin the device.
  return even < 2 ? 2 : even;
}

int updateRateBufferBytes(int displayRateHz, double factor) {
  return static_cast<int>(displayRateHz / 60.0 * factor);
}

}  // namespace velmora
