// F0 tracker, per buffer: decimation, stationarity, candidates, the dynamic-programming step
// of every frame, the search for a converged best path and the release of its frames.
#include <algorithm>
#include <cassert>
#include <cfloat>
#include <cmath>
#include <functional>
#include <new>

#include "analysis/f0_object.h"

namespace velmora::f0 {
namespace {

constexpr float kLn2 = 0.6931472f;

// Joins the current frame to the best-scoring candidate of its predecessor for each of its
// own candidates; the transition costs reward staying voiced at a steady pitch.
void dynamicProgrammingStep(const F0Tracker& t, Frame& frame, const StatRecord& record) {
  const Frame& previous = *frame.prev;
  const float s = record.stat;
  const float ratio = record.rmsRatio;
  const float transCost = t.param(TransCost);
  const float specCost = t.param(TransSpec) * s;
  const float toUnvoiced = transCost + specCost + t.param(TransAmp) * ratio;
  const float toVoiced = transCost + specCost + t.param(TransAmp) / ratio;
  const float doubleCost = t.param(DoubleCost);
  const float frequencyWeight = t.sizes.frequencyWeight;

  for (Candidate& cand : frame.cands) {
    if (previous.cands.empty()) {
      cand.backPtr = 0;
      continue;
    }
    float best = FLT_MAX;
    int32_t bestIndex = 0;
    for (size_t j = 0; j < previous.cands.size(); ++j) {
      const Candidate& before = previous.cands[j];
      float transition = 0.0f;
      if (cand.lag < 0) {
        transition = before.lag < 0 ? 0.0f : toUnvoiced;
      } else if (before.lag < 0) {
        transition = toVoiced;
      } else {
        const float d = std::log(static_cast<float>(cand.lag) / static_cast<float>(before.lag));
        const float m = std::min({std::fabs(d), std::fabs(d + kLn2) + doubleCost, std::fabs(d - kLn2) + doubleCost});
        transition = m * frequencyWeight;
      }
      const float total = transition + before.cost;
      if (total < best) {
        best = total;
        bestIndex = static_cast<int32_t>(j);
      }
    }
    cand.cost += best;
    cand.backPtr = bestIndex;
  }
}

int bestEnd(const Frame& frame) {
  int best = 0;
  for (size_t k = 1; k < frame.cands.size(); ++k) {
    if (frame.cands[k].cost < frame.cands[static_cast<size_t>(best)].cost) best = static_cast<int>(k);
  }
  return best;
}

bool allEqual(const std::vector<int>& values) {
  return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end();
}

// Parabolic interpolation of the correlation peak around lag, for the output only.
float refineLag(const F0Sizes& s, const Frame& frame, int lag) {
  if (lag == s.start || lag == s.stop) return static_cast<float>(lag);
  const auto i = static_cast<size_t>(lag - s.start);
  const float y0 = frame.correl[i - 1];
  const float y1 = frame.correl[i];
  const float y2 = frame.correl[i + 1];
  const float b = y0 + y2 - 2.0f * y1;
  if (std::fabs(2.0f * b) > 0.000001f) return static_cast<float>(lag) + (y0 - y2) / (2.0f * b);
  return static_cast<float>(lag);
}

struct PathEnd {
  Frame* frame = nullptr;
  int candidate = 0;
};

// The newest frame on which every surviving path agrees, or none yet.
std::optional<PathEnd> convergedPath(F0Tracker& t, bool last) {
  if (t.framesHeld <= 0) return std::nullopt;  // nothing to release (a frameless last buffer)
  if (t.framesHeld < t.sizes.historyMinimum && !last) return std::nullopt;
  Frame* current = t.current;
  const int best = bestEnd(*current);
  if (last) return PathEnd{current, best};

  const auto fallback = [&]() -> std::optional<PathEnd> {
    if (t.framesHeld < t.sizes.outputLimit) return std::nullopt;
    return PathEnd{current, best};
  };
  if (current == t.oldestUnreleased) return fallback();
  t.pathcands.clear();
  for (const Candidate& c : current->cands) t.pathcands.push_back(c.backPtr);
  for (Frame* frame = current->prev;; frame = frame->prev) {
    if (allEqual(t.pathcands)) return PathEnd{frame, t.pathcands.empty() ? 0 : t.pathcands.front()};
    if (frame == t.oldestUnreleased) return fallback();
    for (int& index : t.pathcands) {
      assert(static_cast<size_t>(index) < frame->cands.size());
      index = frame->cands[static_cast<size_t>(index)].backPtr;
    }
  }
}

void release(F0Tracker& t, PathEnd end) {
  Frame* frame = end.frame;
  int candidate = end.candidate;
  int released = 0;
  while (true) {
    const Candidate& c = frame->cands[static_cast<size_t>(candidate)];
    float f0 = 0.0f;
    if (c.lag >= 1) f0 = static_cast<float>(t.sampFreq / refineLag(t.sizes, *frame, c.lag));
    t.output.push_back(f0);
    ++released;
    candidate = c.backPtr;
    if (frame == t.oldestUnreleased) break;
    frame = frame->prev;
  }
  t.nOutput = released;
  t.oldestUnreleased = end.frame->next;
  t.framesHeld -= released;
}

}  // namespace

int f0Process(F0Tracker& t, const float* data, int nData) {
  assert(t.initialised && data != nullptr && nData >= 1);
  t.nOutput = 0;
  t.output.clear();
  if (!t.initialised || data == nullptr || nData < 1) return 0;
  const F0Sizes& s = t.sizes;
  const auto n = static_cast<size_t>(nData);

  const bool last = nData < s.buffSize;
  const int frames = last ? std::max(0, (nData - s.lookAhead) / s.step) : s.framesPerBuffer;

  // Decimation.
  size_t produced = 0;
  const size_t capacity = t.filtered.size();
  if (s.decimate == 1) {
    produced = std::min(n, capacity);
    std::copy(data, data + produced, t.filtered.begin());
  } else {
    produced = t.decimator->process(data, n, static_cast<size_t>(s.buffStep), t.filtered.data(), capacity);
  }
  std::fill(t.filtered.begin() + static_cast<long>(produced), t.filtered.end(), 0.0f);

  bool stationary = true;
  try {
    stationary = frames <= 0 || t.stationarity->process(data, n, frames, t.stat);
  } catch (const std::bad_alloc&) {
    stationary = false;
  }
  if (!stationary) {
    if (!t.stationarity->errorText().empty()) t.note(t.stationarity->errorText());
    t.note("F0: can't get stationarity");
    return 0;
  }

  try {
    for (int f = 0; f < frames; ++f) {
      t.current = t.current->next;
      Frame& frame = *t.current;
      t.finder->find(data + static_cast<size_t>(f) * static_cast<size_t>(s.step),
                     t.filtered.data() + static_cast<size_t>(f) * static_cast<size_t>(s.dStep), frame.correl,
                     frame.cands);
      dynamicProgrammingStep(t, frame, t.stat[static_cast<size_t>(f)]);
      if (t.current->next == t.oldestUnreleased && !enlargeRing(t)) return 0;
    }
    t.framesHeld += frames;

    const std::optional<PathEnd> end = convergedPath(t, last);
    if (end) release(t, *end);
  } catch (const std::bad_alloc&) {
    t.note("Error reallocating output frames");
    t.nOutput = 0;
    return 0;
  }
  return 1;
}

}  // namespace velmora::f0
