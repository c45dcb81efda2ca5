#pragma once
// Glottal pulses of a span: one mark per vocal-fold cycle, at the matching waveform peak of
// successive cycles, found inside the stretches the F0 track calls voiced.
//   0. the span (and kPulseMarginSeconds each side) is low-passed at kPulseLowPassHz, forwards
//      and backwards: the peaks of the lowest formants mark the cycles, and most of the noise
//      that would shift and scale them is gone; marks and heights are taken on this copy;
//   1. voiced runs: consecutive voiced F0 frames (value > 0) that fall in the span;
//   2. per run: the polarity whose extreme is larger; a seed at the strongest peak of the
//      period around the run's middle;
//   3. walk forwards and backwards: the next cycle's candidates are the local maxima 0.8 to
//      1.25 local periods away; the one whose one-period neighbourhood correlates best with
//      the current one wins; the walk stops at the run's end or when no candidate correlates
//      better than kMinimumCycleCorrelation or every candidate peak is below kSilenceFraction
//      of the run's largest amplitude (ringing that outlives the voice); when it stops more
//      than three periods short of an end of the run, the rest on that side is walked as a run
//      of its own (running speech: a soft syllable inside a long voiced run);
//   4. the seed's mark is the maximum of the band-limited (sinc-interpolated) waveform within
//      a sample of its peak; each next mark is the previous one plus the lag at which the two
//      cycles' neighbourhoods correlate best (within two samples of the peaks' distance, refined
//      by a parabola): a period is then the cycle-to-cycle lag, not the distance between two
//      peaks that moving formants shift inside their cycles (running speech);
//   5. each pulse's amplitude is the root-mean-square of the recording (not the low-passed
//      copy) under a Hann window kAmplitudeWindowPeriods local periods wide, centred on the
//      mark. A single peak height moves with every noise sample that lands on it; the
//      windowed energy moves far less and follows the cycle's size (in the benchmark it agrees
//      with Praat's period amplitudes at every noise level).
#include <cstddef>
#include <vector>

#include "analysis/stop_flag.h"

namespace velmora {

inline constexpr double kMinimumCycleCorrelation = 0.3;
inline constexpr long kInterpolationDepth = 16;
inline constexpr double kPulseLowPassHz = 2000.0;
inline constexpr double kPulseMarginSeconds = 0.05;
inline constexpr double kSilenceFraction = 0.1;
inline constexpr double kAmplitudeWindowPeriods = 0.25;

// Samples and F0 track of a whole recording, and the span to analyse.
struct VoiceInput {
  const float* samples = nullptr;  // the whole recording, any scale
  size_t count = 0;
  double rateHz = 0.0;
  size_t begin = 0, end = 0;       // the span, [begin, end) in samples
  const float* f0 = nullptr;       // F0 value k (Hz, 0 = unvoiced) belongs to time k / f0FramesPerSecond
  size_t f0Count = 0;
  double f0FramesPerSecond = 0.0;
  const StopFlag* stop = nullptr;  // set: give up (the result is not valid)

  // The F0 value nearest the sample position; 0 outside the track.
  double f0At(double position) const;
  // The first and one-past-last F0 frames whose time falls in the span.
  size_t firstFrame() const;
  size_t endFrame() const;
};

struct GlottalPulse {
  double position = 0.0;   // in samples from the recording's start, fractional
  double amplitude = 0.0;  // the cycle's windowed RMS around the mark (same scale as the samples)
  // The first mark of a walk: the interval from the previous mark joins two walks that did not
  // follow each other's cycles, so it is no period.
  bool startsWalk = false;
};

// In time order. Empty when nothing in the span is voiced.
std::vector<GlottalPulse> findGlottalPulses(const VoiceInput& input);

}  // namespace velmora
