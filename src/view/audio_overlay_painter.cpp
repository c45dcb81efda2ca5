// What a take or playback draws over the panes: the live F0 readout near the right end of
// the waveform pane, and the playback cursor.
#include "view/view_renderer.h"

namespace velmora {

void paintAudioOverlay(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  if (scene.f0Readout && scene.mode != ModeEmpty && !isPowerSpectrumMode(scene.mode)) {
    // "F" with a subscript 0, then the value.
    const int x = g.graphLeft + g.graphWidth - 150;
    const int y = g.waveTop + 4;
    // Made once: the readout is drawn at every refresh of a take.
    static const QFont large = viewFont("Arial", 14, true);
    static const QFont small = viewFont("Arial", 10, true);
    p.setPen(Qt::black);
    p.setFont(large);
    p.drawStaticText(QPointF(x, y), scene.f0Readout->f);
    p.setFont(small);
    p.drawStaticText(QPointF(x + 9, y + 7), scene.f0Readout->zero);
    p.setFont(large);
    p.drawStaticText(QPointF(x + 16, y), scene.f0Readout->value);
  }
  const int x = scene.playCursorX;
  if (x < 0) return;
  // An inverted column over the analysis pane and the waveform, as the selection marks are.
  p.save();
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(QPen(Qt::white, 0));
  p.drawLine(x, g.spectralTop, x, g.spectralTop + g.spectralHeight);
  p.drawLine(x, g.waveTop, x, g.waveTop + g.waveHeight);
  p.restore();
}

}  // namespace velmora
