#include "presentation/bmp_image.h"

#include <algorithm>
#include <cassert>

namespace velmora {

namespace {
void put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
}  // namespace

int exportBitmapHeight(int clientHeight) { return std::max(1, clientHeight - (clientHeight >= 600 ? 130 : 30)); }

std::string encodeBmp24(int width, int height, const std::vector<uint8_t>& rgb) {
  assert(width > 0 && height > 0 && rgb.size() == static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  std::string out;
  out.reserve(kBmpHeaderBytes + rowBytes * static_cast<size_t>(height));
  out += "BM";
  // The file's size, where the earlier program wrote 0: readers such as ImageMagick take a
  // 0 there for a damaged file.
  put32(out, static_cast<uint32_t>(kBmpHeaderBytes + rowBytes * static_cast<size_t>(height)));
  put32(out, 0);  // reserved
  put32(out, kBmpHeaderBytes);
  put32(out, 40);
  put32(out, static_cast<uint32_t>(width));
  put32(out, static_cast<uint32_t>(height));  // positive: bottom-up rows
  put16(out, 1);   // planes
  put16(out, 24);  // bits per pixel
  put32(out, 0);   // no compression
  put32(out, static_cast<uint32_t>(rowBytes * static_cast<size_t>(height)));
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);  // no palette
  put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = rgb.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3;
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<char>(row[x * 3 + 2]));
      out.push_back(static_cast<char>(row[x * 3 + 1]));
      out.push_back(static_cast<char>(row[x * 3]));
    }
    out.append(rowBytes - static_cast<size_t>(width) * 3, '\0');
  }
  return out;
}

}  // namespace velmora
