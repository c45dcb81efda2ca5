#include "analysis/spectrogram_image.h"

#include <algorithm>
#include <cstring>

namespace velmora {

void SpectrogramImage::reset(int columns, int rows, const SpectrogramPalette& palette) {
  width = std::max(columns, 0);
  height = std::max(rows, 0);
  const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  intensity.assign(pixels, 0);
  rgb.resize(pixels * 3);
  const Rgb background = palette[kPaletteBackgroundEntry];
  for (size_t p = 0; p < pixels; ++p) {
    rgb[3 * p] = background.red;
    rgb[3 * p + 1] = background.green;
    rgb[3 * p + 2] = background.blue;
  }
}

Rgb SpectrogramImage::colourAt(int x, int y) const {
  const size_t p = (static_cast<size_t>(y) * width + x) * 3;
  return {rgb[p], rgb[p + 1], rgb[p + 2]};
}

void SpectrogramImage::paintColumn(int x, const uint8_t* intensities, int rows, const SpectrogramPalette& palette) {
  if (x < 0 || x >= width) return;
  const int count = std::min(rows, height);
  for (int y = 0; y < count; ++y) {
    const size_t p = static_cast<size_t>(y) * width + x;
    intensity[p] = intensities[y];
    const Rgb c = palette[paletteEntryOfIntensity(intensities[y])];
    rgb[3 * p] = c.red;
    rgb[3 * p + 1] = c.green;
    rgb[3 * p + 2] = c.blue;
  }
}

void SpectrogramImage::copyColumn(int fromX, int toX) {
  if (fromX < 0 || fromX >= width || toX < 0 || toX >= width) return;
  for (int y = 0; y < height; ++y) {
    const size_t row = static_cast<size_t>(y) * width;
    intensity[row + toX] = intensity[row + fromX];
    std::memcpy(&rgb[(row + toX) * 3], &rgb[(row + fromX) * 3], 3);
  }
}

void SpectrogramImage::scrollLeft() {
  if (width < 2) return;
  for (int y = 0; y < height; ++y) {
    const size_t row = static_cast<size_t>(y) * width;
    std::memmove(&intensity[row], &intensity[row + 1], static_cast<size_t>(width - 1));
    std::memmove(&rgb[row * 3], &rgb[(row + 1) * 3], static_cast<size_t>(width - 1) * 3);
  }
}

void SpectrogramImage::recolour(const SpectrogramPalette& palette) {
  for (size_t p = 0; p < intensity.size(); ++p) {
    const Rgb c = palette[paletteEntryOfIntensity(intensity[p])];
    rgb[3 * p] = c.red;
    rgb[3 * p + 1] = c.green;
    rgb[3 * p + 2] = c.blue;
  }
}

}  // namespace velmora
