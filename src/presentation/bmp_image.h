#pragma once
// "Export graph as a bmp file...": the bitmap's size for the view's client area and the file
// layout: "BM" header (the file's size, pixel data at 54), a 40-byte information header, no
// palette, 24-bit rows stored bottom-up, each padded to a multiple of four bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int kBmpHeaderBytes = 54;

// A client area at least 600 px high loses 130 px, a lower one 30 px (never below 1).
int exportBitmapHeight(int clientHeight);

// rgbTopDown: width x height pixels, three bytes (red, green, blue) each, top row first.
std::string encodeBmp24(int width, int height, const std::vector<uint8_t>& rgbTopDown);

}  // namespace velmora
