// The waveform pane: white box, grey grid lines and the reduced signal.
#include <QPolygon>

#include "presentation/waveform_reduction.h"
#include "view/live_wave_picture.h"
#include "view/view_renderer.h"

namespace velmora {

void paintWaveformPane(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  const int h = g.waveHeight;
  const WavePane pane{g.graphLeft, g.graphWidth, g.waveTop, h};
  std::vector<WavePoint> points;
  if (scene.mode < ModeSpectrogram) {
    if (scene.liveSignal) points = reduceLiveSignal(*scene.liveSignal, pane);
    if (paintLiveWaveAsPicture(p, scene, points)) return;
  } else if (scene.hasSamples()) {
    const SoundBuffer& b = *scene.buffer;
    points = reduceWaveform(b.samples, b.visibleStart, b.visibleEnd, pane);
  }
  // The box white, its outline and the gray grid as rows and columns one unit wide. Stroked
  // with a pen under the large layout's stretch they went through Qt's path stroker, and the
  // outline left a corner pixel to whatever lay beneath.
  const int width = g.graphWidth + 2;
  p.fillRect(QRect(g.graphLeft, g.waveTop, width, h), Qt::white);
  for (const QRect& side : {QRect(g.graphLeft, g.waveTop, width, 1), QRect(g.graphLeft, g.waveBottom() - 1, width, 1),
                            QRect(g.graphLeft, g.waveTop, 1, h), QRect(g.graphLeft + width - 1, g.waveTop, 1, h)})
    p.fillRect(side, Qt::black);
  for (int y : {g.waveTop + h / 4, g.waveTop + h / 2, g.waveTop + h / 2 + h / 4})
    p.fillRect(QRect(g.graphLeft, y, width, 1), QColor(128, 128, 128));
  // Fewer segments for the same pixels.
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
