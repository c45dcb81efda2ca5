#pragma once
// The waveform pane's context menu: which items it shows, their texts and which are
// enabled. During a take it holds only "Play"; otherwise Play, Zoom, and the edit
// commands. The widget adds the rule that a command nothing handles stays disabled.
#include <string>
#include <vector>

namespace velmora {

struct WaveformMenuState {
  bool recording = false;        // the record button shows its recording state
  bool playing = false;
  bool zoomed = false;
  bool clipHeld = false;         // the edit memory holds samples to paste
  bool selectionEmpty = true;
  bool selectionSpansPane = false;
};

struct WaveformMenuItem {
  int commandId = 0;  // 0: a separator
  std::string text;
  bool enabled = true;
};

std::vector<WaveformMenuItem> waveformMenu(const WaveformMenuState& s);

}  // namespace velmora
