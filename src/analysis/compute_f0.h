#pragma once
// computeF0: one F0 tracker over one whole signal.
//   1. new tracker; frame_step = 1 / framesPerSecond, min_f0, max_f0 (as "%f" texts);
//   2. f0Init at sampFreq;
//   3. count = truncate(n / sampFreq * framesPerSecond + 0.5) values are promised;
//   4. full buffers of buffSize samples buffStep apart, then one call with the rest;
//   5. released F0 values are kept until count are stored, surplus ones dropped;
//   6. a shortfall repeats the last F0 released (0 if none).
// Returns false (values empty) when the tracker cannot be set up or fails on a buffer. The
// tracker's diagnostics (refusals, notes, failures; see f0Diagnostics) and "F0: out of memory"
// are appended to *diagnostics when it is given, whatever the result.
#include <cstddef>
#include <string>
#include <vector>

namespace velmora {

bool computeF0(const float* samples, size_t n, int sampFreq, int minF0, int maxF0, int framesPerSecond,
               std::vector<float>& values, std::vector<std::string>* diagnostics = nullptr);

// The number of values computeF0 promises for n samples.
size_t f0ValueCount(size_t n, int sampFreq, int framesPerSecond);

}  // namespace velmora
