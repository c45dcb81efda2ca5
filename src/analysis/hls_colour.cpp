#include "analysis/hls_colour.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr int kRgbMax = 255;

// One channel's value on the 0..240 scale from the two magic values and the channel's hue.
int hueToChannel(int low, int high, int hue) {
  if (hue < 0) hue += kHlsMax;
  if (hue > kHlsMax) hue -= kHlsMax;
  if (hue < kHlsMax / 6) return low + ((high - low) * hue + kHlsMax / 12) / (kHlsMax / 6);
  if (hue < kHlsMax / 2) return high;
  if (hue < kHlsMax * 2 / 3) return low + ((high - low) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
  return low;
}

uint8_t toByte(int scaled) {
  return static_cast<uint8_t>(std::clamp((scaled * kRgbMax + kHlsMax / 2) / kHlsMax, 0, kRgbMax));
}

}  // namespace

Rgb hlsToRgb(int hue, int luminance, int saturation) {
  hue = std::clamp(hue, 0, kHlsMax);
  luminance = std::clamp(luminance, 0, kHlsMax);
  saturation = std::clamp(saturation, 0, kHlsMax);
  if (saturation == 0) {
    const auto grey = static_cast<uint8_t>(luminance * kRgbMax / kHlsMax);
    return {grey, grey, grey};
  }
  const int high = luminance <= kHlsMax / 2
                       ? (luminance * (kHlsMax + saturation) + kHlsMax / 2) / kHlsMax
                       : luminance + saturation - (luminance * saturation + kHlsMax / 2) / kHlsMax;
  const int low = 2 * luminance - high;
  return {toByte(hueToChannel(low, high, hue + kHlsMax / 3)), toByte(hueToChannel(low, high, hue)),
          toByte(hueToChannel(low, high, hue - kHlsMax / 3))};
}

}  // namespace velmora
