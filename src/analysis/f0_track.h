#pragma once
// The recording's F0 track: one value per 1/90 s from the start of the recording, F0 in Hz
// or 0 where unvoiced. compute() tracks the signal in independent pieces of 10 seconds (the
// last one 10 to 20 seconds long) so memory stays bounded whatever the recording's length:
//   1. split (f0PieceLengths);
//   2. per piece: convert its 16-bit samples to floats, computeF0 with a fresh tracker
//      (min 60 Hz, max 1400 Hz, 90 frames per second);
//   3. concatenate; a piece whose tracking fails contributes zeros (unvoiced) for its values, so
//      later values keep their times; when no piece succeeds the track is empty.
// The trackers' diagnostics of the last compute() are kept, in order, for the caller to show.
// A stop flag is looked at between pieces: a stopped compute() leaves no valid track.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/stop_flag.h"

namespace velmora {

inline constexpr int kF0FramesPerSecond = 90;
inline constexpr int kF0TrackMinHz = 60;
inline constexpr int kF0TrackMaxHz = 1400;
inline constexpr int kF0PieceSeconds = 10;

// Sample counts of the pieces: 10 s each, except that once fewer than 20 s remain (measured
// as x - j < 2 with x = n / sampFreq / 10 in single precision) the rest is the last piece.
std::vector<size_t> f0PieceLengths(size_t n, int sampFreq);

// Tracks one piece as computeF0 does; a seam for tests of a failing piece.
using F0PieceTracker = std::function<bool(const float* samples, size_t n, int sampFreq, int minF0, int maxF0,
                                          int framesPerSecond, std::vector<float>& values,
                                          std::vector<std::string>* diagnostics)>;

class F0Track {
 public:
  void compute(const int16_t* samples, size_t n, int sampFreq, const StopFlag* stop = nullptr);
  void compute(const int16_t* samples, size_t n, int sampFreq, const F0PieceTracker& trackPiece,
               const StopFlag* stop = nullptr);
  void invalidate() { valid_ = false; }
  void clear();

  bool valid() const { return valid_; }
  size_t count() const { return values_.size(); }
  const std::vector<float>& values() const { return values_; }
  const std::vector<std::string>& diagnostics() const { return diagnostics_; }

 private:
  std::vector<float> values_;
  std::vector<std::string> diagnostics_;
  bool valid_ = false;
};

}  // namespace velmora
