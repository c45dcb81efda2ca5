#include "audio/resampler_stream.h"

#include <algorithm>
#include <memory>
#include <new>

#include "audio/sample_spill.h"

namespace velmora {

namespace {

// Values moved to or from a spill at a time (512 KB).
constexpr size_t kChunkValues = size_t{1} << 16;

// The forward pass's results, appended to a spill in order.
class SpillAppender : public PassOutput {
 public:
  explicit SpillAppender(SampleSpill& spill) : spill_(spill), buffer_(kChunkValues) {}

  void write(const double* values, size_t count) override {
    while (count > 0) {
      const size_t n = std::min(count, kChunkValues - used_);
      std::copy(values, values + n, buffer_.begin() + static_cast<std::ptrdiff_t>(used_));
      used_ += n;
      values += n;
      count -= n;
      if (used_ == kChunkValues) flush();
    }
  }

  // What the pass did not give stays zero, as in a fresh array.
  void finish() {
    flush();
    while (next_ < spill_.size()) {
      std::fill(buffer_.begin(), buffer_.end(), 0.0);
      used_ = std::min(kChunkValues, spill_.size() - next_);
      flush();
    }
  }

 private:
  void flush() {
    used_ = std::min(used_, spill_.size() - next_);
    spill_.write(next_, buffer_.data(), used_);
    next_ += used_;
    used_ = 0;
  }

  SampleSpill& spill_;
  std::vector<double> buffer_;
  size_t used_ = 0;
  size_t next_ = 0;
};

// A spill handed out a chunk at a time; the subclasses say which chunk comes next.
class SpillReader : public PassInput {
 public:
  void read(double* values, size_t count) override {
    while (count > 0) {
      if (position_ == filled_) {
        filled_ = refill();
        position_ = 0;
      }
      const size_t n = std::min(count, filled_ - position_);
      std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(position_),
                buffer_.begin() + static_cast<std::ptrdiff_t>(position_ + n), values);
      position_ += n;
      values += n;
      count -= n;
    }
  }

 protected:
  explicit SpillReader(SampleSpill& spill) : spill_(spill), buffer_(kChunkValues) {}
  // Fills buffer_ with the next chunk and gives its length (never 0: past the end throws).
  virtual size_t refill() = 0;

  SampleSpill& spill_;
  std::vector<double> buffer_;

 private:
  size_t filled_ = 0;
  size_t position_ = 0;
};

// A spill read from its start: the next stage's input.
class SpillForwardReader : public SpillReader {
 public:
  explicit SpillForwardReader(SampleSpill& spill) : SpillReader(spill) {}

 private:
  size_t refill() override {
    const size_t n = std::min(kChunkValues, spill_.size() - next_);
    if (n == 0) throw SpillError("read past the end of the temporary file");
    spill_.read(next_, buffer_.data(), n);
    next_ += n;
    return n;
  }

  size_t next_ = 0;
};

// A spill read from its end to its start: the backward pass's input.
class SpillBackwardReader : public SpillReader {
 public:
  explicit SpillBackwardReader(SampleSpill& spill) : SpillReader(spill), left_(spill.size()) {}

 private:
  size_t refill() override {
    const size_t n = std::min(kChunkValues, left_);
    if (n == 0) throw SpillError("read past the start of the temporary file");
    left_ -= n;
    spill_.read(left_, buffer_.data(), n);
    std::reverse(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
  }

  size_t left_;
};

// The backward pass's results come last value first: result j belongs at keptCount - 1 - j.
// Those at or past the stage's output length are dropped; the rest are scaled and given in
// forward-ordered pieces.
class BackwardPlacer : public PassOutput {
 public:
  BackwardPlacer(size_t keptCount, size_t outputCount, double gain, ResampledSink& target)
      : kept_(keptCount), output_(outputCount), gain_(gain), target_(target), buffer_(kChunkValues) {}

  void write(const double* values, size_t count) override {
    for (size_t i = 0; i < count; ++i, ++seen_) {
      const size_t index = kept_ - 1 - seen_;
      if (index >= output_) continue;
      buffer_[kChunkValues - 1 - used_] = values[i] * gain_;
      lowest_ = index;
      if (++used_ == kChunkValues) flush();
    }
  }

  void flush() {
    if (used_ == 0) return;
    target_.put(lowest_, buffer_.data() + (kChunkValues - used_), used_);
    used_ = 0;
  }

 private:
  size_t kept_;
  size_t output_;
  double gain_;
  ResampledSink& target_;
  std::vector<double> buffer_;  // filled from its end, so a piece is in forward order
  size_t seen_ = 0;
  size_t used_ = 0;
  size_t lowest_ = 0;
};

class SpillSink : public ResampledSink {
 public:
  explicit SpillSink(SampleSpill& spill) : spill_(spill) {}
  void begin(size_t) override {}
  void put(size_t index, const double* values, size_t count) override { spill_.write(index, values, count); }

 private:
  SampleSpill& spill_;
};

// One stage as in resample(): forward pass, backward pass, gain.
bool runStage(const PlannedStage& planned, PassInput& input, size_t n, ResampledSink& target,
              const ResampleOptions& options, ProgressMeter& progress) {
  const size_t up = static_cast<size_t>(planned.stage.up);
  const size_t down = static_cast<size_t>(planned.stage.down);
  const size_t forwardSteps = n * up + planned.tailSteps;
  const size_t keptCount = forwardKeptCount(planned, n);

  SampleSpill kept(keptCount, options.spillFolder, options.inMemoryValues);
  {
    SpillAppender appender(kept);
    const BlockFilterPass forward(planned.filter.sections, planned.stage.up, planned.stage.down);
    if (!forward.run(input, n, appender, keptCount, forwardSteps, progress)) return false;
    appender.finish();
  }

  const size_t backwardSteps = keptCount == 0 ? 0 : (keptCount - 1) * down + 1;
  const double gain = static_cast<double>(up) * static_cast<double>(down);
  SpillBackwardReader reversed(kept);
  BackwardPlacer placer(keptCount, stageOutputCount(planned, n), gain, target);
  const BlockFilterPass backward(planned.filter.sections, planned.stage.down, planned.stage.down);
  if (!backward.run(reversed, keptCount, placer, keptCount, backwardSteps, progress)) return false;
  placer.flush();
  return true;
}

// No stages (the same rate): the input as it is.
void copyInput(PassInput& input, size_t count, ResampledSink& sink) {
  std::vector<double> buffer(std::min(count, kChunkValues));
  for (size_t done = 0; done < count;) {
    const size_t n = std::min(kChunkValues, count - done);
    input.read(buffer.data(), n);
    sink.put(done, buffer.data(), n);
    done += n;
  }
}

// As from resample(): a failed conversion lists no stages.
StreamedResample failure(ResampleError error) {
  StreamedResample r;
  r.error = error;
  return r;
}

}  // namespace

StreamedResample resampleStream(PassInput& input, size_t inputCount, uint32_t sourceRateHz, uint32_t targetRateHz,
                                const ResampleOptions& options, ResampledSink& sink) {
  const ConversionPlan plan = planConversion(inputCount, sourceRateHz, targetRateHz, options.design);
  if (plan.error != ResampleError::None) return failure(plan.error);

  ProgressMeter progress(options.progress, plan.totalSteps);
  if (!progress.start()) return failure(ResampleError::Cancelled);
  try {
    size_t count = inputCount;
    for (const PlannedStage& planned : plan.stages) count = stageOutputCount(planned, count);
    sink.begin(count);

    PassInput* stageInput = &input;
    size_t n = inputCount;
    std::unique_ptr<SampleSpill> previous;  // the input of the stage being run
    std::unique_ptr<SpillForwardReader> reader;
    for (size_t i = 0; i < plan.stages.size(); ++i) {
      const PlannedStage& planned = plan.stages[i];
      const size_t outputCount = stageOutputCount(planned, n);
      if (i + 1 == plan.stages.size()) {
        if (!runStage(planned, *stageInput, n, sink, options, progress))
          return failure(ResampleError::Cancelled);
        break;
      }
      auto next = std::make_unique<SampleSpill>(outputCount, options.spillFolder, options.inMemoryValues);
      SpillSink target(*next);
      if (!runStage(planned, *stageInput, n, target, options, progress))
        return failure(ResampleError::Cancelled);
      reader.reset();
      previous = std::move(next);
      reader = std::make_unique<SpillForwardReader>(*previous);
      stageInput = reader.get();
      n = outputCount;
    }
    if (plan.stages.empty()) copyInput(input, inputCount, sink);
  } catch (const std::bad_alloc&) {
    return failure(ResampleError::OutOfMemory);
  } catch (const SpillError&) {
    return failure(ResampleError::TemporaryFile);
  }
  progress.finish();
  StreamedResample result;
  result.stages = plan.reports;
  return result;
}

}  // namespace velmora
