// The parts of the power spectrum's pane a take repaints: a screen that repaints only those
// must always end up showing the new spectrum exactly.
#include "analysis/power_spectrum_changes.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace velmora {
namespace {

const Rgb kWhite{255, 255, 255};
const Rgb kBlue{0, 0, 128};
const Rgb kRed{200, 0, 0};
const PaneRect kPane{30, 10, 30 + 600, 10 + 60};

// A solid curve as the engine draws it: coloured from each column's top down, white above.
PowerSpectrumDrawing solid(const std::vector<int>& tops, Rgb colour) {
  PowerSpectrumDrawing d;
  for (size_t i = 0; i < tops.size(); ++i) {
    const int x = kPane.left + static_cast<int>(i);
    d.spans.push_back({x, tops[i], kPane.bottom, colour});
    if (tops[i] > kPane.top) d.spans.push_back({x, kPane.top, tops[i], kWhite});
  }
  return d;
}

// The pane's pixels as a drawing paints them.
using Picture = std::vector<std::vector<Rgb>>;

Picture paint(const PowerSpectrumDrawing& d) {
  Picture p(static_cast<size_t>(kPane.width()), std::vector<Rgb>(static_cast<size_t>(kPane.height()), kWhite));
  for (const ColumnSpan& s : d.spans)
    for (int y = s.top; y < s.bottom; ++y)
      p[static_cast<size_t>(s.x - kPane.left)][static_cast<size_t>(y - kPane.top)] = s.colour;
  // A line marks every column it crosses, so that a missed repaint of one shows.
  for (const Polyline& line : d.lines)
    for (const CurvePoint& pt : line.points)
      p[static_cast<size_t>(pt.x - kPane.left)][static_cast<size_t>(pt.y - kPane.top)] = line.colour;
  return p;
}

TEST(PowerSpectrumChanges, AScreenRepaintingOnlyTheChangesAlwaysShowsTheNewSpectrum) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> row(kPane.top, kPane.bottom);
  std::uniform_int_distribution<int> step(0, 9);
  std::vector<int> tops(static_cast<size_t>(kPane.width()), kPane.bottom);
  PowerSpectrumChanges changes;
  Picture screen = paint(PowerSpectrumDrawing{});  // the pane before the take: white
  long repainted = 0;
  long steadyRepainted = 0;
  Rgb colour = kBlue;
  bool followed = false;  // the block before gave a solid curve that the next can be compared with
  for (int block = 0; block < 400; ++block) {
    SCOPED_TRACE(block);
    const int kind = step(random);
    PowerSpectrumDrawing drawing;
    if (kind == 0) {
      // Everything moves.
      for (int& t : tops) t = row(random);
    } else if (kind <= 6) {
      // A few columns move (a steady voice), or none at all.
      const int moved = kind - 1;
      for (int i = 0; i < moved; ++i) tops[static_cast<size_t>(random() % tops.size())] = row(random);
    } else if (kind == 7) {
      colour = colour == kBlue ? kRed : kBlue;
    } else if (kind == 8 && block % 3 == 0) {
      // A line drawn over the curve (the long-term average) cannot be followed.
      const CurvePoint from{kPane.left, kPane.top + block % kPane.height()};
      drawing.lines.push_back({{from, {kPane.left + 5, kPane.top}}, kRed, 2});
    } else if (kind == 9 && block % 4 == 0) {
      changes.forget();
      screen = paint(PowerSpectrumDrawing{});  // something else was drawn
      for (auto& column : screen) column.assign(column.size(), kRed);
    }
    const PowerSpectrumDrawing curve = solid(tops, colour);
    drawing.spans = curve.spans;
    const Picture wanted = paint(drawing);
    long area = 0;
    for (const PaneRect& r : changes.next(drawing, kPane)) {
      ASSERT_GE(r.left, kPane.left);
      ASSERT_LE(r.right, kPane.right);
      ASSERT_GE(r.top, kPane.top);
      ASSERT_LE(r.bottom, kPane.bottom);
      for (int x = r.left; x < r.right; ++x)
        for (int y = r.top; y < r.bottom; ++y) {
          const auto cx = static_cast<size_t>(x - kPane.left), cy = static_cast<size_t>(y - kPane.top);
          screen[cx][cy] = wanted[cx][cy];
        }
      area += static_cast<long>(r.width()) * r.height();
    }
    ASSERT_TRUE(screen == wanted);
    repainted += area;
    if (followed && kind >= 1 && kind <= 3) steadyRepainted = std::max(steadyRepainted, area);
    followed = drawing.lines.empty();
  }
  // Following the curve paid: a block moving a column or two repaints a small part of the pane
  // (two bands of columns, or one joining them where that is cheaper).
  EXPECT_LE(steadyRepainted, 2 * 16 * kPane.height() + 2500);
  EXPECT_LT(repainted, 400L * kPane.width() * kPane.height() / 2);
}

TEST(PowerSpectrumChanges, NothingChangedAsksForNothingAndANewPaneForAllOfIt) {
  std::vector<int> tops(static_cast<size_t>(kPane.width()), kPane.top + 20);
  PowerSpectrumChanges changes;
  ASSERT_EQ(changes.next(solid(tops, kBlue), kPane).size(), 1u);
  EXPECT_TRUE(changes.next(solid(tops, kBlue), kPane).empty());
  // The layout changed: the same curve in a taller pane is all new.
  PaneRect taller = kPane;
  taller.bottom += 5;
  const std::vector<PaneRect> all = changes.next(PowerSpectrumDrawing{}, taller);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].top, taller.top);
  EXPECT_EQ(all[0].bottom, taller.bottom);
  // An empty drawing is not followed: the next one is the whole pane again.
  EXPECT_EQ(changes.next(solid(tops, kBlue), kPane).size(), 1u);
}

}  // namespace
}  // namespace velmora
