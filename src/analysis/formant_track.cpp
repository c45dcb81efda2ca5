#include "analysis/formant_track.h"

#include <complex>
#include <new>

#include "analysis/formant_candidates.h"
#include "analysis/formant_path.h"
#include "analysis/formant_resample.h"
#include "analysis/formant_resonances.h"

namespace velmora {

int FormantTrack::compute(const int16_t* samples, size_t n, int sampleRateHz) {
  using namespace formant;
  valid_ = false;
  frames_.clear();
  errorText_.clear();
  if (sampleRateHz < kAnalysisRateHz) {
    valid_ = true;
    return 0;
  }
  try {
    std::vector<int16_t> signal = resampleToAnalysisRate(samples, n, sampleRateHz);
    const size_t m = signal.size();
    const size_t frameCount = m >= kWindowSamples ? (m - kWindowSamples) / kFrameStepSamples + 1 : 0;
    // Pre-emphasis reads one sample past the window; the last frame finds a zero there.
    signal.push_back(0);

    std::vector<FrameResonances> analysed(frameCount);
    std::vector<std::complex<double>> roots;
    for (size_t f = 0; f < frameCount; ++f) {
      if (f > 0) solver_.resetEstimates(kLpcOrder);
      const FrameLpc lpc = lpc_.analyse(signal.data() + f * kFrameStepSamples, kWindowSamples, kLpcOrder, kPreEmphasis,
                                        kStabilityDb, LpcWindow::Hanning);
      FrameResonances& frame = analysed[f];
      frame.rms = lpc.rms;
      if (lpc.ok && solver_.solve(lpc.coefficients.data(), kLpcOrder, roots))
        frame.resonances = resonancesFromRoots(roots, lpc.coefficients, lpc.rms, kAnalysisRateHz);
    }
    lpc_.releaseCaches();
    std::vector<int16_t>().swap(signal);  // not needed past the frames' analysis

    // The candidates are enumerated again when asked for rather than kept for every frame: a
    // long recording would need hundreds of megabytes for them.
    std::vector<Candidate> candidates;
    frames_.resize(frameCount);
    traceFormantSlots(
        analysed,
        [&](size_t t) -> const std::vector<Candidate>& {
          candidates = mappingCandidates(analysed[t].resonances);
          return candidates;
        },
        [this](size_t f, const SlotValues& slots) {
          FormantFrame& out = frames_[f];
          out.f1Hz = static_cast<float>(slots[0].frequencyHz);
          out.f2Hz = static_cast<float>(slots[1].frequencyHz);
          out.f3Hz = static_cast<float>(slots[2].frequencyHz);
          out.f4Hz = static_cast<float>(slots[3].frequencyHz);
          out.startSample = static_cast<int32_t>(f * kFrameStepSamples);
          out.drawable = 1;
        });
  } catch (const std::bad_alloc&) {
    lpc_.releaseCaches();
    frames_.clear();
    errorText_ = "ERROR";
    return -1;
  }
  valid_ = true;
  return frameCount();
}

}  // namespace velmora
