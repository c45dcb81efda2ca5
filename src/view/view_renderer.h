#pragma once
// Paints the analysis view into any QPainter (widget, image, printer), in the view's
// logical coordinates: the caller applies the large layout's vertical stretch.
//
// Order of one paint: start picture (empty mode) or spectral frame and axes, header band,
// label band, information block, waveform pane, then the spectrogram image with its
// formant and F0 overlays, or the power-spectrum curve; finally the volume panel.
#include <QPainter>
#include <QRegion>
#include <QSize>
#include <QString>

#include "analysis/power_spectrum_curve.h"
#include "view/view_scene.h"

namespace velmora {

void paintView(QPainter& p, const ViewScene& scene, QSize logicalClient);

// A take's or playback's repaint of part of the panes draws what changes there
// (paintLiveLayers) over a picture of the rest (paintStaticLayers) that the widget keeps
// until the layout or a setting changes. Together they paint what paintView paints inside
// the two panes.
void paintStaticLayers(QPainter& p, const ViewScene& scene, QSize logicalClient);
void paintLiveLayers(QPainter& p, const ViewScene& scene);
// The spectrogram picture with its formant and F0 overlays, or the power-spectrum curve.
void paintSpectralContent(QPainter& p, const ViewScene& scene);
// The parts of the panes (logical) that the live layers cover entirely, so the kept picture
// need not be copied beneath them: the waveform pane's inside, and the power spectrum's pane
// when it has a spectrum to draw.
QRegion liveOpaqueArea(const ViewScene& scene);
QRect powerSpectrumOpaqueArea(const ViewScene& scene);
// The power spectrum's pane, inside its frame.
PaneRect powerSpectrumPane(const ViewScene& scene);
// drawPowerSpectrum's drawing, kept until a spectrum, its settings or the pane change.
const PowerSpectrumDrawing& powerSpectrumDrawing(const PowerSpectrum& power, const PaneRect& pane);

// Pieces, each drawing one part of the view.
void paintStartPicture(QPainter& p, const ViewScene& scene, QSize logicalClient);
void paintSpectralFrame(QPainter& p, const ViewScene& scene);
void paintSpectrogramAxes(QPainter& p, const ViewScene& scene);
void paintPowerSpectrumAxes(QPainter& p, const ViewScene& scene);
void paintHeaderBand(QPainter& p, const ViewScene& scene);
void paintInfoBlock(QPainter& p, const ViewScene& scene);
// While a take runs the header's duration changes with every block: the part of the band
// that holds it (logical), and that part drawn alone as a full paint would draw it.
QRect takeDurationArea(const ViewScene& scene);
void paintTakeDuration(QPainter& p, const ViewScene& scene);
void paintLabelBand(QPainter& p, const ViewScene& scene);
// The labels in the band (texts and markers) and the text being typed; the marker tip goes
// over everything else.
void paintLabels(QPainter& p, const ViewScene& scene);
void paintLabelTip(QPainter& p, const ViewScene& scene);
// "Courier New" bold, or "Lucida Sans Unicode" bold 3 px taller in Korean.
QFont labelFont(int height, int language);
void paintWaveformPane(QPainter& p, const ViewScene& scene);
void paintF0Scale(QPainter& p, const ViewScene& scene);
void paintF0Curve(QPainter& p, const ViewScene& scene);
void paintFormantOverlay(QPainter& p, const ViewScene& scene);
// A paused take's F0 and formant dots over the live picture, as the bar's boxes ask.
void paintPausedTake(QPainter& p, const ViewScene& scene);
void paintPowerSpectrum(QPainter& p, const ViewScene& scene);
void paintVolumePanel(QPainter& p, const ViewScene& scene, QSize logicalClient);
// The marked columns of the waveform pane (inverted) and the value box under the pointer.
void paintSelection(QPainter& p, const ViewScene& scene);
void paintReadout(QPainter& p, const ViewScene& scene);
// Over the panes while a take or playback runs: the F0 readout and the playback cursor.
void paintAudioOverlay(QPainter& p, const ViewScene& scene);

// Text with its top-left corner at (x, y), as the view's fixed layout places it.
void drawTextAt(QPainter& p, int x, int y, const QString& text);
void drawTextRight(QPainter& p, int x, int y, int width, const QString& text);
QFont viewFont(const char* family, int pixelHeight, bool bold);
// A rectangle the way the fixed layout states them: the outline runs from (left, top) to
// (right - 1, bottom - 1) with the current pen, the inside filled with the current brush.
void drawBox(QPainter& p, int left, int top, int right, int bottom);

// A colour of the panes as the scene draws it: its gray in a gray-scale print.
QColor paneColour(const ViewScene& scene, const QColor& colour);

// Blue dots for schemes 0 and 2, red for scheme 1.
QColor f0DotColour(int scheme);
QColor formantColour(int scheme, int slot);

}  // namespace velmora
