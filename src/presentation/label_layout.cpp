#include "presentation/label_layout.h"

#include <algorithm>

namespace velmora {

int labelFontHeight(double seconds) {
  // Exactly 8 s and 10 s fall between the steps of the table; they take the next step down
  // so every length has a height.
  if (seconds <= 5) return 16;
  if (seconds < 8) return 14;
  if (seconds < 10) return 12;
  if (seconds <= 20) return 10;
  if (seconds <= 30) return 8;
  if (seconds <= 40) return 6;
  if (seconds <= 60) return 4;
  return 2;
}

LabelView LabelView::of(const ViewGeometry& g, SampleRange visible, int rateHz, int extraTextChar) {
  LabelView v;
  v.visible = visible.ordered();
  v.rateHz = rateHz;
  v.paneLeft = g.graphLeft;
  v.paneWidth = g.graphWidth;
  v.bandTop = g.labelBandTop();
  v.extraTextChar = extraTextChar;
  return v;
}

int32_t LabelView::sampleAt(int x) const {
  if (paneWidth <= 0) return visible.start;
  return static_cast<int32_t>(visible.start + static_cast<int64_t>(x - paneLeft) * visibleLength() / paneWidth);
}

int LabelView::xOf(int32_t sample) const {
  return paneLeft + static_cast<int>(pixelsPerSample() * (static_cast<double>(sample) - visible.start));
}

int labelTextTop(int bandTop, int fontHeight) { return bandTop + (fontHeight < 12 ? 5 : 2); }

LabelPlacement placeLabel(const TextLabel& label, const LabelView& view) {
  LabelPlacement p;
  const size_t characters = utf8CharacterCount(label.text);
  const int32_t start = label.samples.start;
  if (label.hidden || characters == 0 || view.visibleLength() <= 0 || start < view.visible.start ||
      start > view.visible.end)
    return p;
  p.shown = true;
  const double h = view.pixelsPerSample();
  const double x = h * (static_cast<double>(start) - view.visible.start);
  const double n = static_cast<double>(characters);
  p.characterWidth = (static_cast<double>(label.samples.end) - start) * h / n;
  p.markerCentre = view.paneLeft + static_cast<int>(x) + n * p.characterWidth / 2;
  p.marker = p.characterWidth < kMarkerBelowCharacterWidth;
  if (p.marker) {
    p.markerLeft = static_cast<int>(view.paneLeft + x + n * p.characterWidth / 2 - kMarkerHalfWidth);
    p.markerTop = view.bandTop + 4;
    return p;
  }
  p.textTop = labelTextTop(view.bandTop, view.fontHeight());
  const double step = p.characterWidth + 1 + view.extraTextChar;
  for (size_t j = 0; j < characters; ++j) {
    const double offset = x + static_cast<double>(j) * step;
    if (offset > view.paneWidth) break;
    p.characterX.push_back(static_cast<int>(view.paneLeft + offset));
  }
  return p;
}

int hitLabel(const LabelSet& labels, const LabelView& view, int x) {
  const int32_t sample = view.sampleAt(x);
  const auto& entries = labels.entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    const TextLabel& l = entries[i];
    const LabelPlacement p = placeLabel(l, view);
    if (!p.shown) continue;
    if (p.marker) {
      const double m = p.markerCentre - kMarkerHalfWidth;
      if (x - kMarkerHitWidth <= m && m < x) return static_cast<int>(i);
    } else if (sample >= l.samples.start && sample <= l.samples.end && l.samples.start > view.visible.start &&
               l.samples.start < view.visible.end) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool inLabelBand(const ViewGeometry& g, int x, int y) {
  return x >= g.graphLeft && x <= g.graphLeft + g.graphWidth + 1 && y >= g.labelBandTop() && y <= g.labelBandBottom();
}

DialogPlace insertTextPlace(const ViewGeometry& g, int clickX, bool korean) {
  DialogPlace d;
  d.left = std::min(clickX, g.largeLayout ? 700 : 500);
  d.width = 286 + (korean ? 40 : 0);
  d.top = g.largeLayout ? g.labelBandTop() + 20 : g.labelBandTop() - 40;
  d.height = 80 + (korean ? 10 : 0);
  return d;
}

DialogPlace tooLargePlace(const ViewGeometry& g, int clickX, bool korean) {
  DialogPlace d;
  d.left = std::min(clickX - 50, g.largeLayout ? 700 : 500);
  d.width = 272 + (korean ? 40 : 0);
  d.top = g.largeLayout ? g.labelBandTop() + 20 : g.labelBandTop() - 40;
  d.height = 120 + (korean ? 10 : 0);
  return d;
}

int labelMenuX(int x) { return x + 5; }

int labelMenuY(const ViewGeometry& g) { return g.labelBandTop() + (g.largeLayout ? 130 : 80); }

}  // namespace velmora
