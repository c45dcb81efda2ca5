// The text labels in the label band: each character placed on its own so a label spreads
// over the stretch it covers, markers for labels too narrow to read, the text being typed,
// and the tip that shows a marker's text.
#include <QFontMetrics>
#include <QPolygon>

#include "core/language.h"
#include "document/label_set.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {

const QColor kTipFill(255, 255, 225);
const QColor kMarkerFill(0, 0, 160);

// The marker picture: a small pin pointing down at the band, 16 px wide.
void drawMarker(QPainter& p, int left, int top) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(kMarkerFill);
  p.drawPolygon(QPolygon({QPoint(left + 2, top), QPoint(left + 14, top), QPoint(left + 8, top + 11)}));
  p.setPen(QPen(Qt::white, 1));
  p.drawLine(left + 5, top + 2, left + 11, top + 2);
  p.restore();
}

}  // namespace

QFont labelFont(int height, int language) {
  const bool korean = language == Korean;
  const int cell = std::max(1, height + (korean ? 3 : 0));
  QFont f(korean ? QStringLiteral("Lucida Sans Unicode") : QStringLiteral("Courier New"));
  f.setBold(true);
  f.setStyleHint(korean ? QFont::SansSerif : QFont::TypeWriter);
  // The height is the character cell (ascent and descent), as the band's 20 px were laid
  // out for; Qt's pixel size is the smaller em, so scale it down to fit the cell.
  f.setPixelSize(cell);
  const int lineHeight = QFontMetrics(f).height();
  if (lineHeight > cell) f.setPixelSize(std::max(1, cell * cell / lineHeight));
  return f;
}

void paintLabels(QPainter& p, const ViewScene& scene) {
  if (!scene.hasSamples()) return;
  const ViewGeometry& g = scene.geometry;
  const SoundBuffer& b = *scene.buffer;
  const LabelView view = LabelView::of(g, {b.visibleStart, b.visibleEnd}, scene.sampleRate(), scene.extraTextChar);
  p.save();
  p.setPen(Qt::black);
  if (scene.labels) {
    p.setFont(labelFont(view.fontHeight(), scene.language));
    for (const TextLabel& label : scene.labels->entries()) {
      const LabelPlacement place = placeLabel(label, view);
      if (!place.shown) continue;
      if (place.marker) {
        if (!scene.printing) drawMarker(p, place.markerLeft, place.markerTop);
        continue;
      }
      const QList<uint> characters = QString::fromStdString(label.text).toUcs4();
      for (qsizetype j = 0; j < characters.size() && j < static_cast<qsizetype>(place.characterX.size()); ++j) {
        const char32_t c = characters[j];
        drawTextAt(p, place.characterX[static_cast<size_t>(j)], place.textTop, QString::fromUcs4(&c, 1));
      }
    }
  }
  if (scene.labelPreview) {
    const LabelPreview& preview = *scene.labelPreview;
    const QFont font = labelFont(preview.fontHeight, scene.language);
    const QFontMetrics metrics(font);
    // Only the characters that fit before the pane's right edge.
    const QString text = QString::fromStdString(preview.text);
    const int room = g.graphLeft + g.graphWidth - preview.x;
    qsizetype fits = 0;
    while (fits < text.size() && metrics.horizontalAdvance(text.left(fits + 1)) <= room) ++fits;
    p.setFont(font);
    drawTextAt(p, preview.x, preview.top, text.left(fits));
  }
  p.restore();
}

void paintLabelTip(QPainter& p, const ViewScene& scene) {
  if (!scene.labelTip) return;
  const LabelTip& tip = *scene.labelTip;
  p.save();
  const QFont font;  // the desktop's usual interface font
  const QString text = QString::fromStdString(tip.text);
  const int width = QFontMetrics(font).horizontalAdvance(text);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(kTipFill);
  drawBox(p, tip.x, tip.y + 15 * tip.scale, tip.x + width + 10, tip.y + 32 * tip.scale);
  p.setFont(font);
  drawTextAt(p, tip.x + 4, tip.y + 17, text);
  p.restore();
}

}  // namespace velmora
