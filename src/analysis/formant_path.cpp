#include "analysis/formant_path.h"

#include <algorithm>
#include <cmath>

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

std::vector<std::vector<Node>> forwardPass(const std::vector<FrameResonances>& frames) {
  double largestRms = 0.0;
  for (const FrameResonances& f : frames) largestRms = std::max(largestRms, f.rms);

  std::vector<std::vector<Node>> nodes(frames.size());
  for (size_t t = 0; t < frames.size(); ++t) {
    const FrameResonances& frame = frames[t];
    // A recording of pure silence has no largest RMS to divide by; its frames cost nothing to join.
    const double weight = largestRms > 0.0 ? frame.rms / largestRms * kFramesPerSecond * kChangeFactor * 0.01 : 0.0;
    nodes[t].resize(frame.candidates.size());
    for (size_t c = 0; c < frame.candidates.size(); ++c) {
      Node& node = nodes[t][c];
      for (int s = 0; s < kFormantSlots; ++s) {
        const int index = frame.candidates[c][static_cast<size_t>(s)];
        node.frequencyHz[static_cast<size_t>(s)] = index < 0 ? 0.0 : frame.resonances[static_cast<size_t>(index)].frequencyHz;
      }
      double transition = 0.0;
      if (t > 0) {
        transition = kNoPathCost;
        const std::vector<Node>& previous = nodes[t - 1];
        for (size_t d = 0; d < previous.size(); ++d) {
          const double cost = changeCost(node, previous[d]) * weight + previous[d].accumulated;
          if (cost < transition) {
            transition = cost;
            node.back = static_cast<int>(d);
          }
        }
        if (previous.empty()) transition = 0.0;
      }
      node.accumulated = transition + localCost(frame, frame.candidates[c]);
    }
  }
  return nodes;
}

Resonance nominalSlot(int s) {
  return Resonance{kSlotTable[static_cast<size_t>(s)].nominalHz, 0.0, kMissingBandwidthHz};
}

}  // namespace

std::vector<SlotValues> trackFormantSlots(const std::vector<FrameResonances>& frames) {
  const std::vector<std::vector<Node>> nodes = forwardPass(frames);
  std::vector<SlotValues> out(frames.size());
  int following = -1;  // candidate of frame t on the path being followed, -1 for none
  for (size_t t = frames.size(); t-- > 0;) {
    const std::vector<Node>& frameNodes = nodes[t];
    SlotValues& slots = out[t];
    if (frameNodes.empty()) {
      for (int s = 0; s < kFormantSlots; ++s) slots[static_cast<size_t>(s)] = nominalSlot(s);
      following = -1;
      continue;
    }
    if (following < 0) {
      following = 0;
      for (size_t c = 1; c < frameNodes.size(); ++c)
        if (frameNodes[c].accumulated < frameNodes[static_cast<size_t>(following)].accumulated) following = static_cast<int>(c);
    }
    const Candidate& chosen = frames[t].candidates[static_cast<size_t>(following)];
    for (int s = 0; s < kFormantSlots; ++s) {
      const int index = chosen[static_cast<size_t>(s)];
      if (index >= 0) slots[static_cast<size_t>(s)] = frames[t].resonances[static_cast<size_t>(index)];
      else if (t + 1 < frames.size()) slots[static_cast<size_t>(s)] = out[t + 1][static_cast<size_t>(s)];
      else slots[static_cast<size_t>(s)] = nominalSlot(s);
    }
    following = frameNodes[static_cast<size_t>(following)].back;
  }
  return out;
}

}  // namespace velmora::formant
