// F0 tracker object: parameters, their checks, the derived sizes and the allocations.
#include <algorithm>
#include <cassert>
#include <charconv>
#include <climits>
#include <cmath>
#include <new>
#include <string>

#include "analysis/f0_object.h"
#include "analysis/sigproc.h"

namespace velmora::f0 {
namespace {

constexpr double kDecimatedRatePerMaxF0 = 2.5;

// Add a half and truncate toward zero (subtract for negatives).
int roundHalfAway(double x) { return static_cast<int>(x >= 0.0 ? x + 0.5 : x - 0.5); }

int paramIndex(std::string_view name) {
  for (int i = 0; i < f0NumParams; ++i) {
    if (kF0ParamNames[static_cast<size_t>(i)] == name) return i;
  }
  return -1;
}

// Like atof in the C locale: leading blanks, an optional sign, then as much of a number as
// there is; 0 when there is none. Independent of whatever locale the host process set.
float parseDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  float value = 0.0f;
  const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
  return result.ec == std::errc() ? value : 0.0f;
}

// True when value lies in [low, high]; a NaN lies nowhere.
bool within(float value, float low, float high) { return value >= low && value <= high; }

bool checkParameters(F0Tracker& t, double sampFreq) {
  bool ok = true;
  if (!within(t.param(CandThresh), 0.01f, 0.99f)) {
    t.note("F0: cand_thresh parameter must be between [0.01, 0.99].");
    ok = false;
  }
  if (!within(t.param(WindDur), 0.0001f, 0.1f)) {
    t.note("F0: wind_dur parameter must be between [0.0001, 0.1].");
    ok = false;
  }
  if (!within(t.param(NCands), 3.0f, 100.0f)) {
    t.note("F0: n_cands parameter must be between [3,100].");
    ok = false;
  }
  const float minF0 = t.param(MinF0);
  const float maxF0 = t.param(MaxF0);
  if (!(maxF0 > minF0) || !(maxF0 < sampFreq / 2.0) || !(minF0 >= sampFreq / 10000.0)) {
    t.note("F0: min(max)_f0 parameter inconsistent with record frequency");
    ok = false;
  }
  float& frameStep = t.params[FrameStep];
  // Snap to whole samples; a count too large for an int is far outside the range checked below.
  const double samples = sampFreq * frameStep;
  if (std::isfinite(samples) && std::fabs(samples) < INT_MAX / 2) {
    const auto snapped = static_cast<float>(roundHalfAway(samples) / sampFreq);
    if (snapped != frameStep) frameStep = snapped;
  }
  if (!(frameStep >= 1.0 / sampFreq && frameStep <= 0.1f)) {
    t.note("F0: frame_step parameter must be between [1/sampFreq, 0.1]");
    ok = false;
  }
  if (!ok) t.note("F0: invalid/inconsistent parameters -- exiting.");
  return ok;
}

F0Sizes deriveSizes(F0Tracker& t, double sampFreq) {
  F0Sizes s;
  const float frameStep = t.param(FrameStep);
  s.step = roundHalfAway(frameStep * sampFreq);
  s.size = roundHalfAway(sampFreq * t.param(WindDur));
  s.start = roundHalfAway(sampFreq / t.param(MaxF0));
  s.stop = roundHalfAway(sampFreq / t.param(MinF0));
  s.nlags = s.stop - s.start + 1;
  s.order = static_cast<int>(sampFreq / 1000.0 + 2.5);
  if (s.order > kMaxLpcOrder) {
    t.note("F0: Optimum order limited to " + std::to_string(kMaxLpcOrder));
    s.order = kMaxLpcOrder;
  }
  // About 2 kHz, but never so far that max_f0 lies near or above the decimated Nyquist
  // frequency (the coarse search could not see it): the decimated rate stays at least
  // 2.5 * max_f0. The default 550 Hz keeps the factors 5, 11 and 22.
  s.decimate = std::max(1, std::min(static_cast<int>(sampFreq / 2000.0),
                                    static_cast<int>(sampFreq / (kDecimatedRatePerMaxF0 * t.param(MaxF0)))));
  s.dStart = std::max(1, s.start / s.decimate);
  s.dStep = s.step / s.decimate;
  s.dNlags = s.nlags / s.decimate + 1;
  s.dSize = s.size / s.decimate + 1;
  s.dLen = s.dSize + s.dStart + s.dNlags;
  s.ind = std::max(s.size + s.stop + 1, s.dLen * s.decimate);
  s.statWsize = static_cast<int>(sampFreq * 0.03);
  s.agap = static_cast<int>(sampFreq * 0.02);
  s.windStatLim = s.agap / s.step;
  if (s.ind >= s.step) {
    s.framesPerBuffer = static_cast<int>((0.2 * sampFreq - s.ind) / s.step) + 1;
  } else {
    s.framesPerBuffer = static_cast<int>(0.2 * sampFreq / s.step);
  }
  s.filterLength = s.decimate >= 2 ? (static_cast<int>(sampFreq * 0.005) | 1) : 0;
  s.lookAhead = std::max(s.ind, (s.statWsize + s.agap) / 2) + s.filterLength / 2;
  s.buffStep = s.framesPerBuffer * s.step;
  s.buffSize = s.buffStep + s.lookAhead;
  s.decimatedBufferSize = (s.framesPerBuffer - 1) * s.dStep + s.dLen;
  s.ringSize = static_cast<int>(1.5 / frameStep);
  s.historyMinimum = static_cast<int>(0.5 / frameStep);
  s.outputLimit = static_cast<int>(1.0 / frameStep);
  s.lagWeightPerSample = t.param(LagWeight) / static_cast<float>(s.stop);
  s.frequencyWeight = t.param(FreqWeight) / static_cast<float>(s.step / sampFreq);
  return s;
}

Frame* newRingFrame(F0Tracker& t) {
  auto frame = std::make_unique<Frame>();
  frame->correl.assign(static_cast<size_t>(t.sizes.nlags), 0.0f);
  frame->cands.reserve(static_cast<size_t>(t.param(NCands)));
  Frame* raw = frame.get();
  t.frameStore.push_back(std::move(frame));
  return raw;
}

// Allocation failures surface as bad_alloc; each stage reports with its own message.
template <typename Stage>
bool allocate(F0Tracker& t, const char* failureMessage, Stage stage) {
  try {
    stage();
    return true;
  } catch (const std::bad_alloc&) {
    t.note(failureMessage);
    return false;
  }
}

}  // namespace

void F0TrackerDeleter::operator()(F0Tracker* tracker) const { delete tracker; }

F0TrackerPtr f0New() { return F0TrackerPtr(new (std::nothrow) F0Tracker()); }

int f0SetParam(F0Tracker& tracker, std::string_view text) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos) return 0;
  const int index = paramIndex(text.substr(0, equals));
  if (index < 0) return 0;
  const float value = parseDecimal(text.substr(equals + 1));
  if (!std::isfinite(value)) return 0;  // "nan" and "inf" parse, but no check could hold them
  tracker.params[static_cast<size_t>(index)] = value;
  return 1;
}

float f0GetParam(const F0Tracker& tracker, std::string_view name) {
  const int index = paramIndex(name);
  return index < 0 ? 0.0f : tracker.param(index);
}

int f0Init(F0Tracker& t, double sampFreq, int& buffSize, int& buffStep) {
  assert(!t.initialised && "a tracker is initialised once");
  if (t.initialised || !checkParameters(t, sampFreq)) return 0;
  t.sampFreq = sampFreq;
  t.sizes = deriveSizes(t, sampFreq);
  const F0Sizes& s = t.sizes;
  assert(s.start < s.stop);

  const auto nCands = static_cast<int>(t.param(NCands));
  const bool ok =
      allocate(t, "windstat malloc failed",
               [&] {
                 t.stationarity.emplace(StationaritySizes{s.step, s.statWsize, s.agap, s.order, s.windStatLim});
               }) &&
      allocate(t, "Error allocating memory for stat buffer",
               [&] { t.stat.reserve(static_cast<size_t>(s.framesPerBuffer)); }) &&
      allocate(t, "Can't allocate memory for dowsampled signal",
               [&] { t.filtered.assign(static_cast<size_t>(s.decimatedBufferSize), 0.0f); }) &&
      allocate(t, "Error allocating frame",
               [&] {
                 Frame* head = newRingFrame(t);
                 Frame* tail = head;
                 for (int i = 1; i < s.ringSize; ++i) {
                   Frame* f = newRingFrame(t);
                   tail->next = f;
                   f->prev = tail;
                   tail = f;
                 }
                 tail->next = head;
                 head->prev = tail;
                 t.current = head;  // holds no candidates: the first frame's predecessor
                 t.oldestUnreleased = head->next;
               }) &&
      allocate(t, "can't allocate pathcands", [&] { t.pathcands.reserve(static_cast<size_t>(nCands)); }) &&
      allocate(t, "Error allocating output buffer", [&] { t.output.reserve(static_cast<size_t>(s.ringSize)); }) &&
      allocate(t, "peakVals malloc failed", [&] {
        t.finder.emplace(CandidateSizes{s.start, s.nlags, s.size, s.decimate, s.dStart, s.dNlags, s.dSize,
                                        t.param(CandThresh), s.lagWeightPerSample, t.param(VoiceBias), nCands});
      });
  if (!ok) return 0;
  if (s.decimate >= 2) {
    t.decimator.emplace();
    if (!t.decimator->design(sampFreq, s.decimate)) {
      t.note("Error computing downsampling filter");
      return 0;
    }
  }
  t.initialised = true;
  buffSize = s.buffSize;
  buffStep = s.buffStep;
  return 1;
}

bool enlargeRing(F0Tracker& t) {
  ++t.ringEnlargements;
  if (t.ringEnlargements > kMaxRingEnlargements) {
    t.note("F0: too many requests (" + std::to_string(t.ringEnlargements) +
           ") for space allocation\n There may be a problem in finding converged path");
    return false;
  }
  return allocate(t, "Error allocating frame", [&] {
    Frame* after = t.current;
    Frame* following = after->next;
    for (int i = 0; i < t.sizes.ringSize; ++i) {
      Frame* f = newRingFrame(t);
      f->prev = after;
      after->next = f;
      after = f;
    }
    after->next = following;
    following->prev = after;
  });
}

int f0NumOutput(const F0Tracker& tracker) { return tracker.nOutput; }

float f0Output(const F0Tracker& tracker, int idx) {
  assert(idx >= 0 && idx < tracker.nOutput);
  if (idx < 0 || idx >= tracker.nOutput) return 0.0f;
  // Traced back newest first; handed out oldest first.
  return tracker.output[static_cast<size_t>(tracker.nOutput - 1 - idx)];
}

void f0Destroy(F0TrackerPtr& tracker) { tracker.reset(); }

const F0Sizes& f0DerivedSizes(const F0Tracker& tracker) { return tracker.sizes; }

const std::vector<std::string>& f0Diagnostics(const F0Tracker& tracker) { return tracker.diagnostics; }

}  // namespace velmora::f0
