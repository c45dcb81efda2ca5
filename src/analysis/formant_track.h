#pragma once
// The formant track of a recording: F1 to F4 every 10 ms.
//
// compute() runs, on a copy of the samples:
//   1. resampling to 10 kHz (formant_resample.h);
//   2. frames of 490 samples every 100 samples, as many as fit entirely in the signal;
//   3. per frame: Hanning-windowed, pre-emphasised 12th-order LPC (lpc_analysis.h), the roots
//      of the predictor (lpc_roots.h), resonances with levels (formant_resonances.h) and the
//      mapping candidates (formant_candidates.h);
//   4. dynamic programming over all frames and the back-trace (formant_path.h).
// The root solver's estimates persist from one computation to the next: the first frame of a
// computation starts where the previous computation's last solve ended, every later frame
// from the fixed estimates.
//
// A stop flag is looked at every few frames: a stopped compute() returns kFormantsStopped and
// leaves no valid track.
//
// The owner clears the track with invalidate() whenever the samples change and computes it
// again when the overlay is needed. Dots for drawing come from formant_overlay.h.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "analysis/lpc_analysis.h"
#include "analysis/lpc_roots.h"
#include "analysis/stop_flag.h"

namespace velmora {

struct FormantFrame {
  float f1Hz = 0.0f;
  float f2Hz = 0.0f;
  float f3Hz = 0.0f;
  float f4Hz = 0.0f;
  int32_t startSample = 0;  // position at 10 kHz from the start of the recording
  int32_t drawable = 1;     // the overlay skips frames where this is 0
};

namespace formant {
constexpr int kLpcOrder = 12;
constexpr size_t kWindowSamples = 490;  // 0.049 s at 10 kHz
constexpr size_t kFrameStepSamples = 100;  // 0.01 s at 10 kHz
constexpr double kPreEmphasis = 0.7;
constexpr double kStabilityDb = 70.0;
// Frames analysed between two looks at the stop flag (a few milliseconds).
constexpr size_t kFramesPerStopCheck = 64;
}  // namespace formant

inline constexpr int kFormantsStopped = -2;

class FormantTrack {
 public:
  // Returns the number of frames, -1 when memory ran out (errorText() then says "ERROR"), or
  // kFormantsStopped. Rates below 10 kHz give no frames: the tracker's frequencies assume at
  // least that rate.
  int compute(const int16_t* samples, size_t n, int sampleRateHz, const StopFlag* stop = nullptr);

  // Takes frames computed elsewhere (a stored track, a test's pattern) as the valid track.
  void assign(std::vector<FormantFrame> frames) {
    frames_ = std::move(frames);
    errorText_.clear();
    valid_ = true;
  }

  void invalidate() { valid_ = false; }
  bool valid() const { return valid_; }
  int frameCount() const { return static_cast<int>(frames_.size()); }
  const std::vector<FormantFrame>& frames() const { return frames_; }
  const std::string& errorText() const { return errorText_; }

 private:
  std::vector<FormantFrame> frames_;
  bool valid_ = false;
  std::string errorText_;
  formant::LpcAnalyzer lpc_;
  formant::LinBairstowSolver solver_;
};

}  // namespace velmora
