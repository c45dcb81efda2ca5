#pragma once
// Choosing one mapping candidate per frame by dynamic programming, then reading the formant
// slots back along the best path.
//
// Costs of candidate c in frame t (weights are the tracker's constants below):
//   local      = bandwidth sum * 0.002 + relative deviation from the nominal frequencies * 0.3,
//                an empty slot counting as its nominal frequency, bandwidth 1000, deviation 1;
//   transition = min over candidates d of frame t - 1 of
//                (sum over slots of 0 for a slot empty on both sides, 1 for one empty on one side,
//                else (2|f - g| / (f + g))^2)
//                * W_t + accumulated(d), with W_t = 20 * frameRms / largest frame RMS;
//   accumulated = transition + local.
// Ties go to the first candidate. The back-trace starts at the cheapest candidate of the last
// frame; an empty slot takes the values of the same slot in the following frame, or in the
// last frame the nominal frequency with bandwidth 1000 and level 0.
#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "analysis/formant_candidates.h"
#include "analysis/formant_resonances.h"

namespace velmora::formant {

struct FrameResonances {
  double rms = 0.0;
  std::vector<Resonance> resonances;
  std::vector<Candidate> candidates;
};

using SlotValues = std::array<Resonance, kFormantSlots>;

std::vector<SlotValues> trackFormantSlots(const std::vector<FrameResonances>& frames);

// The same, with the candidates of frame t given by candidatesOf(t) (asked for once going
// forward and once in the back-trace) instead of the frames' own, and each frame's slots handed
// to sink, last frame first: a long recording then needs neither every frame's candidates, nor
// its nodes, nor its slots, only one back-pointer per candidate.
using CandidatesOf = std::function<const std::vector<Candidate>&(size_t t)>;
using SlotSink = std::function<void(size_t t, const SlotValues& slots)>;
void traceFormantSlots(const std::vector<FrameResonances>& frames, const CandidatesOf& candidatesOf,
                       const SlotSink& sink);

}  // namespace velmora::formant
