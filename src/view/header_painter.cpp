// The header band (mode title and duration), the information block and the volume panel.
#include <algorithm>

#include "core/language.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "presentation/number_text.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }

double shownSeconds(const ViewScene& scene) {
  // A take shows the length recorded so far, at the recorder's rate.
  if (scene.takeSamples >= 0)
    return scene.recorderRate > 0 ? static_cast<double>(scene.takeSamples) / scene.recorderRate : 0.0;
  if (!scene.hasSamples() || scene.sampleRate() <= 0) return 0.0;
  const SoundBuffer& b = *scene.buffer;
  return static_cast<double>(b.visibleEnd - b.visibleStart) / scene.sampleRate();
}
int bandHeight(const ViewGeometry& g) { return g.largeLayout ? 60 : 35; }

int timeTextX(const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  return g.graphLeft + g.graphWidth - 520 + (scene.language == Korean ? 20 : 0);
}
}  // namespace

QRect takeDurationArea(const ViewScene& scene) {
  // Inside the band's outline, from "Time: " to the panes' right edge.
  const ViewGeometry& g = scene.geometry;
  const int x = timeTextX(scene);
  return QRect(x, g.infoTop + 1, g.graphLeft + g.graphWidth - x, bandHeight(g) - 2);
}

void paintTakeDuration(QPainter& p, const ViewScene& scene) {
  if (scene.takeSamples < 0 || scene.comparison || scene.printing) return;
  const QRect area = takeDurationArea(scene);
  // What a full paint puts there: the band's face, the duration, the information block.
  p.save();
  p.setClipRect(area, Qt::IntersectClip);
  p.fillRect(area, kButtonFace);
  p.setPen(Qt::black);
  p.setFont(viewFont("Verdana", 25, true));
  drawTextAt(p, timeTextX(scene), scene.geometry.infoTop + (scene.geometry.largeLayout ? 20 : 5),
             qs(tr(str::TimeCaption) + durationText(shownSeconds(scene))));
  paintInfoBlock(p, scene);
  p.restore();
}

void paintHeaderBand(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  const int band = bandHeight(g);
  p.setPen(Qt::black);
  p.setBrush(kButtonFace);
  if (scene.comparison) {
    // Side by side each band spans only its own panes; the duration alone is shown.
    const int top = g.infoTop + g.verticalOffset();
    drawBox(p, g.graphLeft, top, g.graphLeft + g.graphWidth, top + band);
    p.setBrush(Qt::NoBrush);
    p.setFont(viewFont("Verdana", 23, true));
    drawTextAt(p, g.graphLeft + 10, top + (g.largeLayout ? 20 : 5),
               qs(tr(str::TimeCaption) + durationText(shownSeconds(scene))));
    return;
  }
  drawBox(p, -5, g.infoTop, g.screenWidth - 5, g.infoTop + band);
  p.setBrush(Qt::NoBrush);
  p.setFont(viewFont("Verdana", 25, true));
  const int y = g.infoTop + (g.largeLayout ? 20 : 5);
  const int titleId = isPowerSpectrumMode(scene.mode) ? str::PowerSpectrumTitle : str::SpectrogramTitle;
  // A printed page puts the panes 40 units from the paper's edge: the title stays on it.
  const int titleX = scene.printing ? std::max(0, g.graphLeft - 80) : g.graphLeft - 80;
  drawTextAt(p, titleX, y, qs(tr(titleId)));
  drawTextAt(p, timeTextX(scene), y, qs(tr(str::TimeCaption) + durationText(shownSeconds(scene))));
}

void paintInfoBlock(QPainter& p, const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  const int shift = scene.comparison ? (g.largeLayout ? 120 : 30) : 0;
  const int x = g.graphLeft + g.graphWidth - (g.largeLayout ? 190 : 230) - shift;
  const int lowerY = g.infoTop + (g.largeLayout ? 30 : 18) + (scene.comparison ? g.verticalOffset() : 0);
  p.setFont(viewFont("Verdana", scene.comparison ? 11 : 13, true));
  p.setPen(Qt::black);
  std::string upper = tr(str::FileCaption);
  std::string lower;
  int upperX = x;
  if (scene.hasSamples()) {
    const SoundBuffer& b = *scene.buffer;
    if (b.recordingNumber == kModelRecordingNumber) {
      upper = tr(str::ModelCaption);
    } else if (b.recordingNumber == kNoRecordingNumber) {
      upper = b.path.filename().string();
      upperX -= 20;
    } else {
      upper = formatv(tr(str::FileNumberCaption), b.recordingNumber);
    }
    lower = formatv(tr(str::FormatCaption), static_cast<int>(b.format.samplesPerSecond),
                    static_cast<int>(b.format.bitsPerSample)) +
            tr(b.format.channels >= 2 ? str::HeaderStereo : str::HeaderMono);
  } else if (scene.mode < ModeSpectrogram) {
    // Waiting for (or making) a take: the recorder's format.
    lower = formatv(tr(str::FormatCaption), scene.recorderRate, 16) + tr(str::HeaderMono);
  }
  const QFontMetrics metrics(p.font());
  const auto drawLine = [&](int lx, int ly, const std::string& text) {
    if (text.empty()) return;
    const QString t = qs(text);
    if (!scene.printing) p.fillRect(QRect(lx, ly, metrics.horizontalAdvance(t), metrics.height()), kButtonFace);
    drawTextAt(p, lx, ly, t);
  };
  drawLine(upperX, lowerY - 15, upper);
  drawLine(x, lowerY, lower);
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
