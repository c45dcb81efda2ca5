#pragma once
// Hue, luminance and saturation on the 0..240 scale of the Windows colour dialog, converted
// to red, green and blue 0..255 in integer arithmetic (the dialog's own rounding), so the
// spectrogram palettes come out exactly as therapists know them.
#include <cstdint>

namespace velmora {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr int kHlsMax = 240;

// hue, luminance, saturation: 0..240 (values outside are limited to the range).
// Saturation 0 gives grey truncate(luminance x 17 / 16).
Rgb hlsToRgb(int hue, int luminance, int saturation);

}  // namespace velmora
