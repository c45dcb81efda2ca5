// The spectral pane's frame, its axes for both modes, and the label band.
#include "presentation/axis_labels.h"
#include "view/view_renderer.h"

namespace velmora {

void paintSpectralFrame(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  // The frame encloses the pane's columns with one pixel to spare on every side.
  drawBox(p, g.graphLeft, g.spectralTop - 1, g.graphLeft + g.graphWidth + g.frameRightExtra(), g.spectralBottom() + 1);
  p.setBrush(Qt::NoBrush);
}

namespace {
void clearLeftStrip(QPainter& p, const ViewGeometry& g) {
  p.fillRect(QRect(QPoint(g.graphLeft - 40, g.spectralTop - 10), QPoint(g.graphLeft - 1, g.spectralBottom() + 5)),
             Qt::white);
}

void drawLabels(QPainter& p, const std::vector<AxisText>& labels, int tickBottomFrom, int tickTo) {
  for (const AxisText& l : labels) {
    const QString text = QString::fromStdString(l.text);
    if (l.width > 0) {
      drawTextRight(p, l.x, l.y, l.width, text);
    } else {
      drawTextAt(p, l.x, l.y, text);
    }
    if (l.tickX >= 0) p.drawLine(l.tickX, tickBottomFrom, l.tickX, tickTo);
  }
}

// Side by side the labels are narrower: a lighter font and "k" for kHz on the spectrogram.
QFont axisFont(const ViewScene& scene) {
  return scene.comparison ? viewFont("Arial", 10, false) : viewFont("Arial", 11, true);
}
}  // namespace

void paintSpectrogramAxes(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  clearLeftStrip(p, g);
  p.fillRect(QRect(g.graphLeft - 32, g.spectralBottom() + 2, g.graphWidth + 57, 15), Qt::white);
  p.setFont(axisFont(scene));
  p.setPen(Qt::black);
  drawLabels(p, spectrogramFrequencyTexts(g, scene.spectrogramTopHz, scene.comparison), 0, 0);
  if (scene.hasSamples()) {
    const SoundBuffer& b = *scene.buffer;
    drawLabels(p, timeTexts(g, b.visibleStart, b.visibleEnd, scene.sampleRate()), g.spectralBottom() + 4,
               g.spectralBottom());
  }
}

void paintPowerSpectrumAxes(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  clearLeftStrip(p, g);
  p.setFont(axisFont(scene));
  p.setPen(Qt::black);
  drawLabels(p, powerLevelTexts(g), 0, 0);
  p.fillRect(QRect(g.graphLeft - 30, g.spectralBottom() + 2, g.graphWidth + 50, 15), Qt::white);
  drawLabels(p, powerFrequencyTexts(g, scene.powerTopHz), g.spectralBottom() + 4, g.spectralBottom());
}

void paintLabelBand(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, 1, Qt::DotLine));
  drawBox(p, g.graphLeft, g.labelBandTop(), g.graphLeft + g.graphWidth + 2, g.labelBandBottom());
  p.setBrush(Qt::NoBrush);
  p.setPen(Qt::black);
}

}  // namespace velmora
