#include "analysis/formant_track.h"

#include <complex>
#include <new>

#include "analysis/formant_candidates.h"
#include "analysis/formant_path.h"
#include "analysis/formant_resample.h"
#include "analysis/formant_resonances.h"

namespace velmora {

int FormantTrack::compute(const int16_t* samples, size_t n, int sampleRateHz, const StopFlag* stop) {
  using namespace formant;
  valid_ = false;
  frames_.clear();
  errorText_.clear();
  if (sampleRateHz < kAnalysisRateHz) {
    valid_ = true;
    return 0;
  }
  try {
    // Frames are analysed as the 10 kHz signal is made; only the samples from the current
    // frame's start are held, not a copy of the whole recording.
    AnalysisRateStream stream(samples, n, sampleRateHz);
    const size_t m = stream.size();
    const size_t frameCount = m >= kWindowSamples ? (m - kWindowSamples) / kFrameStepSamples + 1 : 0;
    std::vector<int16_t> window;
    window.reserve(kWindowSamples + 1);
    size_t made = 0;  // 10 kHz samples taken from the stream

    std::vector<FrameResonances> analysed(frameCount);
    std::vector<std::complex<double>> roots;
    for (size_t f = 0; f < frameCount; ++f) {
      if (f % kFramesPerStopCheck == 0 && stopRequested(stop)) {
        lpc_.releaseCaches();
        return kFormantsStopped;
      }
      if (f > 0) window.erase(window.begin(), window.begin() + static_cast<long>(kFrameStepSamples));
      // Pre-emphasis reads one sample past the window; the last frame finds a zero there.
      while (window.size() < kWindowSamples + 1) {
        window.push_back(made < m ? stream.next() : int16_t{0});
        ++made;
      }
      if (f > 0) solver_.resetEstimates(kLpcOrder);
      const FrameLpc lpc =
          lpc_.analyse(window.data(), kWindowSamples, kLpcOrder, kPreEmphasis, kStabilityDb, LpcWindow::Hanning);
      FrameResonances& frame = analysed[f];
      frame.rms = lpc.rms;
      if (lpc.ok && solver_.solve(lpc.coefficients.data(), kLpcOrder, roots)) {
        // Levels are left out: neither the mapping nor the track reads them.
        frame.resonances = resonancesFromRoots(roots, kAnalysisRateHz);
        frame.resonances.shrink_to_fit();  // kept for every frame until the back-trace
      }
    }
    lpc_.releaseCaches();
    if (stopRequested(stop)) return kFormantsStopped;

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
