#include "analysis/spectrogram_palette.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr int kRampHue[] = {0, 150, 0};  // scheme 1: blue ramp; scheme 2: red ramp
constexpr int kRainbowTopHue = 150;
constexpr int kFullSaturation = 240;

void fillGrey(SpectrogramPalette& palette, int levels) {
  for (int i = 0; i < levels; ++i) palette[i] = hlsToRgb(0, i * kHlsMax / levels, 0);
  std::fill(palette.begin() + levels, palette.end(), Rgb{255, 255, 255});
}

// The loudest entries form a rainbow at about luminance 160; below them (towards entry
// levels - 1, the quietest shade) the luminance ramps down to black at the ramp's hue.
void fillColour(SpectrogramPalette& palette, int levels, int scheme) {
  const int rampCount = static_cast<int>(levels * 0.5f);
  const float step = 160.0f / static_cast<float>(rampCount);
  for (int j = 0; j < rampCount; ++j)
    palette[levels - 1 - j] = hlsToRgb(kRampHue[scheme], static_cast<int>(static_cast<float>(j) * step), kFullSaturation);
  const int rainbowCount = levels - rampCount;
  const int rainbowLuminance = static_cast<int>(step * static_cast<float>(rampCount));
  for (int e = 0; e < rainbowCount; ++e) {
    const int f = scheme == 1 ? e : rainbowCount - e;
    palette[e] = hlsToRgb(f * kRainbowTopHue / rainbowCount, rainbowLuminance, kFullSaturation);
  }
  std::fill(palette.begin() + levels, palette.end(), Rgb{0, 0, 0});
}

}  // namespace

SpectrogramPalette buildPalette(int levels, int scheme) {
  levels = std::clamp(levels, kMinLevels, kPaletteSize);
  SpectrogramPalette palette{};
  if (scheme == 0)
    fillGrey(palette, levels);
  else
    fillColour(palette, levels, scheme == 1 ? 1 : 2);
  return palette;
}

}  // namespace velmora
