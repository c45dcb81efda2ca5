#include "view/live_wave_picture.h"

#include <QImage>
#include <algorithm>
#include <climits>
#include <cmath>

#include "view/column_run.h"

namespace velmora {

namespace {
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrid = qRgb(128, 128, 128);

// What the picture shows now and what it was made for.
struct StripPicture {
  QImage image;
  std::vector<QRgb> rowFace;    // each device row inside the outline's columns
  std::vector<int> top, bottom;  // the black rows [top, bottom) of each column
  int waveTop = 0, waveHeight = 0;
  double scale = 0, offset = 0;
};

QRgb face(const StripPicture& k, size_t x, int y) {
  const QRgb row = k.rowFace[static_cast<size_t>(y)];
  // The grid runs over the outline's columns, as the shapes draw it.
  const bool side = x == 0 || x + 1 == static_cast<size_t>(k.image.width());
  return side && row != kGrid ? kBlack : row;
}

void rebuild(StripPicture& k, const ViewGeometry& g, const DeviceRows& rows, int width) {
  const int deviceTop = rows(g.waveTop);
  const int height = rows(g.waveBottom()) - deviceTop;
  k.image = QImage(width, std::max(height, 0), QImage::Format_RGB32);
  k.rowFace.assign(static_cast<size_t>(std::max(height, 0)), kWhite);
  const int h = g.waveHeight;
  const auto paintRow = [&](int viewRow, QRgb colour) {
    for (int y = rows(viewRow); y < rows(viewRow + 1); ++y)
      if (y - deviceTop >= 0 && y - deviceTop < height) k.rowFace[static_cast<size_t>(y - deviceTop)] = colour;
  };
  paintRow(g.waveTop, kBlack);
  paintRow(g.waveBottom() - 1, kBlack);
  for (int y : {g.waveTop + h / 4, g.waveTop + h / 2, g.waveTop + h / 2 + h / 4}) paintRow(y, kGrid);
  for (int y = 0; y < k.image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(k.image.scanLine(y));
    for (size_t x = 0; x < static_cast<size_t>(width); ++x) line[x] = face(k, x, y);
  }
  k.top.assign(static_cast<size_t>(width), 0);
  k.bottom.assign(static_cast<size_t>(width), 0);
  k.waveTop = g.waveTop;
  k.waveHeight = g.waveHeight;
  k.scale = rows.scale;
  k.offset = rows.offset;
}

// Brings column x to black rows [top, bottom), writing only the rows that change.
void updateColumn(StripPicture& k, size_t x, int top, int bottom) {
  int& oldTop = k.top[x];
  int& oldBottom = k.bottom[x];
  if (top == oldTop && bottom == oldBottom) return;
  moveColumnRun(k.image, x, oldTop, oldBottom, top, bottom, false,
                [&](int y) { return y >= top && y < bottom ? kBlack : face(k, x, y); });
  oldTop = top;
  oldBottom = bottom;
}
}  // namespace

std::vector<ColumnRun> columnRuns(const std::vector<WavePoint>& points, int left, int width) {
  std::vector<ColumnRun> runs(static_cast<size_t>(std::max(width, 0)), ColumnRun{INT_MAX, INT_MIN});
  const auto add = [&](int x, int a, int b) {
    if (x < left || x >= left + width) return;
    ColumnRun& r = runs[static_cast<size_t>(x - left)];
    r.low = std::min({r.low, a, b});
    r.high = std::max({r.high, a, b});
  };
  if (!points.empty()) add(points.front().x, points.front().y, points.front().y);
  for (size_t i = 1; i < points.size(); ++i) {
    const WavePoint a = points[i - 1];
    const WavePoint b = points[i];
    if (a.x == b.x) {
      add(a.x, a.y, b.y);
      continue;
    }
    // Across columns: each column takes the rows the line passes while within half a column
    // of its centre, the two ends their own points.
    const int step = b.x > a.x ? 1 : -1;
    const double slope = static_cast<double>(b.y - a.y) / (b.x - a.x);
    const auto yAt = [&](double x) { return static_cast<int>(std::lround(a.y + slope * (x - a.x))); };
    for (int x = a.x; x != b.x + step; x += step) {
      const int from = x == a.x ? a.y : yAt(x - 0.5 * step);
      const int to = x == b.x ? b.y : yAt(x + 0.5 * step);
      add(x, from, to);
    }
  }
  return runs;
}

bool paintLiveWaveAsPicture(QPainter& p, const ViewScene& scene, const std::vector<WavePoint>& points) {
  if (scene.printing) return false;
  const DevicePlacement placement = devicePlacementOf(p);
  if (!placement.plain) return false;
  const ViewGeometry& g = scene.geometry;
  const int width = g.graphWidth + 2;
  const DeviceRows& rows = placement.rows;
  thread_local StripPicture kept;
  if (kept.image.width() != width || kept.waveTop != g.waveTop || kept.waveHeight != g.waveHeight ||
      kept.scale != rows.scale || kept.offset != rows.offset)
    rebuild(kept, g, rows, width);
  const int deviceTop = rows(g.waveTop);
  const int height = kept.image.height();
  if (height <= 0) return false;
  const std::vector<ColumnRun> runs = columnRuns(points, g.graphLeft, width);
  for (size_t x = 0; x < runs.size(); ++x) {
    const ColumnRun r = runs[x];
    if (r.low > r.high) {
      updateColumn(kept, x, 0, 0);
      continue;
    }
    const int top = std::clamp(rows(r.low) - deviceTop, 0, height);
    const int bottom = std::clamp(rows(r.high) - deviceTop + 1, 0, height);
    updateColumn(kept, x, top, bottom);
  }
  drawAtDeviceRows(p, placement, g.graphLeft, deviceTop, kept.image);
  return true;
}

}  // namespace velmora
