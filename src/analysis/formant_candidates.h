#pragma once
// Mapping candidates of one frame: ways of giving the frame's resonances (ordered by
// frequency) to the formant slots, each slot empty or holding one resonance inside the slot's
// frequency range, resonances taken in increasing order and each at most once.
//
// Enumeration (depth first, the order decides which candidates survive the limit and which
// one wins a tie later on): at slot s with resonance p,
//   - p fits s: p goes to s and the search goes on at s + 1 with p + 1; when p + 1 fits s too,
//     a copy of the candidate (slots below s only) is made first and explores p + 1 at s;
//   - p does not fit s: p + 1 is tried at s;
//   - no resonances left while s is empty: the search goes on at s + 1 from the resonance after
//     the last one assigned.
// At most kMaxCandidates are kept. Without resonances the one candidate leaves every slot empty.
// A resonance broader than kBroadestFormantHz and than kBroadestRelativeBandwidth times its
// frequency fits no slot: such a pole models the spectral slope or the gap between harmonics.
// Offered to a slot it was cheaper than leaving the slot empty and pushed the real formants up.
#include <array>
#include <vector>

#include "analysis/formant_resonances.h"

namespace velmora::formant {

constexpr int kFormantSlots = 5;
constexpr int kMaxCandidates = 300;
constexpr double kBroadestFormantHz = 300.0;
constexpr double kBroadestRelativeBandwidth = 0.4;

struct SlotRange {
  double nominalHz;
  double minimumHz;
  double maximumHz;
};

// Slots 0 .. 6 of the tracker's table; only the first kFormantSlots are used.
inline constexpr std::array<SlotRange, 7> kSlotTable = {{{500, 50, 1500},
                                                         {1500, 400, 3500},
                                                         {2500, 1000, 4500},
                                                         {3500, 2000, 5000},
                                                         {4500, 2000, 6000},
                                                         {5500, 3000, 6000},
                                                         {6500, 3000, 8000}}};

// Index of the resonance in each slot, -1 for an empty slot.
using Candidate = std::array<int, kFormantSlots>;

std::vector<Candidate> mappingCandidates(const std::vector<Resonance>& resonances);

}  // namespace velmora::formant
