#pragma once
// Inside of the F0 tracker object, shared by f0.cpp (parameters, sizes, allocation) and
// f0_process.cpp (buffers, dynamic programming, release). Not for other users.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/candidates.h"
#include "analysis/downsample.h"
#include "analysis/f0.h"
#include "analysis/stationarity.h"

namespace velmora::f0 {

// One analysis frame in the circular, doubly linked ring.
struct Frame {
  Frame* next = nullptr;
  Frame* prev = nullptr;
  std::vector<float> correl;      // full-rate correlation, indexed by lag - start
  std::vector<Candidate> cands;   // voiced peaks, then the unvoiced candidate
};

inline constexpr int kMaxRingEnlargements = 6;

struct F0Tracker {
  std::array<float, f0NumParams> params = kF0ParamDefaults;
  double sampFreq = 0.0;
  bool initialised = false;
  F0Sizes sizes;

  std::optional<Decimator> decimator;
  std::vector<float> filtered;        // decimated buffer
  std::optional<Stationarity> stationarity;
  std::vector<StatRecord> stat;       // records of the current buffer's frames
  std::optional<CandidateFinder> finder;

  std::vector<std::unique_ptr<Frame>> frameStore;  // owns every frame of the ring
  Frame* current = nullptr;
  Frame* oldestUnreleased = nullptr;
  std::vector<int> pathcands;
  std::vector<float> output;          // newest first, as traced back
  int nOutput = 0;
  int framesHeld = 0;
  int ringEnlargements = 0;
  std::vector<std::string> diagnostics;  // f0Diagnostics

  void note(std::string text) { diagnostics.push_back(std::move(text)); }

  float param(int index) const { return params[static_cast<size_t>(index)]; }
};

enum ParamIndex : int {
  CandThresh = 0, LagWeight, FreqWeight, TransCost, TransAmp, TransSpec, VoiceBias,
  DoubleCost, MinF0, MaxF0, FrameStep, WindDur, NCands
};

// Inserts ringSize new frames after the current one; false (with a diagnostic) past the limit.
bool enlargeRing(F0Tracker& tracker);

}  // namespace velmora::f0
