#pragma once
// The conversion of resampler.h over a signal too long to hold as reals.
//
// resampleStream(input, count, sourceRate, targetRate, options, sink):
//   1. the same plan as resample() (stages, filters, lengths, progress steps);
//   2. for each stage: the forward pass reads its input a block at a time (the caller's input
//      for the first stage, the previous stage's spill after) and appends what it keeps to a
//      spill (sample_spill.h); the backward pass reads that spill from its end in chunks and
//      its results, scaled by L x M, go in forward-ordered pieces to the next stage's spill
//      or, for the last stage, to the sink;
//   3. the sink is told the result's length before the first piece; pieces come from the end
//      of the signal to its start.
// Every value goes through the same operations in the same order as in resample(), so the
// results are the same to the bit. Memory: a few blocks per stage plus spills kept in memory
// up to options.inMemoryValues each; longer spills are temporary files.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/resampler.h"
#include "audio/resampler_block_pass.h"

namespace velmora {

class ResampledSink {
 public:
  virtual ~ResampledSink() = default;
  virtual void begin(size_t count) = 0;
  // Values [index, index + count) of the result.
  virtual void put(size_t index, const double* values, size_t count) = 0;
};

struct StreamedResample {
  ResampleError error = ResampleError::None;
  std::vector<StageReport> stages;
  bool ok() const { return error == ResampleError::None; }
};

// `input` gives inputCount values. Nothing reaches the sink when the plan fails; after a
// cancel or a failure part of it may have been given.
StreamedResample resampleStream(PassInput& input, size_t inputCount, uint32_t sourceRateHz, uint32_t targetRateHz,
                                const ResampleOptions& options, ResampledSink& sink);

}  // namespace velmora
