#pragma once
// The mouse over the analysis view, in the view's logical pixels: dragging a selection in
// the waveform pane, the value box over the spectral pane, the pointer's shape, and when
// the waveform's context menu opens. The widget turns Qt's events into these calls and
// acts on the answer; nothing here needs a screen.
#include <functional>
#include <optional>

#include "document/recording_document.h"
#include "presentation/pointer_readout.h"
#include "presentation/waveform_selection.h"
#include "view/view_display.h"

namespace velmora {

enum class PointerShape { Arrow, IBeam, Cross };

struct PointerAnswer {
  bool openMenu = false;
  PointerShape shape = PointerShape::Arrow;
};

class PointerController {
 public:
  PointerController(RecordingDocument& document, ViewDisplay& display);

  // What the controller asks of the audio side: is something playing, does the edit memory
  // hold samples to paste.
  void setQueries(std::function<bool()> playing, std::function<bool()> clipHeld);

  PointerAnswer press(int x, int y);
  PointerAnswer move(int x, int y, bool leftHeld);
  PointerAnswer release(int x, int y);
  // A right press opens the menu inside the waveform pane (during a take too).
  PointerAnswer rightPress(int x, int y, bool takeRunning) const;
  void leave();
  // Zoom + / Zoom -.
  bool zoom();
  // Select All: the whole pane marked.
  void selectAll();
  // Opening, closing or changing the samples forgets the drawn selection and the box.
  void reset();

  const WaveformSelection& selection() const { return selection_; }
  const std::optional<PointerReadout>& readout() const { return readout_; }
  // Adds the selection's columns and the value box to a scene.
  void decorate(ViewScene& scene) const;

 private:
  bool playing() const { return playing_ && playing_(); }
  void updateReadout(int x, int y);

  RecordingDocument& document_;
  ViewDisplay& display_;
  WaveformSelection selection_;
  std::optional<PointerReadout> readout_;
  std::function<bool()> playing_;
  std::function<bool()> clipHeld_;
};

}  // namespace velmora
