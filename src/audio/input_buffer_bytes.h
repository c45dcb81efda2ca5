#pragma once
// The size of each capture buffer, program-wide: 2048 bytes at start, then set by the
// "Update Rate" list of the control bar (and the view's 300/600/1200 commands). It is also
// the basis of playback blocks. A change takes effect at the next buffer allocation.
namespace velmora {

inline constexpr int kStartInputBufferBytes = 2048;

int inputBufferBytes();
void setInputBufferBytes(int bytes);

// The size buffers are allocated with: inputBufferBytes rounded down to even, at least 2.
int evenInputBufferBytes();

// The "Update Rate" rule: (display rate / 60) x factor, truncated.
int updateRateBufferBytes(int displayRateHz, double factor);

}  // namespace velmora
