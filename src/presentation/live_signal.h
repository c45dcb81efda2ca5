#pragma once
// What the waveform pane shows of a take (or of an unzoomed playback): the newest samples,
// scrolling in from the right, and the F0 readout that is refreshed every few buffers.
//
//   LiveSignal live;  live.start(rateHz, paneColumns);
//   per buffer:       live.push(samples, n);  view.setLiveSignal(live.values());
//                     if (auto hz = live.f0Due(inputBufferBytes())) view.setF0Readout(*hz);
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace velmora {

// The F0 readout looks at this many of the newest samples.
inline constexpr size_t kLiveF0Samples = 1024;

class LiveSignal {
 public:
  void start(int rateHz, int paneColumns);
  void push(const int16_t* samples, size_t count);
  // Pane columns x 8 values, oldest first; silence where nothing has arrived yet.
  std::vector<float> values() const;
  // The F0 estimate once four buffers' worth of bytes has gone by since the last one.
  std::optional<float> f0Due(int bufferBytes);
  // Restart the readout's byte count (a new device open).
  void resetF0Counter() { f0Bytes_ = 0; }
  size_t stored() const { return store_.size(); }

 private:
  int rateHz_ = 11025;
  size_t capacity_ = 0;
  size_t paneValues_ = 0;
  std::deque<int16_t> store_;
  long long f0Bytes_ = 0;
};

}  // namespace velmora
