#include "analysis/compute_f0.h"

#include <cstdio>
#include <new>
#include <string>

#include "analysis/f0.h"

namespace velmora {
namespace {

bool setParam(f0::F0Tracker& tracker, const char* name, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%s=%f", name, value);
  std::string fixed(text);
  // "%f" may have used the host's decimal comma; the tracker reads the C form.
  for (char& c : fixed) {
    if (c == ',') c = '.';
  }
  return f0::f0SetParam(tracker, fixed) == 1;
}

}  // namespace

size_t f0ValueCount(size_t n, int sampFreq, int framesPerSecond) {
  if (sampFreq <= 0 || framesPerSecond <= 0) return 0;
  return static_cast<size_t>(static_cast<double>(n) / sampFreq * framesPerSecond + 0.5);
}

namespace {

bool track(f0::F0Tracker& tracker, const float* samples, size_t n, int sampFreq, int minF0, int maxF0,
           int framesPerSecond, std::vector<float>& values) {
  if (!setParam(tracker, "frame_step", 1.0 / framesPerSecond) || !setParam(tracker, "min_f0", minF0) ||
      !setParam(tracker, "max_f0", maxF0)) {
    return false;
  }
  int buffSize = 0;
  int buffStep = 0;
  if (!f0::f0Init(tracker, static_cast<double>(sampFreq), buffSize, buffStep)) return false;

  const size_t count = f0ValueCount(n, sampFreq, framesPerSecond);
  values.reserve(count + 1);
  const auto size = static_cast<size_t>(buffSize);
  const auto step = static_cast<size_t>(buffStep);
  const size_t full = n < size ? 0 : (n - size) / step + 1;

  float lastF0 = 0.0f;
  bool anyReleased = false;
  const auto collect = [&] {
    const int released = f0::f0NumOutput(tracker);
    for (int i = 0; i < released; ++i) {
      lastF0 = f0::f0Output(tracker, i);
      anyReleased = true;
      if (values.size() < count) values.push_back(lastF0);
    }
  };
  for (size_t i = 0; i < full; ++i) {
    if (!f0::f0Process(tracker, samples + i * step, buffSize)) {
      values.clear();
      return false;
    }
    collect();
  }
  const size_t rest = n - full * step;
  // An empty signal has no last buffer to hand over; it simply has no values.
  if (rest > 0) {
    if (!f0::f0Process(tracker, samples + full * step, static_cast<int>(rest))) {
      values.clear();
      return false;
    }
    collect();
  }
  if (!anyReleased) lastF0 = 0.0f;
  values.resize(count, lastF0);
  return true;
}

}  // namespace

bool computeF0(const float* samples, size_t n, int sampFreq, int minF0, int maxF0, int framesPerSecond,
               std::vector<float>& values, std::vector<std::string>* diagnostics) {
  values.clear();
  if (framesPerSecond <= 0 || sampFreq <= 0) return false;
  f0::F0TrackerPtr tracker = f0::f0New();
  if (!tracker) return false;
  bool ok = false;
  bool outOfMemory = false;
  try {
    ok = track(*tracker, samples, n, sampFreq, minF0, maxF0, framesPerSecond, values);
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  if (!ok) values.clear();
  if (diagnostics != nullptr) {
    try {
      const std::vector<std::string>& notes = f0::f0Diagnostics(*tracker);
      diagnostics->insert(diagnostics->end(), notes.begin(), notes.end());
      if (outOfMemory) diagnostics->emplace_back("F0: out of memory");
    } catch (const std::bad_alloc&) {
      // No room even for the words: the result alone tells the failure.
    }
  }
  return ok;
}

}  // namespace velmora
