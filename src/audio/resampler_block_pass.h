#pragma once
// One filter pass of a resampling stage, computed a block at a time.
//
// At the up-sampled rate the cascade takes one value every `feedEvery` steps (zeros between)
// and one result is kept every `storeEvery` steps. Over a block of P steps (a multiple of
// both) that is a fixed linear map from (state, P / feedEvery inputs) to (state,
// P / storeEvery results), so one matrix-vector product per block replaces P single steps of
// the cascade: the same filter, far fewer operations, and no step waits for the one before.
//
// Calling sequence: construct with the sections and the two spacings (the block matrix is
// built by running the cascade on unit inputs), then run() once per signal, over arrays or
// over a source and a sink that hand the values over a block at a time (same arithmetic, so
// the same results).
#include <cstddef>
#include <vector>

#include "audio/resampler_progress.h"
#include "audio/stage_filter.h"

namespace velmora {

// The values fed into a pass, in order; read() is asked for each block's values in turn.
class PassInput {
 public:
  virtual ~PassInput() = default;
  virtual void read(double* values, size_t count) = 0;
};

// Where a pass leaves its results, in order.
class PassOutput {
 public:
  virtual ~PassOutput() = default;
  virtual void write(const double* values, size_t count) = 0;
};

class BlockFilterPass {
 public:
  BlockFilterPass(const std::vector<Biquad>& sections, int feedEvery, int storeEvery);

  // Runs at least `steps` steps from cleared state. Step t feeds src[t / feedEvery] when t is a
  // multiple of feedEvery (zero past the end of src); results of every storeEvery-th step go to
  // dst, at most dstCount of them. With feedEvery == storeEvery, src and dst may be the same
  // array: a block's values are taken before its results are stored. False when cancelled.
  bool run(const double* src, size_t srcCount, double* dst, size_t dstCount, size_t steps,
           ProgressMeter& progress) const;
  // The same over a source of srcCount values and a sink given at most dstCount results.
  bool run(PassInput& src, size_t srcCount, PassOutput& dst, size_t dstCount, size_t steps,
           ProgressMeter& progress) const;

  size_t blockSteps() const { return blockSteps_; }

 private:
  size_t stateSize_ = 0;
  size_t inputsPerBlock_ = 0;
  size_t outputsPerBlock_ = 0;
  size_t blockSteps_ = 0;
  size_t columnsPadded_ = 0;  // state + inputs, rounded up for the vector width
  // Rows (next state, then the block's results), each columnsPadded_ long.
  std::vector<double> matrix_;
};

// The cascade run one step at a time: the plain form of the same pass, used to build the
// block matrix and to check it.
class CascadeState {
 public:
  explicit CascadeState(const std::vector<Biquad>& sections);
  double step(double x);
  std::vector<double>& state() { return state_; }  // w1, w2 of each section in turn

 private:
  const std::vector<Biquad>& sections_;
  std::vector<double> state_;
};

}  // namespace velmora
