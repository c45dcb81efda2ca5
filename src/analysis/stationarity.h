#pragma once
// Spectral stationarity of the F0 tracker, one record per frame. For frame f of a buffer the
// current window (statWsize samples) starts at (agap - statWsize) / 2 + f * step and the
// previous window agap samples earlier; windows reaching back before the buffer read the
// samples kept from the previous buffer. Per frame:
//   1. no current window (before the signal): stat 0.002, rms 0, rmsRatio 1;
//   2. LPC of the current window (Hanning, pre-emphasis 0.4, 30 dB stabilisation), windowed RMS;
//   3. no previous window: t = 10, rmsRatio 1;
//   4. else the previous window's LPC comes from the windStat ring when it is full (the
//      window windStatLim frames back stands in for it), otherwise it is computed;
//      t = Itakura(current a, previous r, previous residual) - 0.8; rmsRatio from the RMS values;
//   5. stat = 0.2 / t; the current window's results enter the ring.
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace velmora::f0 {

struct StatRecord {
  float stat = 0.002f;
  float rms = 0.0f;
  float rmsRatio = 1.0f;
};

struct StationaritySizes {
  int step = 0;
  int statWsize = 0;
  int agap = 0;
  int order = 0;
  int windStatLim = 0;
};

class Stationarity {
 public:
  explicit Stationarity(const StationaritySizes& sizes);

  // Records for frames 0..frames-1 of the buffer data[0..n); afterwards keeps the samples
  // before position frames * step for the next buffer. False on an internal failure, whose
  // text errorText() then holds (it is also set when bad_alloc leaves here).
  bool process(const float* data, size_t n, int frames, std::vector<StatRecord>& out);
  const std::string& errorText() const { return error_; }

 private:
  struct WindowStat {
    std::vector<float> autocorrelation;
    float residualEnergy = 1.0f;
    float rms = 0.0f;
  };

  const float* window(const float* data, size_t n, long start, std::vector<float>& scratch) const;
  bool frameRecord(const float* data, size_t n, long currentStart, StatRecord& record);

  StationaritySizes sizes_;
  std::vector<float> history_;   // the samples just before the current buffer
  long bufferStart_ = 0;         // position of the current buffer in the signal
  std::deque<WindowStat> ring_;  // windStat
  std::vector<float> currentScratch_;
  std::vector<float> previousScratch_;
  std::string error_;
};

}  // namespace velmora::f0
