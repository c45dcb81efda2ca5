#pragma once
// Harmonics-to-noise ratio of the voiced frames of a span, by forward cross-correlation
// (after Boersma 1993): at each voiced F0 frame, the window of kHnrWindowSeconds centred on the
// frame is correlated with the same window shifted by one period; the period is climbed from
// the F0 track's value to the correlation's maximum (at most 20 % away) and refined by a
// parabola. A normalised maximum r gives 10 log10(r / (1 - r)) dB; frames with r <= 0 give
// no value. The result is the mean in dB over the frames that gave one.
#include "analysis/glottal_pulses.h"

namespace velmora {

inline constexpr double kHnrWindowSeconds = 1.0 / 75.0;
inline constexpr double kHnrCeilingDb = 60.0;

struct HarmonicityResult {
  double meanDb = 0.0;  // NaN when no frame gave a value
  size_t frames = 0;
};

HarmonicityResult meanHarmonicity(const VoiceInput& input);

}  // namespace velmora
