#pragma once
// Marking a stretch of the recording by dragging in the waveform pane, and the one-level
// zoom into it. The pixel columns the user dragged over are kept as the drawing needs them
// (either order, held inside the pane and, during a take, left of the live position); the
// document holds the same stretch in samples, which is what playing and editing use.
//
// Press in the pane (not zoomed): a new drag starts and the old selection goes. Move with
// the button held: the selection follows the pointer. Release: a stretch was marked, or a
// click without a drag marks nothing (unless the edit memory holds samples: then the click
// point is kept as the place to paste). Zoom: into the marked stretch, or back to the whole
// recording. Zoomed, a press opens the context menu instead.
#include <cstdint>

#include "document/recording_document.h"
#include "presentation/view_geometry.h"

namespace velmora {

// What the widget should do after a press or a release.
enum class PointerAction { None, OpenMenu };

class WaveformSelection {
 public:
  WaveformSelection(RecordingDocument& document, const ViewGeometry& geometry);

  // liveLimitX: while a take runs, the rightmost column it has drawn; -1 otherwise.
  PointerAction press(int x, int y, int liveLimitX = -1);
  void move(int x, int y, int liveLimitX = -1);
  PointerAction release(int x, int y, bool clipHeld, int liveLimitX = -1);
  // Zoom + / Zoom -. False when there was nothing to zoom into.
  bool zoom();
  // Select All: the whole pane is marked, and the whole recording in the document.
  void selectAll();
  // Opening, closing and edits forget the drawn selection.
  void reset();

  bool dragging() const { return dragging_; }
  // Columns are shown inverted as the selection.
  bool hasSelection() const { return hasSelection_; }
  int startX() const { return startX_; }
  int endX() const { return endX_; }
  int startY() const { return startY_; }
  int endY() const { return endY_; }
  // The marked columns span the whole pane (Cut would remove everything).
  bool spansPane() const;
  // Pixel columns to samples: start = (min - left) x d, end = start + |b - a| x d, with
  // d = samples per column of the whole recording (truncated).
  SampleRange samplesOf(int a, int b) const;
  bool inWaveformPane(int x, int y) const;

 private:
  int clampX(int x, int liveLimitX) const;
  void publish();

  RecordingDocument& document_;
  const ViewGeometry& geometry_;
  int startX_ = 0;
  int endX_ = 0;
  int startY_ = 0;
  int endY_ = 0;
  bool dragging_ = false;
  bool hasSelection_ = false;
};

}  // namespace velmora
