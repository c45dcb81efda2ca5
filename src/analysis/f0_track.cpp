#include "analysis/f0_track.h"

#include <new>

#include "analysis/compute_f0.h"

namespace velmora {

std::vector<size_t> f0PieceLengths(size_t n, int sampFreq) {
  std::vector<size_t> pieces;
  if (n == 0 || sampFreq <= 0) return pieces;
  const float x = static_cast<float>(n) / static_cast<float>(sampFreq) / static_cast<float>(kF0PieceSeconds);
  const size_t pieceSamples = static_cast<size_t>(sampFreq) * kF0PieceSeconds;
  size_t done = 0;
  for (size_t j = 0; done < n; ++j) {
    if (x - static_cast<float>(j) < 2.0f || n - done <= pieceSamples) {
      pieces.push_back(n - done);
      break;
    }
    pieces.push_back(pieceSamples);
    done += pieceSamples;
  }
  return pieces;
}

void F0Track::clear() {
  values_.clear();
  values_.shrink_to_fit();
  diagnostics_.clear();
  valid_ = false;
}

void F0Track::compute(const int16_t* samples, size_t n, int sampFreq, const StopFlag* stop) {
  compute(samples, n, sampFreq, computeF0, stop);
}

void F0Track::compute(const int16_t* samples, size_t n, int sampFreq, const F0PieceTracker& trackPiece,
                      const StopFlag* stop) {
  values_.clear();
  diagnostics_.clear();
  valid_ = false;
  try {
    std::vector<float> piece;
    std::vector<float> pieceValues;
    size_t offset = 0;
    bool anyTracked = false;
    for (size_t length : f0PieceLengths(n, sampFreq)) {
      if (stopRequested(stop)) {
        clear();
        return;
      }
      piece.resize(length);
      for (size_t i = 0; i < length; ++i) piece[i] = static_cast<float>(samples[offset + i]);
      offset += length;
      // Each piece has its own tracker: nothing carries over a piece boundary.
      if (trackPiece(piece.data(), length, sampFreq, kF0TrackMinHz, kF0TrackMaxHz, kF0FramesPerSecond, pieceValues,
                     &diagnostics_)) {
        values_.insert(values_.end(), pieceValues.begin(), pieceValues.end());
        anyTracked = true;
      } else {
        // Unvoiced for the failed piece, so the values after it keep their times.
        values_.insert(values_.end(), f0ValueCount(length, sampFreq, kF0FramesPerSecond), 0.0f);
      }
    }
    // Nothing tracked at all (a rate the tracker refuses): an empty track, not one of zeros.
    if (!anyTracked) values_.clear();
  } catch (const std::bad_alloc&) {
    // Out of memory: the track keeps the pieces done so far, as when a piece fails.
  }
  valid_ = true;
}

}  // namespace velmora
