#include "analysis/formant_candidates.h"

namespace velmora::formant {
namespace {

class Enumerator {
 public:
  explicit Enumerator(const std::vector<Resonance>& resonances)
      : resonances_(resonances), count_(static_cast<int>(resonances.size())) {}

  std::vector<Candidate> run() {
    Candidate empty;
    empty.fill(-1);
    candidates_.push_back(empty);
    extend(0, 0, 0);
    return std::move(candidates_);
  }

 private:
  bool fits(int resonance, int slot) const {
    const Resonance& r = resonances_[static_cast<size_t>(resonance)];
    // A spare pole, not a formant (see the header).
    if (r.bandwidthHz > kBroadestFormantHz && r.bandwidthHz > kBroadestRelativeBandwidth * r.frequencyHz) return false;
    const double f = r.frequencyHz;
    return f >= kSlotTable[static_cast<size_t>(slot)].minimumHz && f <= kSlotTable[static_cast<size_t>(slot)].maximumHz;
  }

  int lastAssignedBelow(size_t candidate, int slot) const {
    for (int s = slot - 1; s >= 0; --s)
      if (candidates_[candidate][static_cast<size_t>(s)] >= 0) return candidates_[candidate][static_cast<size_t>(s)];
    return -1;
  }

  void extend(size_t candidate, int slot, int resonance) {
    if (slot >= kFormantSlots) return;
    if (resonance >= count_) {
      // Out of resonances with this slot still empty: what was skipped here may fit higher up.
      extend(candidate, slot + 1, lastAssignedBelow(candidate, slot) + 1);
      return;
    }
    if (!fits(resonance, slot)) {
      extend(candidate, slot, resonance + 1);
      return;
    }
    candidates_[candidate][static_cast<size_t>(slot)] = resonance;
    if (resonance + 1 < count_ && fits(resonance + 1, slot) && candidates_.size() < kMaxCandidates) {
      Candidate copy = candidates_[candidate];
      for (int s = slot; s < kFormantSlots; ++s) copy[static_cast<size_t>(s)] = -1;
      candidates_.push_back(copy);
      extend(candidates_.size() - 1, slot, resonance + 1);
    }
    extend(candidate, slot + 1, resonance + 1);
  }

  const std::vector<Resonance>& resonances_;
  const int count_;
  std::vector<Candidate> candidates_;
};

}  // namespace

std::vector<Candidate> mappingCandidates(const std::vector<Resonance>& resonances) {
  return Enumerator(resonances).run();
}

}  // namespace velmora::formant
