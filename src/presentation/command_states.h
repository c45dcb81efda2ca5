#pragma once
// Which commands are enabled and checked, from the state of the frame and the view.
// Evaluated before menus open and whenever the state changes (toolbar buttons).
#include "clients/recording_names.h"
#include "core/language.h"
#include "presentation/display_mode.h"

namespace velmora {

struct FrameState {
  int clientCode = kNoClient;
  int language = English;
  int mode = ModeEmpty;     // display mode
  bool loaded = false;      // the view holds samples
  bool modified = false;
  int recordingNumber = -1;
  bool recording = false;
  bool playing = false;
  bool zoomed = false;
  bool hasSelection = false;
  bool selectionSpansPane = false;  // the marked columns cover the whole waveform pane
  bool canPaste = false;            // the edit memory holds a copy
  bool canUndo = false;             // the last cut, paste or silence can be undone
  bool comparisonShown = false;

  bool clientOpen() const { return clientCode != kNoClient; }
};

struct CommandState {
  bool enabled = true;
  bool checked = false;
};

CommandState commandState(int commandId, const FrameState& s);
// The Files, Audio and Mode menus are reachable once a client is open.
bool recordingMenusEnabled(const FrameState& s);

}  // namespace velmora
