#pragma once
// Bringing a recording to the formant tracker's 10 kHz analysis rate.
//
// Stages (only for rates above 10 kHz):
//   1. up-sampling factor u: 4 below 20 kHz, 3 below 30 kHz, 2 below 40 kHz, else 1;
//   2. each input sample followed by u - 1 zeros, all through an 8th-order Butterworth
//      low-pass at 4750 Hz designed for the rate u * rate (a 4th order let 5 to 7 kHz fold onto
//      3 to 5 kHz only 5 to 14 dB down at 22050 and 44100 Hz, where the recording has content
//      there, and the tracker read the folded energy as poles);
//   3. linear interpolation of that signal at the 10 kHz instants, truncated toward zero.
// The output holds truncate(n * 10000 / rate) samples.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::formant {

constexpr int kAnalysisRateHz = 10000;
constexpr double kAntiAliasCutoffHz = 4750.0;
constexpr int kAntiAliasOrder = 8;

int upsamplingFactor(int rateHz);

// Rates of 10 kHz and below are returned unchanged.
std::vector<int16_t> resampleToAnalysisRate(const int16_t* samples, size_t n, int rateHz);

}  // namespace velmora::formant
