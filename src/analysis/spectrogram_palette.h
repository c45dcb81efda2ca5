#pragma once
// The spectrogram's colour palette: 400 entries, of which the first `levels` are shaded and
// the rest are the background. An intensity i (0..255, see spectrogram_column.h) is shown
// with entry 100 - i for 1 <= i <= 100, entry 0 above 100, and entry 100 (the background
// while levels <= 100) for silence. So with the default 70 levels intensities 31..100 are
// shaded and the loudest parts take entry 0.
//
// Schemes (hue, luminance, saturation on the 0..240 scale, hls_colour.h):
//   0  grey: entry i < L has luminance i x 240 / L; loud is dark; background white.
//   1  a ramp of luminance at hue 150 (blue) below a rainbow from hue 0 to 150; background black.
//   2  a ramp of luminance at hue 0 (red) below a rainbow from hue 150 down to 0; background black.
#include <array>
#include <cstdint>

#include "analysis/hls_colour.h"

namespace velmora {

inline constexpr int kPaletteSize = 400;
inline constexpr int kPaletteBackgroundEntry = 100;
inline constexpr int kDefaultLevels = 70;
inline constexpr int kMinLevels = 2;  // fewer would leave scheme 1 and 2 without a ramp
inline constexpr int kDefaultScheme = 2;

using SpectrogramPalette = std::array<Rgb, kPaletteSize>;

// levels is limited to kMinLevels .. kPaletteSize; an unknown scheme is taken as scheme 2.
SpectrogramPalette buildPalette(int levels, int scheme);

// The palette entry of an intensity, as described above.
inline int paletteEntryOfIntensity(int intensity) {
  if (intensity <= 0) return kPaletteBackgroundEntry;
  if (intensity > 100) return 0;
  return 100 - intensity;
}

}  // namespace velmora
