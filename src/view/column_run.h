#pragma once
// Pictures kept between live repaints whose columns each hold one run of rows in a colour over
// a background: moving a column's run rewrites only the rows that change.
#include <QImage>
#include <algorithm>
#include <cstddef>

namespace velmora {

// Rewrites column x of `image` from the run [oldTop, oldBottom) to [top, bottom); `shown(y)`
// is what row y shows afterwards. `whole`: the run changed colour, so every row of both runs.
template <class Shown>
void moveColumnRun(QImage& image, size_t x, int oldTop, int oldBottom, int top, int bottom, bool whole, Shown shown) {
  auto* bits = reinterpret_cast<QRgb*>(image.bits()) + x;
  const auto stride = static_cast<size_t>(image.bytesPerLine()) / sizeof(QRgb);
  const auto rewrite = [&](int from, int to) {
    for (int y = from; y < to; ++y) bits[static_cast<size_t>(y) * stride] = shown(y);
  };
  if (whole || oldTop == oldBottom || top == bottom) {
    rewrite(oldTop, oldBottom);
    rewrite(top, bottom);
  } else {
    // Only the rows between the old and new ends differ.
    rewrite(std::min(top, oldTop), std::max(top, oldTop));
    rewrite(std::min(bottom, oldBottom), std::max(bottom, oldBottom));
  }
}

}  // namespace velmora
