#pragma once
// Paints the printed page into any painter whose device has the given resolution (a
// printer, a PDF writer, the preview): header line, title line, the optional blocks, the
// foot, then the panes through the view's own renderer, in the page's logical units.
#include <QPainter>

#include "presentation/report_content.h"
#include "presentation/report_layout.h"
#include "view/view_scene.h"

namespace velmora {

struct ReportPageSetup {
  PrintOptions options;
  bool landscape = false;
  int language = 0;
  double dpiX = 300;
  double dpiY = 300;
};

// The screen's scene moved to the page's geometry (left edge 40, width 723, spectral pane at
// 350) for printing: nothing of the pointer, a take or playback, the spectrogram picture
// fitted to the page's width and, for gray-scale, turned to grays.
ViewScene printScene(const ViewScene& screen, bool grayScale);

void paintReportPage(QPainter& p, const ReportPageSetup& setup, const ReportContent& content, const ViewScene& scene);

}  // namespace velmora
