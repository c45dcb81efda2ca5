#include "audio/resampler_block_pass.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace velmora {

namespace {

// Added to every value fed into the filter: a silent input would otherwise let the states
// decay into subnormal numbers, which the processor handles many times slower. Far below
// anything a 16-bit sample can show.
constexpr double kAntiSubnormal = 1e-30;
constexpr size_t kLanes = 4;
// Blocks between progress reports and cancel checks.
constexpr size_t kBlocksPerReport = 64;
// Keeps the block matrix within the first-level cache.
constexpr size_t kMaxMatrixValues = 4096;

size_t roundUp(size_t value, size_t multiple) { return (value + multiple - 1) / multiple * multiple; }

// Work per step of a block of `steps` steps: the matrix's size over its steps.
double costPerStep(size_t state, size_t steps, size_t feedEvery, size_t storeEvery) {
  const size_t rows = state + steps / storeEvery;
  const size_t cols = roundUp(state + steps / feedEvery, kLanes);
  return static_cast<double>(rows * cols) / static_cast<double>(steps);
}

size_t chooseBlockSteps(size_t state, size_t feedEvery, size_t storeEvery) {
  const size_t period = std::lcm(feedEvery, storeEvery);
  size_t best = period;
  double bestCost = costPerStep(state, period, feedEvery, storeEvery);
  for (size_t steps = 2 * period; steps <= 64 * period; steps += period) {
    const size_t rows = state + steps / storeEvery;
    const size_t cols = roundUp(state + steps / feedEvery, kLanes);
    if (rows * cols > kMaxMatrixValues) break;
    const double cost = costPerStep(state, steps, feedEvery, storeEvery);
    if (cost < bestCost) {
      bestCost = cost;
      best = steps;
    }
  }
  return best;
}

using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));

// Loads kLanes values into `lanes` (kept a macro: a function returning the wide vector type
// would change calling conventions between the two builds of multiply()).
#define VELMORA_LOAD_LANES(lanes, pointer) std::memcpy(&(lanes), (pointer), sizeof(Lanes))

inline double sumLanes(const Lanes& v) {
  double s = 0;
  for (size_t i = 0; i < kLanes; ++i) s += v[i];
  return s;
}

// out = matrix x v, rows of `cols` values (a multiple of kLanes). Four rows at a time so
// four sums run side by side. Built twice where the compiler can: for processors with AVX2
// and for the baseline, chosen when the program starts.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void multiply(const double* matrix, size_t rows, size_t cols, const double* v, double* out) {
  size_t r = 0;
  for (; r + 4 <= rows; r += 4) {
    const double* m0 = matrix + r * cols;
    const double* m1 = m0 + cols;
    const double* m2 = m1 + cols;
    const double* m3 = m2 + cols;
    Lanes a0 = {}, a1 = {}, a2 = {}, a3 = {};
    for (size_t c = 0; c < cols; c += kLanes) {
      Lanes x, g0, g1, g2, g3;
      VELMORA_LOAD_LANES(x, v + c);
      VELMORA_LOAD_LANES(g0, m0 + c);
      VELMORA_LOAD_LANES(g1, m1 + c);
      VELMORA_LOAD_LANES(g2, m2 + c);
      VELMORA_LOAD_LANES(g3, m3 + c);
      a0 += g0 * x;
      a1 += g1 * x;
      a2 += g2 * x;
      a3 += g3 * x;
    }
    out[r] = sumLanes(a0);
    out[r + 1] = sumLanes(a1);
    out[r + 2] = sumLanes(a2);
    out[r + 3] = sumLanes(a3);
  }
  for (; r < rows; ++r) {
    const double* m = matrix + r * cols;
    Lanes a = {};
    for (size_t c = 0; c < cols; c += kLanes) {
      Lanes x, g;
      VELMORA_LOAD_LANES(x, v + c);
      VELMORA_LOAD_LANES(g, m + c);
      a += g * x;
    }
    out[r] = sumLanes(a);
  }
}

#undef VELMORA_LOAD_LANES

}  // namespace

CascadeState::CascadeState(const std::vector<Biquad>& sections)
    : sections_(sections), state_(2 * sections.size(), 0.0) {}

double CascadeState::step(double x) {
  for (size_t k = 0; k < sections_.size(); ++k) {
    const Biquad& s = sections_[k];
    double& w1 = state_[2 * k];
    double& w2 = state_[2 * k + 1];
    const double w = x - s.a1 * w1 - s.a2 * w2;
    x = s.b0 * (w + w2) + s.b1 * w1;
    w2 = w1;
    w1 = w;
  }
  return x;
}

BlockFilterPass::BlockFilterPass(const std::vector<Biquad>& sections, int feedEvery, int storeEvery) {
  const size_t feed = static_cast<size_t>(feedEvery);
  const size_t store = static_cast<size_t>(storeEvery);
  stateSize_ = 2 * sections.size();
  blockSteps_ = chooseBlockSteps(stateSize_, feed, store);
  inputsPerBlock_ = blockSteps_ / feed;
  outputsPerBlock_ = blockSteps_ / store;
  columnsPadded_ = roundUp(stateSize_ + inputsPerBlock_, kLanes);
  const size_t rows = stateSize_ + outputsPerBlock_;
  matrix_.assign(rows * columnsPadded_, 0.0);

  // Column j of the map is the block's response to unit value j of (state, inputs).
  for (size_t j = 0; j < stateSize_ + inputsPerBlock_; ++j) {
    CascadeState cascade(sections);
    if (j < stateSize_) cascade.state()[j] = 1.0;
    size_t output = 0;
    for (size_t t = 0; t < blockSteps_; ++t) {
      double x = 0.0;
      if (j >= stateSize_ && t == (j - stateSize_) * feed) x = 1.0;
      const double y = cascade.step(x);
      if (t % store == 0) matrix_[(stateSize_ + output++) * columnsPadded_ + j] = y;
    }
    for (size_t i = 0; i < stateSize_; ++i) matrix_[i * columnsPadded_ + j] = cascade.state()[i];
  }
}

namespace {

class ArrayInput : public PassInput {
 public:
  explicit ArrayInput(const double* values) : next_(values) {}
  void read(double* values, size_t count) override {
    if (count == 0) return;  // an empty signal's array may be null
    std::memcpy(values, next_, count * sizeof(double));
    next_ += count;
  }

 private:
  const double* next_;
};

class ArrayOutput : public PassOutput {
 public:
  explicit ArrayOutput(double* values) : next_(values) {}
  void write(const double* values, size_t count) override {
    if (count == 0) return;
    std::memcpy(next_, values, count * sizeof(double));
    next_ += count;
  }

 private:
  double* next_;
};

}  // namespace

bool BlockFilterPass::run(const double* src, size_t srcCount, double* dst, size_t dstCount, size_t steps,
                          ProgressMeter& progress) const {
  ArrayInput input(src);
  ArrayOutput output(dst);
  return run(input, srcCount, output, dstCount, steps, progress);
}

bool BlockFilterPass::run(PassInput& src, size_t srcCount, PassOutput& dst, size_t dstCount, size_t steps,
                          ProgressMeter& progress) const {
  const size_t rows = stateSize_ + outputsPerBlock_;
  std::vector<double> v(columnsPadded_, 0.0);
  std::vector<double> out(rows, 0.0);
  size_t srcIndex = 0;
  size_t dstIndex = 0;
  size_t stepsSinceReport = 0;
  for (size_t done = 0; done < steps && dstIndex < dstCount; done += blockSteps_) {
    // The block's values are all taken before any of its results is given (in-place arrays).
    const size_t taken = srcIndex < srcCount ? std::min(inputsPerBlock_, srcCount - srcIndex) : 0;
    double* inputs = v.data() + stateSize_;
    src.read(inputs, taken);
    std::fill(inputs + taken, inputs + inputsPerBlock_, 0.0);
    for (size_t i = 0; i < inputsPerBlock_; ++i) inputs[i] = kAntiSubnormal + inputs[i];
    srcIndex += inputsPerBlock_;
    multiply(matrix_.data(), rows, columnsPadded_, v.data(), out.data());
    std::memcpy(v.data(), out.data(), stateSize_ * sizeof(double));
    const size_t given = std::min(outputsPerBlock_, dstCount - dstIndex);
    dst.write(out.data() + stateSize_, given);
    dstIndex += given;
    stepsSinceReport += blockSteps_;
    if (stepsSinceReport >= kBlocksPerReport * blockSteps_) {
      if (!progress.advance(stepsSinceReport)) return false;
      stepsSinceReport = 0;
    }
  }
  return progress.advance(stepsSinceReport);
}

}  // namespace velmora
