#pragma once
// Smoothed cepstral peak prominence (CPPS, after Hillenbrand & Houde 1996 and Maryn & Weenink
// 2015) of a span, in dB:
//   0. a recording at twice kCppsDecimatedRate or faster is band-limited to kCppsBandHz (a
//      Hann-windowed sinc) and every k-th sample kept, k = rate / kCppsDecimatedRate rounded
//      down: as in Maryn's measure the cepstrum covers the spectrum up to about 5 kHz, and a
//      44.1 kHz frame then needs a 512-point instead of a 2048-point transform;
//   1. frames of kCppsWindowSeconds, Hann-windowed, every kCppsStepSeconds, zero-padded to a
//      power of two N; the span must hold one frame;
//   2. power spectrum in dB, 10 log10 |X|^2; its power cepstrum c^2 (c: the transform of the
//      even, N-point log spectrum) for quefrency bins 0 .. N/2;
//   3. the power cepstra are averaged over kCppsTimeHalfFrames frames each side (fewer at the
//      ends), then over kCppsQuefrencyHalfSeconds of quefrency each side, then taken in dB
//      (averaging in dB would let the cepstrum's zero crossings swamp the peak);
//   4. per frame: the peak between 1/330 s and 1/60 s minus the least-squares line through the
//      cepstrum from 1 ms to N/2 (at most 50 ms) at the peak's quefrency;
//   5. the mean over all frames.
#include "analysis/glottal_pulses.h"

namespace velmora {

inline constexpr double kCppsDecimatedRate = 10000.0;
inline constexpr double kCppsBandHz = 4500.0;
inline constexpr int kCppsTapsPerFactor = 16;
inline constexpr double kCppsWindowSeconds = 0.04;
inline constexpr double kCppsStepSeconds = 0.002;
inline constexpr int kCppsTimeHalfFrames = 5;
inline constexpr double kCppsQuefrencyHalfSeconds = 0.00025;
inline constexpr double kCppsHighestF0 = 330.0;
inline constexpr double kCppsLowestF0 = 60.0;
inline constexpr double kCppsTrendFrom = 0.001;
inline constexpr double kCppsTrendTo = 0.05;

// NaN when the span is shorter than one frame or the rate is outside what the FFT can hold.
double smoothedCepstralPeakProminence(const VoiceInput& input);

}  // namespace velmora
