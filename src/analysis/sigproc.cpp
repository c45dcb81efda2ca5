#include "analysis/sigproc.h"

#include <cmath>
#include <new>
#include <numbers>
#include <utility>

namespace velmora::f0 {
namespace {

void tell(std::string* error, std::string text) {
  if (error != nullptr) *error = std::move(text);
}

// Windows kept between calls; one per thread so two trackers on two threads cannot clash.
thread_local std::vector<float> rmsWindow;
thread_local std::vector<float> lpcWindow;
thread_local std::vector<float> lpcScratch;

}  // namespace

float dotProduct(const float* a, const float* b, size_t n) {
  constexpr size_t kLanes = 8;
  float lanes[kLanes] = {};
  size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    for (size_t l = 0; l < kLanes; ++l) lanes[l] += a[i + l] * b[i + l];
  }
  float sum = ((lanes[0] + lanes[4]) + (lanes[1] + lanes[5])) + ((lanes[2] + lanes[6]) + (lanes[3] + lanes[7]));
  for (; i < n; ++i) sum += a[i] * b[i];
  return sum;
}

bool makeWindow(std::vector<float>& out, size_t n, int type, std::string* error) {
  if (type != HammingWindow && type != HanningWindow) {
    tell(error, "Unknown window type (" + std::to_string(type) + ")");
    return false;
  }
  const float a = type == HammingWindow ? 0.54f : 0.5f;
  const float b = 1.0f - a;
  const float arg = 2.0f * std::numbers::pi_v<float> / static_cast<float>(n);
  out.resize(n);
  for (size_t i = 0; i < n; ++i) out[i] = a - b * std::cos(arg * static_cast<float>(i));
  return true;
}

float windowedRms(const float* x, size_t n, std::string* error) {
  if (n == 0) return 0.0f;
  thread_local std::vector<float> weighted;
  try {
    if (rmsWindow.size() != n) makeWindow(rmsWindow, n, HanningWindow);
    weighted.resize(n);
  } catch (const std::bad_alloc&) {
    tell(error, "Memory error in Energy");
    throw;  // the stationarity stage reports its own failure
  }
  for (size_t i = 0; i < n; ++i) weighted[i] = x[i] * rmsWindow[i];
  return std::sqrt(dotProduct(weighted.data(), weighted.data(), n) / static_cast<float>(n));
}

bool lpc(const float* x, size_t n, int order, float preEmphasis, float stabilisationDb, LpcResult& out,
         std::string* error) {
  if (order < 1 || order > kMaxLpcOrder || n < 2) {
    tell(error, "Illegal LPC order or window length (" + std::to_string(order) + ", " + std::to_string(n) + ")");
    return false;
  }
  const size_t len = n - 1;
  try {
    lpcScratch.resize(len);
  } catch (const std::bad_alloc&) {
    tell(error, "Can't allocate scratch memory in lpc()");
    return false;
  }
  try {
    if (lpcWindow.size() != len) makeWindow(lpcWindow, len, HanningWindow);
  } catch (const std::bad_alloc&) {
    tell(error, "Can't allocate window memory in lpc()");
    return false;
  }
  for (size_t i = 0; i < len; ++i) lpcScratch[i] = (x[i + 1] - preEmphasis * x[i]) * lpcWindow[i];

  const auto p = static_cast<size_t>(order);
  std::vector<float>& r = out.autocorrelation;
  r.assign(p + 1, 0.0f);
  const float* y = lpcScratch.data();
  const float energy = dotProduct(y, y, len);
  // A silent window has no spectrum to speak of: treat it as white (r = 1, 0, 0, ...) so the
  // recursion below never divides by zero.
  r[0] = 1.0f;
  if (energy > 0.0f) {
    for (size_t k = 1; k <= p && k < len; ++k) r[k] = dotProduct(y, y + k, len - k) / energy;
  }
  if (stabilisationDb > 1.0f) {
    const float scale = 1.0f / (1.0f + std::pow(10.0f, -stabilisationDb / 20.0f));
    for (size_t k = 1; k <= p; ++k) r[k] *= scale;
  }

  // Levinson-Durbin.
  std::vector<float>& a = out.coefficients;
  a.assign(p, 0.0f);
  out.reflection.assign(p, 0.0f);
  thread_local std::vector<float> previous;
  float e = r[0];
  for (size_t i = 0; i < p && e > 0.0f; ++i) {
    float acc = r[i + 1];
    for (size_t j = 0; j < i; ++j) acc += a[j] * r[i - j];
    const float k = -acc / e;
    out.reflection[i] = k;
    previous.assign(a.begin(), a.end());
    for (size_t j = 0; j < i; ++j) a[j] = previous[j] + k * previous[i - 1 - j];
    a[i] = k;
    e *= 1.0f - k * k;
  }
  out.residualEnergy = e;
  return true;
}

float itakuraDistance(const std::vector<float>& a, const std::vector<float>& r, float g) {
  const size_t order = a.size();
  float b0 = 1.0f;
  for (float v : a) b0 += v * v;
  float sum = b0;
  for (size_t k = 1; k <= order; ++k) {
    float bk = a[k - 1];
    for (size_t i = 0; i + k < order; ++i) bk += a[i] * a[i + k];
    sum += r[k] * 2.0f * bk;
  }
  return sum / g;
}

}  // namespace velmora::f0
