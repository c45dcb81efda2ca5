#include "analysis/formant_path.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velmora::formant {
namespace {

constexpr double kFramesPerSecond = 100.0;
constexpr double kMissingCost = 1.0;
constexpr double kMissingBandwidthHz = 1000.0;
constexpr double kChangeFactor = 20.0;
constexpr double kNominalFactor = 0.3;
constexpr double kBandwidthFactor = 0.002;
constexpr double kLowFrequencyBias = 0.0;
constexpr double kNoPathCost = 2e30;
// Each weight is divided by frames per second * 0.01, which is 1 at 100 frames per second.
constexpr double kWeightScale = kFramesPerSecond * 0.01;

struct Node {
  std::array<double, kFormantSlots> frequencyHz;  // 0 for an empty slot
  double accumulated = 0.0;
  int back = -1;
};

double localCost(const FrameResonances& frame, const Candidate& c) {
  double sumF = 0.0, sumD = 0.0, sumB = 0.0;
  for (int s = 0; s < kFormantSlots; ++s) {
    const double nominal = kSlotTable[static_cast<size_t>(s)].nominalHz;
    const int index = c[static_cast<size_t>(s)];
    if (index < 0) {
      sumF += nominal;
      sumD += 1.0;
      sumB += kMissingBandwidthHz;
    } else {
      const Resonance& r = frame.resonances[static_cast<size_t>(index)];
      sumF += r.frequencyHz;
      sumD += std::abs(r.frequencyHz - nominal) / nominal;
      sumB += r.bandwidthHz;
    }
  }
  return sumF * kLowFrequencyBias / kWeightScale + sumB * kBandwidthFactor / kWeightScale +
         sumD * kNominalFactor / kWeightScale;
}

double changeCost(const Node& a, const Node& b) {
  double sum = 0.0;
  for (int s = 0; s < kFormantSlots; ++s) {
    const double f = a.frequencyHz[static_cast<size_t>(s)], g = b.frequencyHz[static_cast<size_t>(s)];
    // A slot empty on both sides has not changed: charging it every frame would make any
    // broad spare pole cheaper than leaving the slot empty.
    if (f <= 0.0 && g <= 0.0) continue;
    if (f <= 0.0 || g <= 0.0) {
      sum += kMissingCost;
    } else {
      const double relative = 2.0 * std::abs(f - g) / (f + g);
      sum += relative * relative;
    }
  }
  return sum;
}

Resonance nominalSlot(int s) {
  return Resonance{kSlotTable[static_cast<size_t>(s)].nominalHz, 0.0, kMissingBandwidthHz};
}

}  // namespace

std::vector<SlotValues> trackFormantSlots(const std::vector<FrameResonances>& frames) {
  std::vector<SlotValues> out(frames.size());
  traceFormantSlots(
      frames, [&frames](size_t t) -> const std::vector<Candidate>& { return frames[t].candidates; },
      [&out](size_t t, const SlotValues& slots) { out[t] = slots; });
  return out;
}

void traceFormantSlots(const std::vector<FrameResonances>& frames, const CandidatesOf& candidatesOf,
                       const SlotSink& sink) {
  double largestRms = 0.0;
  for (const FrameResonances& f : frames) largestRms = std::max(largestRms, f.rms);

  // Forward: only the previous frame's nodes are kept; of every frame, its back-pointers and
  // its cheapest candidate (first on ties) stay for the back-trace.
  std::vector<int16_t> backs;
  std::vector<size_t> firstBack(frames.size() + 1, 0);
  std::vector<int16_t> cheapest(frames.size(), -1);
  std::vector<Node> previous, current;
  for (size_t t = 0; t < frames.size(); ++t) {
    const FrameResonances& frame = frames[t];
    const std::vector<Candidate>& candidates = candidatesOf(t);
    // A recording of pure silence has no largest RMS to divide by; its frames cost nothing to join.
    const double weight = largestRms > 0.0 ? frame.rms / largestRms * kFramesPerSecond * kChangeFactor * 0.01 : 0.0;
    current.assign(candidates.size(), Node{});
    for (size_t c = 0; c < candidates.size(); ++c) {
      Node& node = current[c];
      for (int s = 0; s < kFormantSlots; ++s) {
        const int index = candidates[c][static_cast<size_t>(s)];
        node.frequencyHz[static_cast<size_t>(s)] = index < 0 ? 0.0 : frame.resonances[static_cast<size_t>(index)].frequencyHz;
      }
      double transition = 0.0;
      if (t > 0) {
        transition = kNoPathCost;
        for (size_t d = 0; d < previous.size(); ++d) {
          const double cost = changeCost(node, previous[d]) * weight + previous[d].accumulated;
          if (cost < transition) {
            transition = cost;
            node.back = static_cast<int>(d);
          }
        }
        if (previous.empty()) transition = 0.0;
      }
      node.accumulated = transition + localCost(frame, candidates[c]);
      backs.push_back(static_cast<int16_t>(node.back));
      if (cheapest[t] < 0 || node.accumulated < current[static_cast<size_t>(cheapest[t])].accumulated)
        cheapest[t] = static_cast<int16_t>(c);
    }
    firstBack[t + 1] = backs.size();
    std::swap(previous, current);
  }

  int following = -1;  // candidate of frame t on the path being followed, -1 for none
  SlotValues later{};  // the slots of frame t + 1
  for (size_t t = frames.size(); t-- > 0;) {
    SlotValues slots;
    if (firstBack[t + 1] == firstBack[t]) {  // a frame without candidates
      for (int s = 0; s < kFormantSlots; ++s) slots[static_cast<size_t>(s)] = nominalSlot(s);
      following = -1;
    } else {
      if (following < 0) following = cheapest[t];
      const Candidate& chosen = candidatesOf(t)[static_cast<size_t>(following)];
      for (int s = 0; s < kFormantSlots; ++s) {
        const int index = chosen[static_cast<size_t>(s)];
        if (index >= 0) slots[static_cast<size_t>(s)] = frames[t].resonances[static_cast<size_t>(index)];
        else if (t + 1 < frames.size()) slots[static_cast<size_t>(s)] = later[static_cast<size_t>(s)];
        else slots[static_cast<size_t>(s)] = nominalSlot(s);
      }
      following = backs[firstBack[t] + static_cast<size_t>(following)];
    }
    sink(t, slots);
    later = slots;
  }
}

}  // namespace velmora::formant
