// The F0 scale and dots, and the formant dots, over the spectrogram. The dots' places come
// from the engines' overlay geometry; this file only paints them.
#include "analysis/f0_curve.h"
#include "analysis/formant_overlay.h"
#include "presentation/axis_labels.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
// A filled dot in a box whose right and bottom are one past its last pixel. Dots of 3 and
// 4 pixels are drawn as the small rounded shapes a 1-pixel ellipse gives: the full box
// without its corner pixels (3 x 3: a plus-shaped dot, 4 x 4: a rounded square), which is
// far cheaper than stroking thousands of ellipse paths on every paint.
void fillDot(QPainter& p, const QColor& colour, int left, int top, int right, int bottom) {
  const int w = right - left, h = bottom - top;
  if (w <= 0 || h <= 0) return;
  if (w <= 2 || h <= 2) {
    p.fillRect(QRect(left, top, w, h), colour);
    return;
  }
  p.fillRect(QRect(left + 1, top, w - 2, h), colour);
  p.fillRect(QRect(left, top + 1, 1, h - 2), colour);
  p.fillRect(QRect(right - 1, top + 1, 1, h - 2), colour);
}
}  // namespace

QColor f0DotColour(int scheme) { return QColor::fromRgb(f0DotColourRgb(scheme)); }

QColor formantColour(int scheme, int slot) {
  const OverlayColour c = formantColours(scheme)[static_cast<size_t>(slot & 3)];
  return QColor(c.red, c.green, c.blue);
}

void paintF0Scale(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  const int left = f0ScaleLeft(g);
  p.fillRect(QRect(left, g.spectralTop, 50, g.spectralHeight), Qt::white);
  p.setFont(viewFont("Arial", 11, true));
  p.setPen(paneColour(scene, f0DotColour(scene.scheme)));
  for (const AxisText& l : f0ScaleTexts(g, scene.f0Min, scene.f0Max))
    drawTextRight(p, l.x, l.y, l.width, QString::fromStdString(l.text));
}

void paintF0Curve(QPainter& p, const ViewScene& scene) {
  if (!scene.f0Values || !scene.hasSamples()) return;
  const SoundBuffer& b = *scene.buffer;
  const ViewGeometry& g = scene.geometry;
  const F0Curve curve = f0CurveDots(*scene.f0Values, true, F0Pane{g.graphLeft, g.spectralTop, g.graphWidth, g.spectralHeight},
                                    b.sampleCount(), b.visibleStart, b.visibleEnd,
                                    F0DisplayRange{scene.f0Min, scene.f0Max}, scene.scheme);
  const QColor colour = paneColour(scene, QColor::fromRgb(curve.colourRgb));
  for (const DotBox& d : curve.dots) fillDot(p, colour, d.left, d.top, d.right, d.bottom);
}

void paintFormantOverlay(QPainter& p, const ViewScene& scene) {
  if (!scene.formants || !scene.hasSamples()) return;
  const SoundBuffer& b = *scene.buffer;
  const ViewGeometry& g = scene.geometry;
  const std::vector<FormantDot> dots = formantOverlayDots(
      *scene.formants, PaneGeometry{g.graphLeft, g.spectralTop, g.graphWidth, g.spectralHeight}, scene.spectrogramTopHz,
      VisibleRange{b.sampleCount(), b.visibleStart, b.visibleEnd}, scene.scheme, scene.f0Values);
  for (const FormantDot& d : dots)
    fillDot(p, paneColour(scene, QColor(d.colour.red, d.colour.green, d.colour.blue)), d.left, d.top, d.right, d.bottom);
}

void paintPausedTake(QPainter& p, const ViewScene& scene) {
  if (!scene.pausedTake || !scene.pausedTake->columnSamples) return;
  const PausedTakeOverlay& take = *scene.pausedTake;
  const ViewGeometry& g = scene.geometry;
  if (scene.showFormants && take.formants) {
    const std::vector<FormantDot> dots =
        formantDotsAtColumns(*take.formants, PaneGeometry{g.graphLeft, g.spectralTop, g.graphWidth, g.spectralHeight},
                             scene.spectrogramTopHz, take.sampleCount, *take.columnSamples, scene.scheme, take.f0Values);
    for (const FormantDot& d : dots)
      fillDot(p, paneColour(scene, QColor(d.colour.red, d.colour.green, d.colour.blue)), d.left, d.top, d.right, d.bottom);
  }
  if (!scene.showF0) return;
  paintF0Scale(p, scene);
  if (!take.f0Values) return;
  const F0Curve curve = f0DotsAtColumns(*take.f0Values, true, F0Pane{g.graphLeft, g.spectralTop, g.graphWidth, g.spectralHeight},
                                        take.sampleCount, *take.columnSamples, F0DisplayRange{scene.f0Min, scene.f0Max},
                                        scene.scheme);
  const QColor colour = paneColour(scene, QColor::fromRgb(curve.colourRgb));
  for (const DotBox& d : curve.dots) fillDot(p, colour, d.left, d.top, d.right, d.bottom);
}

}  // namespace velmora
