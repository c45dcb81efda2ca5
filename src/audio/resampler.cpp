#include "audio/resampler.h"

#include "audio/resampler_block_pass.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <utility>

#include "core/message_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace {

// The forward pass runs at least this many steps past the last input sample so the filter's
// tail is kept; longer when the slowest pole needs it.
constexpr size_t kMinTailSteps = 1024;
// The tail is long enough for the slowest pole to decay by this much (140 dB).
constexpr double kTailDecay = 1e-7;

size_t tailStepsFor(const StageFilter& filter) {
  const double r = filter.slowestPoleRadius;
  if (!(r > 0.0) || r >= 1.0) return kMinTailSteps;
  // Repeated cascades decay a little slower than one pole alone: allow for it.
  const double steps = filter.repeats * std::log(kTailDecay) / std::log(r);
  return std::max(kMinTailSteps, static_cast<size_t>(std::ceil(steps)));
}

// One stage: forward pass, backward pass, gain. `signal` is replaced by the stage's output.
bool runStage(const PlannedStage& planned, std::vector<double>& signal, ProgressMeter& progress) {
  const size_t up = static_cast<size_t>(planned.stage.up);
  const size_t down = static_cast<size_t>(planned.stage.down);
  const size_t n = signal.size();
  const size_t forwardSteps = n * up + planned.tailSteps;
  const size_t keptCount = forwardKeptCount(planned, n);

  const size_t outputCount = stageOutputCount(planned, n);
  std::vector<double> kept(keptCount);
  const BlockFilterPass forward(planned.filter.sections, planned.stage.up, planned.stage.down);
  if (!forward.run(signal.data(), n, kept.data(), keptCount, forwardSteps, progress)) return false;
  std::vector<double>().swap(signal);

  // Backward in time over the kept values: reversing, filtering forward and reversing again.
  // The pass takes and gives one value per M steps, so it can work in place.
  std::reverse(kept.begin(), kept.end());
  const size_t backwardSteps = keptCount == 0 ? 0 : (keptCount - 1) * down + 1;
  const BlockFilterPass backward(planned.filter.sections, planned.stage.down, planned.stage.down);
  if (!backward.run(kept.data(), keptCount, kept.data(), keptCount, backwardSteps, progress)) return false;
  std::reverse(kept.begin(), kept.end());
  kept.resize(outputCount);

  const double gain = static_cast<double>(up) * static_cast<double>(down);
  for (double& v : kept) v *= gain;
  signal = std::move(kept);
  return true;
}

ResampleResult failure(ResampleError error) {
  ResampleResult r;
  r.error = error;
  return r;
}

ConversionPlan failedPlan(ResampleError error) {
  ConversionPlan plan;
  plan.error = error;
  return plan;
}

}  // namespace

size_t forwardKeptCount(const PlannedStage& planned, size_t n) {
  const size_t down = static_cast<size_t>(planned.stage.down);
  return (n * static_cast<size_t>(planned.stage.up) + planned.tailSteps + down - 1) / down;
}

size_t stageOutputCount(const PlannedStage& planned, size_t n) {
  return std::min(planned.outputCount, forwardKeptCount(planned, n));
}

ConversionPlan planConversion(size_t inputCount, uint32_t sourceRateHz, uint32_t targetRateHz,
                              const StageFilterDesign& wholeDesign) {
  ConversionPlan plan;
  if (sourceRateHz == 0 || targetRateHz == 0) {
    plan.error = ResampleError::NoSimpleFactors;
    return plan;
  }
  const auto ratio = approximateRatio(static_cast<double>(targetRateHz) / sourceRateHz);
  if (!ratio) {
    plan.error = ResampleError::NoSimpleFactors;
    return plan;
  }

  const std::vector<ResampleStage> stages = planStages(*ratio);
  StageFilterDesign design = wholeDesign;
  if (!stages.empty()) design.passbandRippleDb /= 2.0 * static_cast<double>(stages.size());

  // Stages before the last keep their partial last sample (n L / M rounded up), so the
  // result has exactly floor(n L / M) samples for the whole ratio.
  size_t length = inputCount;
  const size_t finalCount =
      static_cast<size_t>(static_cast<unsigned long long>(inputCount) * ratio->up / ratio->down);
  for (const ResampleStage& stage : stages) {
    if (stage.factor() > kMaxStageFactor) return failedPlan(ResampleError::FilterTooDifficult);
    PlannedStage planned;
    planned.stage = stage;
    planned.filter = designStageFilter(stage.cutoffFraction(), design);
    if (planned.filter.error == StageFilterError::TooDifficult) return failedPlan(ResampleError::FilterTooDifficult);
    if (planned.filter.error == StageFilterError::LimitCycles) {
      // Such a filter could ring on forever; the conversion stops here and the program goes on.
      std::fputs(stageFilterErrorText(StageFilterError::LimitCycles).c_str(), stderr);
      return failedPlan(ResampleError::LimitCycles);
    }
    planned.tailSteps = tailStepsFor(planned.filter);
    plan.totalSteps += 2.0 * static_cast<double>(length * stage.up + planned.tailSteps);
    const bool last = plan.stages.size() + 1 == stages.size();
    length = last ? finalCount : (length * stage.up + stage.down - 1) / stage.down;
    planned.outputCount = length;
    plan.reports.push_back({stage, planned.filter.order(), planned.filter.achievedAttenuationDb});
    plan.stages.push_back(std::move(planned));
  }
  return plan;
}

ResampleResult resample(std::vector<double> input, uint32_t sourceRateHz, uint32_t targetRateHz,
                        const ResampleOptions& options) {
  const ConversionPlan plan = planConversion(input.size(), sourceRateHz, targetRateHz, options.design);
  if (plan.error != ResampleError::None) return failure(plan.error);
  ResampleResult result;
  result.stages = plan.reports;

  ProgressMeter progress(options.progress, plan.totalSteps);
  if (!progress.start()) return failure(ResampleError::Cancelled);
  try {
    std::vector<double> signal = std::move(input);
    for (const PlannedStage& planned : plan.stages) {
      if (!runStage(planned, signal, progress)) return failure(ResampleError::Cancelled);
    }
    result.samples = std::move(signal);
  } catch (const std::bad_alloc&) {
    return failure(ResampleError::OutOfMemory);
  }
  progress.finish();
  return result;
}

int resampleErrorMessage(ResampleError error) {
  switch (error) {
    case ResampleError::NoSimpleFactors: return msg::NoSimpleFactors;
    case ResampleError::FilterTooDifficult: return msg::FilterTooDifficult;
    case ResampleError::OutOfMemory: return msg::InterpolationNoMemory;
    case ResampleError::None:
    case ResampleError::LimitCycles:
    case ResampleError::TemporaryFile:  // shown with the output's path by the caller
    case ResampleError::Cancelled: return 0;
  }
  return 0;
}

std::string resampleErrorText(ResampleError error) {
  if (error == ResampleError::LimitCycles) return stageFilterErrorText(StageFilterError::LimitCycles);
  if (error == ResampleError::TemporaryFile) return "cannot write the temporary file for the interpolated data";
  const int id = resampleErrorMessage(error);
  return id == 0 ? std::string() : StringTable::englishText(id);
}

}  // namespace velmora
