#pragma once
// estimateLiveF0: the F0 the recording display shows for the latest captured samples. The
// samples (the latest 1024) are placed at the start of a zero block of B + 1 floats, B being
// 3000 / 6000 / 12000 at 11025 / 22050 / 44100 Hz (3000 otherwise); the tracker runs over the
// first B - 1 floats (min 70 Hz, max 1400 Hz, 90 frames per second) and the first value is
// the answer, 0 when there is none.
#include <cstddef>
#include <cstdint>

namespace velmora {

int liveF0BlockLength(int sampFreq);
float estimateLiveF0(const int16_t* samples, size_t n, int sampFreq);

}  // namespace velmora
