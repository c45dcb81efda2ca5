#include "view/report_painter.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

#include "core/string_ids.h"
#include "core/string_table.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {

// Sets the mapping; returns its font stretch in percent, so that a font keeps the shape its
// height gives on the device instead of widening with the page's wider x units.
int applyMapping(QPainter& p, const PageMapping& m, int originX, int originY) {
  const double sx = m.scaleX(), sy = m.scaleY();
  p.setTransform(QTransform(sx, 0, 0, sy, -originX * sx, -originY * sy));
  return std::clamp(static_cast<int>(std::lround(100.0 * sy / sx)), 1, 4000);
}

QFont pageFont(const char* family, int height, bool bold, int stretch) {
  QFont f = viewFont(family, height, bold);
  f.setStretch(stretch);
  return f;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

QFont blockFont(ReportFont font, int stretch) {
  switch (font) {
    case ReportFont::Title: return pageFont("Verdana", 22, true, stretch);
    case ReportFont::Label: return pageFont("Verdana", 18, true, stretch);
    case ReportFont::Value:
    case ReportFont::Notes: break;
  }
  return pageFont("Verdana", 16, false, stretch);
}

void paintHeader(QPainter& p, const ReportPageSetup& s, const ReportContent& c, int stretch) {
  p.setPen(Qt::black);
  p.setFont(pageFont("Verdana", 16, false, stretch));
  if (s.landscape) {
    drawTextAt(p, kPageGraphLeft + kLandscapeShift, -45, qs(c.headerText));
    p.drawLine(kPageGraphLeft + kLandscapeShift, -20, kPageGraphLeft + 925, -20);
  } else {
    drawTextAt(p, 45, -45, qs(c.headerText));
    p.drawLine(0, -20, 800, -20);
  }
  p.setFont(pageFont("Verdana", 16, true, stretch));
  drawTextAt(p, kPageGraphLeft + landscapeShift(s.landscape), 0, qs(c.titleLine));
}

void paintPersonal(QPainter& p, const PersonalInfoBlock& block, int stretch) {
  p.setPen(Qt::black);
  for (const PlacedText& t : block.texts) {
    p.setFont(blockFont(t.font, stretch));
    drawTextAt(p, t.x, t.y, qs(t.text));
  }
  for (const PlacedLine& l : block.frame) p.drawLine(l.x0, l.y0, l.x1, l.y1);
}

// Character by character, one unit apart beyond each character's own width.
void paintNotes(QPainter& p, const std::vector<std::u32string>& lines, int top, int stretch) {
  p.setPen(Qt::black);
  p.setFont(blockFont(ReportFont::Notes, stretch));
  const QFontMetricsF metrics(p.font());
  int y = top + 16;
  for (const std::u32string& line : lines) {
    double x = kPageGraphLeft;
    for (const char32_t ch : line) {
      const QString glyph = QString::fromUcs4(&ch, 1);
      p.drawText(QPointF(x, y + metrics.ascent()), glyph);
      x += metrics.horizontalAdvance(glyph) + 1;
    }
    y += 16;
  }
}

// The voice report's items in two columns of half kPageGraphWidth, 17 units a line.
void paintVoiceReport(QPainter& p, const std::vector<std::string>& items, int top, int stretch) {
  p.setPen(Qt::black);
  p.setFont(blockFont(ReportFont::Value, stretch));
  const int columns = 2, rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < static_cast<int>(items.size()); ++i)
    drawTextAt(p, kPageGraphLeft + (i / rows) * (kPageGraphWidth / columns), top + (i % rows) * 17,
               qs(items[static_cast<size_t>(i)]));
}

void paintFoot(QPainter& p, const ReportPageSetup& s, int stretch) {
  p.setPen(Qt::black);
  if (s.landscape) {
    p.setFont(pageFont("Times New Roman", 20, false, stretch));
    p.drawLine(kPageGraphLeft + kLandscapeShift, 0, 800, 0);
    return;
  }
  p.setFont(pageFont("Verdana", 16, false, stretch));
  p.drawLine(0, 0, 800, 0);
  drawTextAt(p, 10, 10, qs(tr(str::PrintFootCredit)));
  drawTextAt(p, 530, 10, qs(tr(str::PrintFootAddress)));
}

}  // namespace

ViewScene printScene(const ViewScene& screen, bool grayScale) {
  ViewScene s = screen;
  ViewGeometry& g = s.geometry;
  // The header band as far above the spectral pane as on a 768-high screen, whatever the
  // screen's own vertical offset.
  const int infoAbove = g.largeLayout ? 80 : 50;
  const int screenWidth = g.graphWidth;
  g.graphLeft = kPageGraphLeft;
  g.graphWidth = kPageGraphWidth;
  g.spectralTop = kPageSpectralTop;
  g.infoTop = kPageSpectralTop - infoAbove;
  g.waveTop = g.spectralTop + g.spectralHeight + 45;
  g.screenWidth = 800;
  s.printing = true;
  s.grayScale = grayScale;
  s.liveSignal = nullptr;
  s.f0Readout = nullptr;
  s.playCursorX = -1;
  s.selectionX0 = s.selectionX1 = -1;
  s.readout.reset();
  s.overlayLimitX = -1;
  s.labelPreview.reset();
  s.labelTip.reset();
  if (!s.spectrogram.isNull()) {
    QImage picture = s.spectrogram;
    if (picture.width() != kPageGraphWidth && screenWidth > 0)
      picture = picture.scaled(std::max(1, picture.width() * kPageGraphWidth / screenWidth), picture.height());
    if (grayScale) picture = picture.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    s.spectrogram = picture;
  }
  return s;
}

void paintReportPage(QPainter& p, const ReportPageSetup& s, const ReportContent& c, const ViewScene& scene) {
  p.save();
  const PageMapping text = textMapping(s.dpiX, s.dpiY);
  paintHeader(p, s, c, applyMapping(p, text, text.originX, text.originY));

  const PageMapping graph = graphMapping(s.landscape, s.dpiX, s.dpiY);
  const int stretch = applyMapping(p, graph, graph.originX, graph.originY);
  int blockTop = 0;
  if (s.options.personalInformation) {
    if (c.personal) paintPersonal(p, *c.personal, stretch);
    blockTop = c.personalHeight;
  }
  int reportedLines = 0;
  if (s.options.notes && !c.noteLines.empty()) {
    paintNotes(p, c.noteLines, blockTop, stretch);
    reportedLines = static_cast<int>(c.noteLines.size());
  }
  paintFoot(p, s, applyMapping(p, graph, 0, footOriginY(s.landscape)));

  const bool sidePane = scene.showF0 || scene.showFormants;
  const double drop = graphDrop(s.options, c.personalHeight, reportedLines, sidePane);
  applyMapping(p, graph, graph.originX, static_cast<int>(-drop));
  paintView(p, scene, QSize(800, scene.geometry.waveBottom() + 40));
  if (s.options.voiceReport) paintVoiceReport(p, c.voiceReportItems, scene.geometry.waveBottom() + 50, stretch);
  p.restore();
}

}  // namespace velmora
