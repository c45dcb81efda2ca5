// The waveform pane: white box, grey grid lines and the reduced signal.
#include <QPolygon>

#include "view/view_renderer.h"
#include "presentation/waveform_reduction.h"

namespace velmora {

void paintWaveformPane(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  const int h = g.waveHeight;
  // The whole box white, then its outline: under the large layout's stretch the outline
  // misses a corner pixel, and a live repaint has nothing beneath to show there.
  p.fillRect(QRect(g.graphLeft, g.waveTop, g.graphWidth + 2, h), Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  drawBox(p, g.graphLeft, g.waveTop, g.graphLeft + g.graphWidth + 2, g.waveBottom());
  p.setPen(QPen(QColor(128, 128, 128), 1));
  const int right = g.graphLeft + g.graphWidth + 1;
  for (int y : {g.waveTop + h / 4, g.waveTop + h / 2, g.waveTop + h / 2 + h / 4}) p.drawLine(g.graphLeft, y, right, y);
  const WavePane pane{g.graphLeft, g.graphWidth, g.waveTop, h};
  std::vector<WavePoint> points;
  if (scene.mode < ModeSpectrogram) {
    if (scene.liveSignal) points = reduceLiveSignal(*scene.liveSignal, pane);
  } else if (scene.hasSamples()) {
    const SoundBuffer& b = *scene.buffer;
    points = reduceWaveform(b.samples, b.visibleStart, b.visibleEnd, pane);
  }
  // Fewer segments for the same pixels: the live strip is redrawn at every refresh.
  points = mergeColumnRuns(points);
  if (points.size() < 2) return;
  QPolygon line(static_cast<int>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) line.setPoint(static_cast<int>(i), points[i].x, points[i].y);
  // A cosmetic pen stays one device pixel wide under the large layout's stretch and takes
  // the rasteriser's fast path: thousands of segments draw in a millisecond or two.
  QPen pen(scene.printing ? QColor(200, 200, 200) : QColor(Qt::black), 0);
  pen.setCosmetic(true);
  p.setPen(pen);
  p.drawPolyline(line);
}

}  // namespace velmora
