// Mapping resonances to formant slots: the candidates of one frame and the path through frames.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "analysis/formant_candidates.h"
#include "analysis/formant_path.h"

namespace velmora::formant {
namespace {

std::vector<Resonance> resonancesAt(std::initializer_list<double> frequenciesHz, double bandwidthHz = 80.0) {
  std::vector<Resonance> r;
  for (double f : frequenciesHz) r.push_back(Resonance{f, 40.0, bandwidthHz});
  return r;
}

void expectWellFormed(const std::vector<Candidate>& candidates, const std::vector<Resonance>& r) {
  std::set<Candidate> distinct(candidates.begin(), candidates.end());
  EXPECT_EQ(distinct.size(), candidates.size()) << "duplicate candidates";
  for (const Candidate& c : candidates) {
    int previous = -1;
    for (int s = 0; s < kFormantSlots; ++s) {
      const int index = c[static_cast<size_t>(s)];
      if (index < 0) continue;
      EXPECT_GT(index, previous) << "resonances out of order or reused";
      previous = index;
      const double f = r[static_cast<size_t>(index)].frequencyHz;
      EXPECT_GE(f, kSlotTable[static_cast<size_t>(s)].minimumHz);
      EXPECT_LE(f, kSlotTable[static_cast<size_t>(s)].maximumHz);
    }
  }
}

TEST(MappingCandidates, NoResonancesGiveTheOneEmptyCandidate) {
  const std::vector<Candidate> c = mappingCandidates({});
  ASSERT_EQ(c.size(), 1u);
  for (int index : c[0]) EXPECT_EQ(index, -1);
}

TEST(MappingCandidates, A1400HertzResonanceFillsSlotZeroOrOneNeverTwo) {
  bool inSlot0 = false, inSlot1 = false;
  for (std::initializer_list<double> frame : {std::initializer_list<double>{1400}, {300, 1400}, {300, 1400, 2500},
                                             {1300, 1400, 1450, 2600}, {350, 1400, 1480, 3000, 4000}}) {
    const std::vector<Resonance> r = resonancesAt(frame);
    size_t at = 0;
    while (r[at].frequencyHz != 1400) ++at;
    const std::vector<Candidate> c = mappingCandidates(r);
    expectWellFormed(c, r);
    for (const Candidate& k : c) {
      inSlot0 |= k[0] == static_cast<int>(at);
      inSlot1 |= k[1] == static_cast<int>(at);
      for (int s = 2; s < kFormantSlots; ++s) EXPECT_NE(k[static_cast<size_t>(s)], static_cast<int>(at));
    }
  }
  EXPECT_TRUE(inSlot0);
  EXPECT_TRUE(inSlot1);
}

TEST(MappingCandidates, TypicalVowelFrame) {
  const std::vector<Resonance> r = resonancesAt({730, 1090, 2440, 3400, 4300});
  const std::vector<Candidate> c = mappingCandidates(r);
  expectWellFormed(c, r);
  // The natural reading comes first: every resonance in its own slot, in order.
  EXPECT_EQ(c.front(), (Candidate{0, 1, 2, 3, 4}));
  // 1090 fits slot 0 as well, so the copy with 1090 as the first formant is explored too.
  bool shifted = false;
  for (const Candidate& k : c) shifted |= k[0] == 1;
  EXPECT_TRUE(shifted);
}

TEST(MappingCandidates, DenseFramesAreCutAtThreeHundred) {
  std::vector<Resonance> r;
  for (int k = 0; k < kMaxResonances; ++k) r.push_back(Resonance{600.0 + 300.0 * k, 40.0, 100.0});
  const std::vector<Candidate> c = mappingCandidates(r);
  EXPECT_EQ(c.size(), static_cast<size_t>(kMaxCandidates));
  expectWellFormed(c, r);
}

FrameResonances frameOf(std::vector<Resonance> r, double rms = 1000.0) {
  FrameResonances f;
  f.rms = rms;
  f.resonances = std::move(r);
  f.candidates = mappingCandidates(f.resonances);
  return f;
}

TEST(FormantPath, EmptySlotsCopyTheFollowingFrameOrTakeNominalValuesAtTheEnd) {
  std::vector<FrameResonances> frames;
  // The later frames are quiet, so joining them costs little and frame 1 fills all five slots
  // although its neighbours leave slots empty.
  frames.push_back(frameOf(resonancesAt({520, 1480, 2490})));
  frames.push_back(frameOf(resonancesAt({510, 1490, 2510, 3450, 4400}), 50.0));
  frames.push_back(frameOf(resonancesAt({505, 1495}), 50.0));
  const std::vector<SlotValues> slots = trackFormantSlots(frames);
  ASSERT_EQ(slots.size(), 3u);
  EXPECT_EQ(slots[2][0].frequencyHz, 505);
  EXPECT_EQ(slots[2][1].frequencyHz, 1495);
  for (int s = 2; s < kFormantSlots; ++s) {
    EXPECT_EQ(slots[2][static_cast<size_t>(s)].frequencyHz, kSlotTable[static_cast<size_t>(s)].nominalHz);
    EXPECT_EQ(slots[2][static_cast<size_t>(s)].bandwidthHz, 1000.0);
    EXPECT_EQ(slots[2][static_cast<size_t>(s)].levelDb, 0.0);
  }
  EXPECT_EQ(slots[1][3].frequencyHz, 3450);
  EXPECT_EQ(slots[0][2].frequencyHz, 2490);
  EXPECT_EQ(slots[0][3].frequencyHz, 3450);  // copied from the frame after
  EXPECT_EQ(slots[0][4].frequencyHz, 4400);
  EXPECT_EQ(slots[0][3].bandwidthHz, 80.0);
}

TEST(FormantPath, ContinuityOutweighsTheNominalPullInLoudFrames) {
  // A formant near 1300 Hz fits slot 0 and slot 1. Alone, a frame would read it as F2
  // (nominal 1500); between frames where it clearly follows a 1000 Hz F2, and with a low F1
  // present in them, the path keeps it in slot 1 too.
  std::vector<FrameResonances> frames;
  for (int t = 0; t < 5; ++t) frames.push_back(frameOf(resonancesAt({300, 1300, 2500, 3500, 4500})));
  const std::vector<SlotValues> slots = trackFormantSlots(frames);
  for (const SlotValues& s : slots) {
    EXPECT_EQ(s[0].frequencyHz, 300);
    EXPECT_EQ(s[1].frequencyHz, 1300);
  }
}

TEST(FormantPath, SilentRecordingGivesNominalFrequenciesWithoutDividingByZero) {
  std::vector<FrameResonances> frames(4);
  for (FrameResonances& f : frames) f = frameOf({}, 0.0);
  const std::vector<SlotValues> slots = trackFormantSlots(frames);
  for (const SlotValues& s : slots)
    for (int k = 0; k < kFormantSlots; ++k) EXPECT_EQ(s[static_cast<size_t>(k)].frequencyHz, kSlotTable[static_cast<size_t>(k)].nominalHz);
}

// The costs written out once more, plainly, to check the dynamic programme against every path.
double localCostOf(const FrameResonances& f, const Candidate& c) {
  double cost = 0.0;
  for (int s = 0; s < kFormantSlots; ++s) {
    const double nominal = kSlotTable[static_cast<size_t>(s)].nominalHz;
    const int i = c[static_cast<size_t>(s)];
    const double freq = i < 0 ? nominal : f.resonances[static_cast<size_t>(i)].frequencyHz;
    cost += 0.002 * (i < 0 ? 1000.0 : f.resonances[static_cast<size_t>(i)].bandwidthHz);
    cost += 0.3 * (i < 0 ? 1.0 : std::abs(freq - nominal) / nominal);
  }
  return cost;
}

double changeCostOf(const FrameResonances& a, const Candidate& ca, const FrameResonances& b, const Candidate& cb) {
  double sum = 0.0;
  for (int s = 0; s < kFormantSlots; ++s) {
    const int i = ca[static_cast<size_t>(s)], j = cb[static_cast<size_t>(s)];
    if (i < 0 && j < 0) continue;  // empty on both sides: no change
    if (i < 0 || j < 0) {
      sum += 1.0;
      continue;
    }
    const double f = a.resonances[static_cast<size_t>(i)].frequencyHz, g = b.resonances[static_cast<size_t>(j)].frequencyHz;
    sum += (2.0 * std::abs(f - g) / (f + g)) * (2.0 * std::abs(f - g) / (f + g));
  }
  return sum;
}

TEST(FormantPath, FollowsTheCheapestOfAllPaths) {
  std::vector<FrameResonances> frames;
  frames.push_back(frameOf(resonancesAt({640, 1150, 1450, 2600, 3400}), 800.0));
  frames.push_back(frameOf(resonancesAt({700, 1380, 2450, 3300}, 150.0), 100.0));
  frames.push_back(frameOf(resonancesAt({300, 1100, 1400, 2500, 3600, 4400}), 1000.0));
  frames[1].resonances[1].bandwidthHz = 400.0;
  const double largest = 1000.0;
  double best = 1e300;
  std::array<size_t, 3> bestPath{};
  for (size_t a = 0; a < frames[0].candidates.size(); ++a)
    for (size_t b = 0; b < frames[1].candidates.size(); ++b)
      for (size_t c = 0; c < frames[2].candidates.size(); ++c) {
        const Candidate& ka = frames[0].candidates[a];
        const Candidate& kb = frames[1].candidates[b];
        const Candidate& kc = frames[2].candidates[c];
        const double cost = localCostOf(frames[0], ka) + localCostOf(frames[1], kb) + localCostOf(frames[2], kc) +
                            changeCostOf(frames[1], kb, frames[0], ka) * 20.0 * frames[1].rms / largest +
                            changeCostOf(frames[2], kc, frames[1], kb) * 20.0 * frames[2].rms / largest;
        if (cost < best - 1e-12) {
          best = cost;
          bestPath = {a, b, c};
        }
      }
  ASSERT_GT(frames[2].candidates.size(), 3u);  // a real choice to make
  const std::vector<SlotValues> slots = trackFormantSlots(frames);
  for (size_t t = 0; t < 3; ++t) {
    const Candidate& k = frames[t].candidates[bestPath[t]];
    for (int s = 0; s < kFormantSlots; ++s) {
      const int i = k[static_cast<size_t>(s)];
      if (i >= 0) {
        EXPECT_EQ(slots[t][static_cast<size_t>(s)].frequencyHz, frames[t].resonances[static_cast<size_t>(i)].frequencyHz)
            << "frame " << t << " slot " << s;
      }
    }
  }
}

TEST(FormantPath, TiesGoToTheFirstCandidate) {
  // Two resonances identical but for their level make candidates of equal cost; the level
  // in the output tells which one was chosen.
  std::vector<Resonance> r = resonancesAt({1000, 1000, 1100, 2500, 3500, 4500});
  r[0].levelDb = 10.0;
  r[1].levelDb = 20.0;
  const FrameResonances frame = frameOf(r);
  double best = 1e300;
  size_t first = 0;
  int atBest = 0;
  for (size_t c = 0; c < frame.candidates.size(); ++c) {
    const double cost = localCostOf(frame, frame.candidates[c]);
    if (cost < best - 1e-12) {
      best = cost;
      first = c;
      atBest = 1;
    } else if (std::abs(cost - best) <= 1e-12) {
      ++atBest;
    }
  }
  ASSERT_GE(atBest, 2);  // the case needs a real tie
  const std::vector<SlotValues> slots = trackFormantSlots({frame});
  for (int s = 0; s < kFormantSlots; ++s) {
    const int i = frame.candidates[first][static_cast<size_t>(s)];
    if (i >= 0) {
      EXPECT_EQ(slots[0][static_cast<size_t>(s)].levelDb, r[static_cast<size_t>(i)].levelDb) << s;
    }
  }
}

}  // namespace
}  // namespace velmora::formant
