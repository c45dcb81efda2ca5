#include "view/view_renderer.h"

#include <QFontMetricsF>

namespace velmora {

QFont viewFont(const char* family, int pixelHeight, bool bold) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixelHeight);
  f.setBold(bold);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

QColor paneColour(const ViewScene& scene, const QColor& colour) {
  if (!scene.grayScale) return colour;
  const int g = qGray(colour.rgb());
  return QColor(g, g, g);
}

void drawBox(QPainter& p, int left, int top, int right, int bottom) {
  p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void drawTextAt(QPainter& p, int x, int y, const QString& text) {
  // On the baseline rather than in a box: the box lays the text out as a paragraph first,
  // which cost more than the drawing of a live take's duration itself.
  p.drawText(QPointF(x, y + QFontMetricsF(p.font()).ascent()), text);
}

void drawTextRight(QPainter& p, int x, int y, int width, const QString& text) {
  p.drawText(QRect(x, y, width, 400), Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, text);
}

void paintSpectralContent(QPainter& p, const ViewScene& scene) {
  if (!isSpectrogramMode(scene.mode)) {
    paintPowerSpectrum(p, scene);
    return;
  }
  const ViewGeometry& g = scene.geometry;
  if (scene.showSpectrogram && !scene.spectrogram.isNull()) {
    const QPoint origin(g.graphLeft + 1, g.spectralTop);
    QRect part(origin, scene.spectrogram.size());
    // A live repaint copies only the new columns, not the whole picture.
    if (!scene.liveDirty.isNull()) part &= scene.liveDirty;
    // Stretched, a picture of three bytes a pixel goes through Qt's generic path, which splits
    // every fill taller than 64 rows across the thread pool (a wake of two threads and a wait
    // on them each frame); a copy of the part in the screen's format takes the plain blit.
    if (!part.isEmpty())
      p.drawImage(part.topLeft(), scene.spectrogram.copy(part.translated(-origin)).convertToFormat(QImage::Format_RGB32));
  }
  // While the whole recording plays, the overlays reach only as far as the play position.
  const QRect played(g.graphLeft, g.spectralTop, scene.overlayLimitX - g.graphLeft + 1, g.spectralHeight + 1);
  const auto clipped = [&](auto paint) {
    p.save();
    if (scene.overlayLimitX >= 0) p.setClipRect(played, scene.liveDirty.isNull() ? Qt::ReplaceClip : Qt::IntersectClip);
    paint(p, scene);
    p.restore();
  };
  if (scene.showFormants) clipped(paintFormantOverlay);
  if (scene.showF0 && scene.hasSamples()) {
    if (!scene.comparison) paintF0Scale(p, scene);
    clipped(paintF0Curve);
  }
  if (scene.pausedTake) paintPausedTake(p, scene);
}

void paintStaticLayers(QPainter& p, const ViewScene& scene, QSize logicalClient) {
  p.save();
  p.setPen(Qt::black);
  paintSpectralFrame(p, scene);
  if (isPowerSpectrumMode(scene.mode)) {
    paintPowerSpectrumAxes(p, scene);
  } else {
    paintSpectrogramAxes(p, scene);
  }
  paintHeaderBand(p, scene);
  // Side by side there is no room for the label band or the volume panel.
  if (!scene.comparison) {
    paintLabelBand(p, scene);
    paintLabels(p, scene);
  }
  paintInfoBlock(p, scene);
  if (!scene.comparison) paintVolumePanel(p, scene, logicalClient);
  p.restore();
}

void paintLiveLayers(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  const QRect wave(g.graphLeft, g.waveTop, g.graphWidth + 3, g.waveHeight + 1);
  const QRect spectral(g.graphLeft, g.spectralTop, g.graphWidth + 3, g.spectralHeight + 1);
  const auto touches = [&](const QRect& area) { return scene.liveDirty.isNull() || scene.liveDirty.intersects(area); };
  p.save();
  p.setPen(Qt::black);
  if (touches(wave)) paintWaveformPane(p, scene);
  if (touches(spectral)) paintSpectralContent(p, scene);
  if (scene.takeSamples >= 0 && touches(takeDurationArea(scene))) paintTakeDuration(p, scene);
  paintSelection(p, scene);
  paintReadout(p, scene);
  paintLabelTip(p, scene);
  p.restore();
  // The F0 readout lies in the waveform pane; the play cursor crosses both panes.
  if (touches(wave) || scene.playCursorX >= 0) paintAudioOverlay(p, scene);
}

QRegion liveOpaqueArea(const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  // The box paintWaveformPane draws, outline and white inside, before the signal.
  QRegion area(QRect(g.graphLeft, g.waveTop, g.graphWidth + 2, g.waveHeight));
  area += powerSpectrumOpaqueArea(scene);
  if (scene.takeSamples >= 0 && !scene.comparison && !scene.printing) area += takeDurationArea(scene);
  return area;
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
    paintAudioOverlay(p, scene);
    return;
  }
  p.restore();
  // A full paint is the kept layers with every live part over them.
  paintStaticLayers(p, scene, logicalClient);
  paintLiveLayers(p, scene);
}

}  // namespace velmora
