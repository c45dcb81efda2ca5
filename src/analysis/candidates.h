#pragma once
// Pitch-period candidates of one F0 frame. Stages:
//   1. coarse normalised cross-correlation on the decimated signal (dSize window, lags
//      dStart .. dStart + dNlags - 1);
//   2. peak picking above cand_thresh of the maximum, parabolic refinement to a full-rate lag,
//      weighting against long lags, pruning to the n_cands - 1 strongest;
//   3. fine correlation at the full rate over 7 lags around each surviving lag, more while the
//      largest value of a run lies on its edge (stored in the frame's correl array, indexed by
//      lag - start);
//   4. peak picking (only where both neighbours were computed; for the shortest lag, the value
//      one lag shorter is computed as its neighbour) and pruning again, then one candidate per
//      peak plus the unvoiced one.
#include <cstdint>
#include <vector>

namespace velmora::f0 {

struct Candidate {
  int32_t lag = -1;  // -1: unvoiced
  float cost = 0.0f;  // local cost, then the accumulated path cost
  int32_t backPtr = 0;
};

struct CandidateSizes {
  int start = 0;   // shortest full-rate lag
  int nlags = 0;   // stop - start + 1
  int size = 0;    // full-rate correlation window
  int decimate = 1;
  int dStart = 0;
  int dNlags = 0;
  int dSize = 0;
  float candThresh = 0.3f;
  float lagWeightPerSample = 0.0f;  // lag_weight / stop
  float voiceBias = 0.0f;
  int nCands = 20;
};

class CandidateFinder {
 public:
  explicit CandidateFinder(const CandidateSizes& sizes);

  // full: the frame's full-rate samples (size + start + nlags of them are read);
  // decimated: its decimated samples (dSize + dStart + dNlags are read).
  // Fills correl (nlags values) and cands (the voiced peaks, then the unvoiced candidate).
  void find(const float* full, const float* decimated, std::vector<float>& correl, std::vector<Candidate>& cands);

 private:
  // computed, when given, marks the values that were computed; others are no peak's neighbours.
  void pickPeaks(const float* values, int count, float maxValue, int firstLag, const char* computed = nullptr);
  void prune();
  float coarseCorrelation(const float* decimated);
  float fineCorrelation(const float* full, std::vector<float>& correl);
  float correlationAt(const float* x, double e0, int lag, std::vector<float>& correl);
  float correlationValue(const float* x, double e0, int lag) const;

  CandidateSizes sizes_;
  std::vector<float> coarse_;     // dNlags coarse correlation values
  std::vector<float> scratch_;    // mean-removed samples
  std::vector<float> peakVals_;
  std::vector<int> peakLags_;
  std::vector<int> coarseLags_;   // refined full-rate lags of the coarse peaks
  std::vector<char> computed_;    // which fine correlation values were computed
  std::vector<float> vertexLags_;  // lag of each fine peak's parabola vertex
  float belowStart_ = 0.0f;       // fine correlation at start - 1, a neighbour only
  bool belowStartComputed_ = false;
};

}  // namespace velmora::f0
