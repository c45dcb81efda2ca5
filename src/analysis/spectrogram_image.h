#pragma once
// The picture a spectrogram engine hands to the view: `width` columns by `height` rows,
// row 0 at the top (the highest frequency), column 0 at the left (the earliest time).
// It keeps both the intensity of every pixel (0..255) and its colour, so a new palette can
// recolour the picture without analysing the sound again.
//
// `rgb` is row-major, 3 bytes per pixel (red, green, blue), rows `width` x 3 bytes apart:
// the layout of a 24-bit RGB image, which the view wraps without copying.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/spectrogram_palette.h"

namespace velmora {

struct SpectrogramImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> intensity;  // width x height, row-major
  std::vector<uint8_t> rgb;        // width x height x 3, row-major

  // New size with every pixel silent (intensity 0) in the palette's background.
  void reset(int columns, int rows, const SpectrogramPalette& palette);

  uint8_t intensityAt(int x, int y) const { return intensity[static_cast<size_t>(y) * width + x]; }
  Rgb colourAt(int x, int y) const;

  // Column x from `rows` intensities (top first); rows beyond the image are ignored, rows
  // of the image beyond `rows` keep their pixels.
  void paintColumn(int x, const uint8_t* intensities, int rows, const SpectrogramPalette& palette);
  void copyColumn(int fromX, int toX);
  // Moves every column one place to the left; the last column keeps its pixels.
  void scrollLeft();
  void recolour(const SpectrogramPalette& palette);
};

}  // namespace velmora
