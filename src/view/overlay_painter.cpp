// The F0 scale and dots, and the formant dots, over the spectrogram.
#include "view/axis_labels.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
PaneRect spectralPane(const ViewGeometry& g) { return PaneRect{g.graphLeft, g.spectralTop, g.graphWidth, g.spectralHeight}; }

void fillDots(QPainter& p, const std::vector<Dot>& dots, const QColor& colour, const PaneRect& pane) {
  p.save();
  p.setClipRect(QRect(pane.left + 1, pane.top, pane.width, pane.height));
  p.setPen(QPen(colour, 1));
  p.setBrush(colour);
  for (const Dot& d : dots) p.drawEllipse(QRect(d.x, d.y, d.size - 1, d.size - 1));
  p.restore();
}
}  // namespace

void paintF0Scale(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  const int left = f0ScaleLeft(g);
  p.fillRect(QRect(left, g.spectralTop, 50, g.spectralHeight), Qt::white);
  p.setFont(viewFont("Arial", 11, true));
  p.setPen(f0DotColour(scene.scheme));
  for (const AxisLabel& l : f0ScaleLabels(g, scene.f0Min, scene.f0Max))
    drawTextRight(p, l.x, l.y, l.width, QString::fromStdString(l.text));
}

void paintF0Curve(QPainter& p, const ViewScene& scene) {
  if (!scene.f0Values || !scene.hasSamples()) return;
  const SoundBuffer& b = *scene.buffer;
  const PaneRect pane = spectralPane(scene.geometry);
  fillDots(p, f0Dots(*scene.f0Values, b.sampleCount(), b.visibleStart, b.visibleEnd, pane, scene.f0Min, scene.f0Max),
           f0DotColour(scene.scheme), pane);
}

void paintFormantOverlay(QPainter& p, const ViewScene& scene) {
  if (!scene.formants || !scene.hasSamples()) return;
  const SoundBuffer& b = *scene.buffer;
  const PaneRect pane = spectralPane(scene.geometry);
  static const std::vector<float> noF0;
  const std::vector<Dot> dots = formantDots(*scene.formants, scene.f0Values ? *scene.f0Values : noF0, b.sampleCount(),
                                            b.visibleStart, b.visibleEnd, pane, scene.spectrogramTopHz);
  for (int slot = 0; slot < 4; ++slot) {
    std::vector<Dot> ofSlot;
    for (const Dot& d : dots)
      if (d.slot == slot) ofSlot.push_back(d);
    fillDots(p, ofSlot, formantColour(scene.scheme, slot), pane);
  }
}

}  // namespace velmora
