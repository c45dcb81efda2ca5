#pragma once
// Rational sample-rate conversion, multistage, with elliptic low-pass filters run forward and
// backward so the result has no phase shift.
//
// resample(input, sourceRate, targetRate):
//   1. plan: ratio L / M, prime factors, stages (resampler_plan.h); every stage factor <= 41;
//   2. design every stage's filter (stage_filter.h) before any sample is filtered, so a
//      design failure costs nothing; each pass gets ripple / (2 x stages);
//   3. for each stage in order:
//        forward pass at the up-sampled rate: one input sample every L steps, zeros between,
//        through all sections, every M-th result kept (length n L / M plus the filter's tail);
//        backward pass over the kept values from the last to the first with cleared state,
//        one value every M steps and zeros between, every M-th result kept;
//        scaled by L x M for the energy that the zero stuffing spreads
//        (both passes are computed a block at a time, resampler_block_pass.h);
//   4. the output has floor(n L / M) samples.
// Progress is reported in steps 0 .. 101 over the whole conversion; the callback returns
// false to cancel. Errors come back as values; nothing is shown or written here except the
// limit-cycle line on standard error.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/resampler_plan.h"
#include "audio/resampler_progress.h"
#include "audio/stage_filter.h"

namespace velmora {

enum class ResampleError {
  None,
  NoSimpleFactors,     // the ratio has no denominator below 1000
  FilterTooDifficult,  // a stage factor beyond 41
  LimitCycles,         // a stage filter would sustain limit cycles
  OutOfMemory,         // no room for the interpolated data
  TemporaryFile,       // the streamed form's temporary file failed (resampler_stream.h)
  Cancelled,
};

struct ResampleOptions {
  // The ripple is that of the whole conversion: it is shared among the stages' forward and
  // backward passes, whose ripples would otherwise add up where they line up.
  StageFilterDesign design;
  ResampleProgress progress;
  // For the streamed form only: where its temporary files go (empty: the system's temporary
  // folder), and how many values of a stage are kept in memory rather than in such a file.
  std::filesystem::path spillFolder;
  size_t inMemoryValues = size_t{1} << 19;
};

struct StageReport {
  ResampleStage stage;
  int filterOrder = 0;
  double attenuationDb = 0;
};

struct ResampleResult {
  ResampleError error = ResampleError::None;
  std::vector<double> samples;
  std::vector<StageReport> stages;
  bool ok() const { return error == ResampleError::None; }
};

// One stage with its designed filter and its lengths, before any sample is filtered.
struct PlannedStage {
  ResampleStage stage;
  StageFilter filter;
  size_t tailSteps = 0;    // forward steps past the last input, for the filter's tail
  size_t outputCount = 0;  // values the stage gives the next one (the result, for the last)
};

struct ConversionPlan {
  ResampleError error = ResampleError::None;
  std::vector<PlannedStage> stages;
  std::vector<StageReport> reports;
  double totalSteps = 0;  // forward and backward steps of every stage, for the progress
};

// Steps 1 and 2 for an input of inputCount samples; the limit-cycle line goes to standard
// error here.
ConversionPlan planConversion(size_t inputCount, uint32_t sourceRateHz, uint32_t targetRateHz,
                              const StageFilterDesign& design);

// The kept length of a stage's forward pass over n values.
size_t forwardKeptCount(const PlannedStage& planned, size_t n);
// How many of those the stage gives on (its planned length, or fewer when the input was short).
size_t stageOutputCount(const PlannedStage& planned, size_t n);

// The whole signal in memory (the streamed form is in resampler_stream.h and gives the same
// values). The input is taken by value: move it in when it is no longer needed.
ResampleResult resample(std::vector<double> input, uint32_t sourceRateHz, uint32_t targetRateHz,
                        const ResampleOptions& options = {});

// The message (msg:: id) a window shows for an error; 0 for None, Cancelled and LimitCycles
// (whose line went to standard error).
int resampleErrorMessage(ResampleError error);
// The conversion's own English text for an error ("No simple factors for ratio", ...), for the
// console; empty for None and Cancelled.
std::string resampleErrorText(ResampleError error);

}  // namespace velmora
