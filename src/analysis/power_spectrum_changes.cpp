#include "analysis/power_spectrum_changes.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr int kBandColumns = 16;
// What one more rect costs a repaint, in pixels copied: each is painted on its own, so a few
// pixels more in a merged rect are cheaper than another rect.
constexpr long kRectCost = 2500;

long area(const PaneRect& r) { return static_cast<long>(r.width()) * r.height(); }

PaneRect merged(const PaneRect& a, const PaneRect& b) {
  return PaneRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                  std::max(a.bottom, b.bottom)};
}

// Each column's first coloured row, when the spans are the solid curve in one colour: one
// coloured run per column reaching the pane's bottom. Empty otherwise.
std::vector<int> solidTops(const PowerSpectrumDrawing& drawing, const PaneRect& pane, Rgb& colour) {
  if (drawing.clearToWhite || !drawing.lines.empty() || drawing.spans.empty()) return {};
  const Rgb white{255, 255, 255};
  std::vector<int> tops(static_cast<size_t>(pane.width()), pane.bottom);
  std::vector<bool> seen(tops.size(), false);
  bool first = true;
  for (const ColumnSpan& span : drawing.spans) {
    if (span.colour == white || span.bottom <= span.top) continue;
    if (span.x < pane.left || span.x >= pane.right || span.bottom != pane.bottom) return {};
    if (first) colour = span.colour;
    first = false;
    const auto x = static_cast<size_t>(span.x - pane.left);
    if (span.colour != colour || seen[x]) return {};
    seen[x] = true;
    tops[x] = std::max(span.top, pane.top);
  }
  return tops;
}

}  // namespace

std::vector<PaneRect> PowerSpectrumChanges::next(const PowerSpectrumDrawing& drawing, const PaneRect& pane) {
  Rgb colour;
  std::vector<int> tops = solidTops(drawing, pane, colour);
  const bool comparable = known_ && !tops.empty() && pane == pane_ && colour == colour_;
  const bool followable = !tops.empty();
  std::vector<PaneRect> changes;
  if (!comparable) {
    if (pane.width() > 0 && pane.height() > 0) changes.push_back(pane);
  } else {
    // Bands of columns, each as tall as the rows that changed in it; neighbours are merged
    // while that copies fewer pixels than painting them apart.
    for (int from = 0; from < pane.width(); from += kBandColumns) {
      const int to = std::min(from + kBandColumns, pane.width());
      int top = pane.bottom, bottom = pane.top;
      for (int x = from; x < to; ++x) {
        const auto i = static_cast<size_t>(x);
        if (tops[i] == tops_[i]) continue;
        top = std::min(top, std::min(tops[i], tops_[i]));
        bottom = std::max(bottom, std::max(tops[i], tops_[i]));
      }
      if (bottom <= top) continue;
      const PaneRect band{pane.left + from, top, pane.left + to, bottom};
      if (!changes.empty()) {
        const PaneRect joined = merged(changes.back(), band);
        if (area(joined) <= area(changes.back()) + area(band) + kRectCost) {
          changes.back() = joined;
          continue;
        }
      }
      changes.push_back(band);
    }
  }
  known_ = followable;
  pane_ = pane;
  colour_ = colour;
  tops_ = std::move(tops);
  return changes;
}

}  // namespace velmora
