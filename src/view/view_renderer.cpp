#include "view/view_renderer.h"

namespace velmora {

QFont viewFont(const char* family, int pixelHeight, bool bold) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixelHeight);
  f.setBold(bold);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

void drawBox(QPainter& p, int left, int top, int right, int bottom) {
  p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void drawTextAt(QPainter& p, int x, int y, const QString& text) {
  p.drawText(QRect(x, y, 4000, 400), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void drawTextRight(QPainter& p, int x, int y, int width, const QString& text) {
  p.drawText(QRect(x, y, width, 400), Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, text);
}

QColor f0DotColour(int scheme) { return scheme == 1 ? QColor(255, 0, 0) : QColor(0, 0, 255); }

QColor formantColour(int scheme, int slot) {
  static const QColor table[3][4] = {
      {QColor(255, 128, 0), QColor(128, 0, 64), QColor(0, 128, 64), QColor(255, 0, 0)},
      {QColor(255, 255, 255), QColor(255, 128, 0), QColor(255, 128, 192), QColor(255, 255, 0)},
      {QColor(255, 255, 255), QColor(0, 255, 255), QColor(220, 220, 220), QColor(0, 255, 0)},
  };
  if (scheme < 0 || scheme > 2) scheme = 2;
  if (slot < 0 || slot > 3) slot = 0;
  return table[scheme][slot];
}

void paintView(QPainter& p, const ViewScene& scene, QSize logicalClient) {
  p.save();
  p.setPen(Qt::black);
  if (scene.mode == ModeEmpty) {
    if (scene.hasSamples()) {
      paintWaveformPane(p, scene);
    } else {
      paintStartPicture(p, scene, logicalClient);
    }
    p.restore();
    return;
  }
  paintSpectralFrame(p, scene);
  if (isPowerSpectrumMode(scene.mode)) {
    paintPowerSpectrumAxes(p, scene);
  } else {
    paintSpectrogramAxes(p, scene);
  }
  paintHeaderBand(p, scene);
  paintLabelBand(p, scene);
  paintInfoBlock(p, scene);
  paintWaveformPane(p, scene);
  if (isSpectrogramMode(scene.mode)) {
    const ViewGeometry& g = scene.geometry;
    if (scene.showSpectrogram && scene.spectrogram && !scene.spectrogram->isNull())
      p.drawImage(QPoint(g.graphLeft + 1, g.spectralTop), *scene.spectrogram);
    if (scene.showFormants) paintFormantOverlay(p, scene);
    if (scene.showF0 && scene.hasSamples()) {
      paintF0Scale(p, scene);
      paintF0Curve(p, scene);
    }
  } else {
    paintPowerSpectrum(p, scene);
  }
  paintVolumePanel(p, scene, logicalClient);
  p.restore();
}

}  // namespace velmora
