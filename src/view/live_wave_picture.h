#pragma once
// The live waveform strip as a picture kept at the painter's own rows. A take repaints the
// strip at every refresh; drawn as thousands of line segments through Qt's rasteriser it was
// the largest part of a live repaint. The picture keeps the strip's box (white, outline, gray
// grid) and one black run of rows per column, and rewrites only the rows where a column's run
// moved.
#include <QPainter>
#include <vector>

#include "presentation/waveform_reduction.h"
#include "view/device_rows.h"
#include "view/view_scene.h"

namespace velmora {

// The view rows [low, high] each column of a polyline through `points` covers, the points
// joined as a line joins them: within a column from one value to the next, and across the
// columns between two points split where the line crosses from one to the next. Columns are
// counted from `left`; a column no point reaches has low > high.
struct ColumnRun {
  int low;
  int high;
};
std::vector<ColumnRun> columnRuns(const std::vector<WavePoint>& points, int left, int width);

// Paints the strip's box and the signal `points` as the live strip; false where it cannot
// (a printed page, a painter that scales the columns), which then draws shapes.
bool paintLiveWaveAsPicture(QPainter& p, const ViewScene& scene, const std::vector<WavePoint>& points);

}  // namespace velmora
