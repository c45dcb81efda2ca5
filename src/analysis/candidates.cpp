#include "analysis/candidates.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "analysis/sigproc.h"

namespace velmora::f0 {
namespace {

constexpr int kFineNeighbourhood = 7;  // lags correlated at the full rate around a candidate
// A peak at least this share of its double's value counts as the period (see find()).
constexpr float kOctaveShare = 0.85f;

float meanOf(const float* x, int n) {
  float sum = 0.0f;
  for (int i = 0; i < n; ++i) sum += x[i];
  return n > 0 ? sum / static_cast<float>(n) : 0.0f;
}

}  // namespace

CandidateFinder::CandidateFinder(const CandidateSizes& sizes) : sizes_(sizes) {
  coarse_.resize(static_cast<size_t>(std::max(sizes.dNlags, 0)));
  peakVals_.reserve(static_cast<size_t>(sizes.nlags) + 2);
  peakLags_.reserve(static_cast<size_t>(sizes.nlags) + 2);
}

void CandidateFinder::pickPeaks(const float* values, int count, float maxValue, int firstLag, const char* computed) {
  peakVals_.clear();
  peakLags_.clear();
  const float clip = sizes_.candThresh * maxValue;
  for (int j = 1; j < count - 2; ++j) {
    // A peak needs both neighbours computed: the output refines its lag with them.
    if (computed != nullptr && !(computed[j - 1] && computed[j] && computed[j + 1])) continue;
    const float v = values[j];
    if (v > clip && v >= values[j - 1] && v >= values[j + 1]) {
      peakVals_.push_back(v);
      peakLags_.push_back(firstLag + j);
    }
  }
}

void CandidateFinder::prune() {
  const auto keep = static_cast<size_t>(sizes_.nCands - 1);
  if (peakVals_.size() < static_cast<size_t>(sizes_.nCands)) return;
  // One bubble pass per kept position, carrying the largest remaining value forward.
  for (size_t i = 0; i < keep; ++i) {
    for (size_t j = peakVals_.size() - 1; j > i; --j) {
      if (peakVals_[j] > peakVals_[j - 1]) {
        std::swap(peakVals_[j], peakVals_[j - 1]);
        std::swap(peakLags_[j], peakLags_[j - 1]);
      }
    }
  }
  peakVals_.resize(keep);
  peakLags_.resize(keep);
}

float CandidateFinder::coarseCorrelation(const float* decimated) {
  const int total = sizes_.dSize + sizes_.dStart + sizes_.dNlags;
  scratch_.resize(static_cast<size_t>(total));
  const float mean = meanOf(decimated, sizes_.dSize);
  for (int i = 0; i < total; ++i) scratch_[static_cast<size_t>(i)] = decimated[i] - mean;
  const float* x = scratch_.data();

  float e0 = 0.0f;
  for (int i = 0; i < sizes_.dSize; ++i) e0 += x[i] * x[i];
  std::fill(coarse_.begin(), coarse_.end(), 0.0f);
  if (!(e0 > 0.0f)) return 0.0f;

  float energy = 0.0f;
  for (int i = 0; i < sizes_.dSize; ++i) energy += x[sizes_.dStart + i] * x[sizes_.dStart + i];
  float maxValue = 0.0f;
  for (int k = 0; k < sizes_.dNlags; ++k) {
    const int lag = sizes_.dStart + k;
    energy = std::max(energy, 1.0f);
    const float sum = dotProduct(x, x + lag, static_cast<size_t>(sizes_.dSize));
    const float c = sum / std::sqrt(e0 * energy);
    coarse_[static_cast<size_t>(k)] = c;
    if (k == 0 || c > maxValue) maxValue = c;
    energy += x[lag + sizes_.dSize] * x[lag + sizes_.dSize] - x[lag] * x[lag];
  }
  return maxValue;
}

float CandidateFinder::fineCorrelation(const float* full, std::vector<float>& correl) {
  const int start = sizes_.start;
  const int nlags = sizes_.nlags;
  const int size = sizes_.size;
  const int total = size + start + nlags;
  scratch_.resize(static_cast<size_t>(total));
  const float mean = meanOf(full, size);
  for (int i = 0; i < total; ++i) scratch_[static_cast<size_t>(i)] = full[i] - mean;
  const float* x = scratch_.data();

  correl.assign(static_cast<size_t>(nlags), 0.0f);
  computed_.assign(static_cast<size_t>(nlags), 0);
  belowStartComputed_ = false;
  double e0 = 0.0;
  for (int i = 0; i < size; ++i) e0 += static_cast<double>(x[i]) * x[i];
  if (!(e0 > 0.0)) return 0.0f;

  const int span = std::min(kFineNeighbourhood, nlags);
  float maxValue = 0.0f;
  for (int lagCentre : coarseLags_) {
    int j = lagCentre - kFineNeighbourhood / 2;
    if (j < start) j = start;
    if (j + span > start + nlags) j = start + nlags - span;
    // The coarse lag may be off by about half the decimation factor, more than the
    // neighbourhood reaches: while the largest value sits on an edge of the computed run, the
    // run grows by one lag on that side, so the peak is found and has both neighbours.
    double energy = 0.0;
    for (int i = 0; i < size; ++i) energy += static_cast<double>(x[j + i]) * x[j + i];
    for (int lag = j; lag < j + span; ++lag) {
      energy = std::max(energy, 1.0);
      const float sum = dotProduct(x, x + lag, static_cast<size_t>(size));
      const auto value = static_cast<float>(sum / std::sqrt(e0 * energy + 10000.0));
      correl[static_cast<size_t>(lag - start)] = value;
      computed_[static_cast<size_t>(lag - start)] = 1;
      if (value > maxValue) maxValue = value;
      energy += static_cast<double>(x[lag + size]) * x[lag + size] - static_cast<double>(x[lag]) * x[lag];
    }
    int first = j, last = j + span - 1;
    for (;;) {
      int top = first;
      for (int lag = first + 1; lag <= last; ++lag)
        if (correl[static_cast<size_t>(lag - start)] > correl[static_cast<size_t>(top - start)]) top = lag;
      const bool risesLeft = top == first && correl[static_cast<size_t>(first - start)] > correl[static_cast<size_t>(first + 1 - start)];
      if (risesLeft && first > start) {
        --first;
        maxValue = std::max(maxValue, correlationAt(x, e0, first, correl));
      } else if (risesLeft && !belowStartComputed_) {
        // Rising at the shortest lag: one lag further tells whether the shortest lag is a peak
        // (an F0 at max_f0 has its period there); it is a neighbour only, never a candidate.
        belowStart_ = correlationValue(x, e0, start - 1);
        belowStartComputed_ = true;
        break;
      } else if (top == last && last < start + nlags - 1) {
        ++last;
        maxValue = std::max(maxValue, correlationAt(x, e0, last, correl));
      } else {
        break;
      }
    }
  }
  return maxValue;
}

float CandidateFinder::correlationValue(const float* x, double e0, int lag) const {
  double energy = 0.0;
  for (int k = 0; k < sizes_.size; ++k) energy += static_cast<double>(x[lag + k]) * x[lag + k];
  energy = std::max(energy, 1.0);
  const float sum = dotProduct(x, x + lag, static_cast<size_t>(sizes_.size));
  return static_cast<float>(sum / std::sqrt(e0 * energy + 10000.0));
}

float CandidateFinder::correlationAt(const float* x, double e0, int lag, std::vector<float>& correl) {
  const size_t i = static_cast<size_t>(lag - sizes_.start);
  if (computed_[i]) return correl[i];
  correl[i] = correlationValue(x, e0, lag);
  computed_[i] = 1;
  return correl[i];
}

void CandidateFinder::find(const float* full, const float* decimated, std::vector<float>& correl,
                           std::vector<Candidate>& cands) {
  // Coarse search on the decimated signal.
  const float coarseMax = coarseCorrelation(decimated);
  pickPeaks(coarse_.data(), sizes_.dNlags, coarseMax, sizes_.dStart);
  coarseLags_.clear();
  for (size_t p = 0; p < peakLags_.size(); ++p) {
    const int j = peakLags_[p] - sizes_.dStart;
    const float ym = coarse_[static_cast<size_t>(j - 1)];
    const float y0 = coarse_[static_cast<size_t>(j)];
    const float yp = coarse_[static_cast<size_t>(j + 1)];
    const float a = (yp - y0) + 0.5f * (ym - yp);
    float xPeak = 0.0f;
    float yPeak = y0;
    if (std::fabs(a) > 0.000001f) {
      xPeak = (ym - yp) / (4.0f * a);
      yPeak = y0 - a * xPeak * xPeak;
    }
    const float shift = static_cast<float>(sizes_.decimate) * xPeak + 0.5f;
    const int lag = sizes_.decimate * peakLags_[p] + static_cast<int>(shift);
    peakLags_[p] = lag;
    peakVals_[p] = yPeak * (1.0f - sizes_.lagWeightPerSample * static_cast<float>(lag));
  }
  prune();
  coarseLags_.assign(peakLags_.begin(), peakLags_.end());

  // Fine search at the full rate around the surviving lags.
  const float fineMax = fineCorrelation(full, correl);
  pickPeaks(correl.data(), sizes_.nlags, fineMax, sizes_.start, computed_.data());
  // The shortest lag is a peak too when the values rise towards it and the parabola through it
  // and its neighbours tops out less than one lag below it: start is round(rate / max_f0), so the
  // period of an F0 at max_f0 can lie up to half a lag below start (31.5 samples at 44100 Hz
  // against a shortest lag of 32). The output keeps its lag unrefined.
  if (belowStartComputed_ && sizes_.nlags > 1 && computed_[1]) {
    const float y0 = belowStart_, y1 = correl[0], y2 = correl[1];
    const bool topsWithinALag = y0 <= y1 || (y0 + y2 - 2.0f * y1 < -0.000001f && 3.0f * y0 + y2 <= 4.0f * y1);
    if (y1 > sizes_.candThresh * fineMax && y1 >= y2 && topsWithinALag) {
      peakVals_.insert(peakVals_.begin(), y1);
      peakLags_.insert(peakLags_.begin(), sizes_.start);
    }
  }
  // A period between two whole lags shows a lower correlation at both than its double shows at a
  // whole lag; the height of the parabola through the peak and its neighbours is the fair value.
  std::vector<float>& vertex = vertexLags_;
  vertex.assign(peakLags_.size(), 0.0f);
  for (size_t p = 0; p < peakLags_.size(); ++p) {
    const auto i = static_cast<size_t>(peakLags_[p] - sizes_.start);
    const float y0 = i > 0 ? correl[i - 1] : belowStart_, y1 = correl[i], y2 = correl[i + 1];
    const float b = y0 + y2 - 2.0f * y1;
    vertex[p] = static_cast<float>(peakLags_[p]);
    if (b < -0.000001f) {
      peakVals_[p] = y1 - (y0 - y2) * (y0 - y2) / (8.0f * b);
      vertex[p] += (y0 - y2) / (2.0f * b);
    }
  }
  // With few samples per period (a high voice at a low rate, or sharp pulses) even the parabola
  // falls short of the correlation at the true period, and the double period, nearer a whole lag,
  // wins: an octave too low. A periodic signal correlates at one period at least as well as at
  // two, so a strong peak whose double is another peak is valued as high as that one.
  for (size_t p = 0; p < peakLags_.size(); ++p) {
    for (size_t q = 0; q < peakLags_.size(); ++q) {
      if (std::fabs(vertex[q] - 2.0f * vertex[p]) <= 1.0f && peakVals_[p] >= kOctaveShare * peakVals_[q])
        peakVals_[p] = std::max(peakVals_[p], peakVals_[q]);
    }
  }
  prune();

  cands.clear();
  for (size_t p = 0; p < peakLags_.size(); ++p) {
    const float weight = 1.0f - sizes_.lagWeightPerSample * static_cast<float>(peakLags_[p]);
    cands.push_back(Candidate{peakLags_[p], 1.0f - weight * peakVals_[p], 0});
  }
  cands.push_back(Candidate{-1, fineMax + sizes_.voiceBias, 0});
}

}  // namespace velmora::f0
