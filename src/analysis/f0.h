#pragma once
// The F0 (pitch) tracker: normalised cross-correlation on a decimated copy of the signal
// proposes lag candidates, a full-rate correlation refines them, and dynamic programming over
// time picks one candidate per frame, "unvoiced" included.
//
// Calling sequence:
//   auto tracker = f0New();
//   f0SetParam(*tracker, "min_f0=60");            // any number of times
//   f0Init(*tracker, sampFreq, buffSize, buffStep);
//   for each buffer (starts buffStep apart, buffSize long, the last one shorter):
//     f0Process(*tracker, data, nData);
//     for (i < f0NumOutput(*tracker)) f0Output(*tracker, i);   // F0 in Hz, 0 = unvoiced
//   f0Destroy(tracker);                              // or let the pointer go
//
// Per buffer: decimate (downsample), stationarity per frame (stationarity), candidates per
// frame (candidates), one dynamic-programming step per frame, then release the frames whose
// best path has converged. Results are 1 or 0; every refusal or note of the tracker is kept as
// one line of text in f0Diagnostics for the caller to show.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::f0 {

inline constexpr int f0NumParams = 13;
inline constexpr std::array<std::string_view, f0NumParams> kF0ParamNames = {
    "cand_thresh", "lag_weight", "freq_weight", "trans_cost", "trans_amp", "trans_spec", "voice_bias",
    "double_cost", "min_f0",     "max_f0",      "frame_step", "wind_dur",  "n_cands"};
inline constexpr std::array<float, f0NumParams> kF0ParamDefaults = {
    0.3f, 0.3f, 0.02f, 0.005f, 0.5f, 0.5f, 0.0f, 0.35f, 50.0f, 550.0f, 0.01f, 0.0075f, 20.0f};

// The sizes f0Init derives from the parameters and the sample rate.
struct F0Sizes {
  int step = 0;        // samples per frame
  int size = 0;        // full-rate correlation window
  int start = 0;       // shortest lag
  int stop = 0;        // longest lag
  int nlags = 0;
  int order = 0;       // LPC order of the stationarity measure
  int decimate = 1;
  int dStart = 0, dStep = 0, dNlags = 0, dSize = 0, dLen = 0;
  int ind = 0;         // full-rate samples a frame reads
  int statWsize = 0, agap = 0, windStatLim = 0;
  int framesPerBuffer = 0;
  int lookAhead = 0;
  int filterLength = 0;  // 0 when decimate is 1
  int buffStep = 0, buffSize = 0;
  int decimatedBufferSize = 0;
  int ringSize = 0, historyMinimum = 0, outputLimit = 0;
  float lagWeightPerSample = 0.0f;
  float frequencyWeight = 0.0f;
};

struct F0Tracker;  // f0Obj
struct F0TrackerDeleter {
  void operator()(F0Tracker* tracker) const;
};
using F0TrackerPtr = std::unique_ptr<F0Tracker, F0TrackerDeleter>;

F0TrackerPtr f0New();
// "name=value"; 1 on success, 0 (nothing changed) without '=', for an unknown name, or for a
// value that is not a finite number (nan, inf).
int f0SetParam(F0Tracker& tracker, std::string_view text);
// The current value; 0 for an unknown name.
float f0GetParam(const F0Tracker& tracker, std::string_view name);
int f0Init(F0Tracker& tracker, double sampFreq, int& buffSize, int& buffStep);
int f0Process(F0Tracker& tracker, const float* data, int nData);
int f0NumOutput(const F0Tracker& tracker);
float f0Output(const F0Tracker& tracker, int idx);
void f0Destroy(F0TrackerPtr& tracker);

// Valid after a successful f0Init.
const F0Sizes& f0DerivedSizes(const F0Tracker& tracker);

// The tracker's diagnostics so far, oldest first: parameter refusals, notes and failures of
// f0Init and f0Process, one text each without a line end.
const std::vector<std::string>& f0Diagnostics(const F0Tracker& tracker);

}  // namespace velmora::f0
