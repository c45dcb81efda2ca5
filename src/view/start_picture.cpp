// The picture shown while no recording is open, with the program's version under it.
#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

#include "core/string_ids.h"
#include "core/string_table.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
// The program's emblem: a voice wave over a spectrogram-coloured band.
void paintEmblem(QPainter& p, const QRect& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient band(r.topLeft(), r.bottomLeft());
  band.setColorAt(0.0, QColor(20, 40, 110));
  band.setColorAt(1.0, QColor(60, 140, 200));
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawRoundedRect(r, 12, 12);
  QPainterPath wave;
  const double mid = r.center().y() + r.height() * 0.12;
  wave.moveTo(r.left() + 10, mid);
  for (int x = 0; x <= r.width() - 20; ++x) {
    const double t = static_cast<double>(x) / (r.width() - 20);
    const double envelope = std::sin(t * M_PI);
    wave.lineTo(r.left() + 10 + x, mid - envelope * r.height() * 0.18 * std::sin(t * 38.0));
  }
  p.setPen(QPen(QColor(255, 210, 90), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(wave);
  QFont title = viewFont("Verdana", std::max(18, r.height() / 5), true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(r.left(), r.top() + 6, r.width(), r.height() / 3), Qt::AlignCenter, QStringLiteral("Velmora"));
  p.restore();
}
}  // namespace

void paintStartPicture(QPainter& p, const ViewScene& scene, QSize logicalClient) {
  const ViewGeometry& g = scene.geometry;
  int x0 = g.graphLeft + (logicalClient.width() - g.graphLeft) / 2 - 95;
  int y0 = logicalClient.height() / 2 - 76;
  QRect picture(x0, y0, 190, 150);
  if (g.largeLayout) {
    x0 -= 50;
    y0 = logicalClient.height() / 2 - 176;
    picture = QRect(x0, y0 + 40, 290, 118);
  }
  paintEmblem(p, picture);
  QString version = QString::fromStdString(tr(str::Version)) + QStringLiteral("h");
  // A Korean text counts one character more; our strings carry no padding, so the count is
  // the string itself.
  p.setFont(viewFont("Arial", 14, false));
  p.setPen(Qt::black);
  drawTextAt(p, x0 + 125, y0 + 163, version);
}

}  // namespace velmora
