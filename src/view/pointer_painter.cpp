// What the pointer leaves on the view: the marked columns of the waveform pane shown
// inverted, and the value box over the spectral pane.
#include "view/view_renderer.h"

namespace velmora {

void paintSelection(QPainter& p, const ViewScene& scene) {
  if (scene.selectionX0 < 0 || scene.selectionX1 <= scene.selectionX0) return;
  const ViewGeometry& g = scene.geometry;
  p.save();
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRect(scene.selectionX0, g.waveTop + 1, scene.selectionX1 - scene.selectionX0, g.waveHeight));
  p.restore();
}

void paintReadout(QPainter& p, const ViewScene& scene) {
  if (!scene.readout) return;
  const PointerReadout& r = *scene.readout;
  p.save();
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  drawBox(p, r.left, r.top, r.left + r.width, r.top + r.height);
  if (!r.f0Text.empty()) {
    p.setPen(f0DotColour(scene.scheme));
    p.setFont(viewFont("Arial", 12, true));
    drawTextAt(p, r.left + 2, r.top + 1, QStringLiteral("F"));
    p.setFont(viewFont("Arial", 9, true));
    drawTextAt(p, r.left + 8, r.top + 4, QStringLiteral("0"));
    p.setFont(viewFont("Arial", 12, false));
    drawTextAt(p, r.left + 14, r.top + 1, QString::fromStdString(r.f0Text));
  }
  p.setPen(Qt::black);
  p.setFont(viewFont("Arial", 12, false));
  drawTextAt(p, r.textX, r.top + 1, QString::fromStdString(r.text));
  p.restore();
}

}  // namespace velmora
