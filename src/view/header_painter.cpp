// The header band (mode title and duration), the information block and the volume panel.
#include <algorithm>

#include "core/language.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "view/header_layout.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }

// Where the duration may reach: the information block's left edge when the block lies to its
// right, which the layout keeps the duration from running into, or else the band's end.
int durationRight(const HeaderLayout& l) {
  int right = l.band.right();
  for (const HeaderText* t : {&l.upper, &l.lower})
    if (!t->text.isEmpty() && t->bounds.left() > l.time.bounds.right()) right = std::min(right, t->bounds.left());
  return right;
}
}  // namespace

QRect takeDurationArea(const ViewScene& scene) {
  if (!scene.takeDurationArea.isNull()) return scene.takeDurationArea;
  // Inside the band's outline, from the duration's left edge up to the information block: the
  // block stays as it is while a take runs.
  const HeaderLayout l = headerLayout(scene);
  const int x = l.time.bounds.left();
  return QRect(x, l.band.top() + 1, durationRight(l) - x, l.band.height() - 2);
}

void paintTakeDuration(QPainter& p, const ViewScene& scene) {
  if (scene.takeSamples < 0 || scene.comparison || scene.printing) return;
  const HeaderLayout l = headerLayout(scene);
  const QRect area = takeDurationArea(scene);
  // What a full paint puts there: the band's face, the duration, and the information block
  // where the area reaches it.
  p.save();
  p.setClipRect(area, Qt::IntersectClip);
  p.fillRect(area, kButtonFace);
  p.setPen(Qt::black);
  p.setFont(l.bandFont);
  drawTextAt(p, l.time.at.x(), l.time.at.y(), l.time.text);
  if (area.intersects(l.upper.bounds) || area.intersects(l.lower.bounds)) paintInfoBlock(p, scene);
  p.restore();
}

void paintHeaderBand(QPainter& p, const ViewScene& scene) {
  const HeaderLayout l = headerLayout(scene);
  p.setPen(Qt::black);
  p.setBrush(kButtonFace);
  drawBox(p, l.band.left(), l.band.top(), l.band.right() + 1, l.band.bottom() + 1);
  p.setBrush(Qt::NoBrush);
  p.setFont(l.bandFont);
  // Side by side each band spans only its own panes; the duration alone is shown.
  if (!l.title.text.isEmpty()) drawTextAt(p, l.title.at.x(), l.title.at.y(), l.title.text);
  drawTextAt(p, l.time.at.x(), l.time.at.y(), l.time.text);
}

void paintInfoBlock(QPainter& p, const ViewScene& scene) {
  const HeaderLayout l = headerLayout(scene);
  p.setFont(l.infoFont);
  p.setPen(Qt::black);
  for (const HeaderText* line : {&l.upper, &l.lower}) {
    if (line->text.isEmpty()) continue;
    if (!scene.printing) p.fillRect(line->bounds, kButtonFace);
    drawTextAt(p, line->at.x(), line->at.y(), line->text);
  }
}

void paintVolumePanel(QPainter& p, const ViewScene& scene, QSize logicalClient) {
  const ViewGeometry& g = scene.geometry;
  if (scene.mode == ModeEmpty || scene.printing) return;
  const int right = g.largeLayout ? 80 : g.graphLeft - 45;
  const int top = g.infoTop + (g.largeLayout ? 60 : 35);
  p.fillRect(QRect(QPoint(0, top), QPoint(right, std::max(top, logicalClient.height()))), kButtonFace);
  const bool korean = scene.language == Korean;
  p.setFont(viewFont("Arial", korean && !g.largeLayout ? 14 : 18, true));
  p.setPen(Qt::black);
  const int x = (g.largeLayout ? 28 : 13) - (korean ? 3 : 0);
  int y = 140;
  if (g.largeLayout) {
    const int t = std::max(1, g.screenHeight / 768);
    y = (g.screenHeight - 768) / 2 + 240 - 40 * t;
  }
  drawTextAt(p, x, y, qs(tr(str::VolumeCaption)));
  drawTextAt(p, x, y + (g.largeLayout ? 142 : 160), scene.lineInput ? qs(tr(str::LineCaption)) : qs(tr(str::MicCaption)));
}

}  // namespace velmora
