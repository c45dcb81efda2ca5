#include "presentation/waveform_menu.h"

#include "core/string_ids.h"
#include "core/string_table.h"
#include "presentation/command_ids.h"

namespace velmora {

std::vector<WaveformMenuItem> waveformMenu(const WaveformMenuState& s) {
  if (s.recording) return {{cmd::PopupPlayTake, "Play", true}};
  const bool pasteOnly = s.clipHeld && s.selectionEmpty;
  return {
      {cmd::PopupPlay, s.playing ? tr(str::StopItem) : "Play", true},
      {cmd::Zoom, s.zoomed ? tr(str::ZoomOutItem) : "&Zoom +", !(pasteOnly && !s.zoomed)},
      {0, "", true},
      {cmd::Cut, "Cut", !s.selectionSpansPane && !pasteOnly},
      {cmd::Copy, "&Copy", !pasteOnly},
      {cmd::Paste, "&Paste", s.clipHeld},
  };
}

}  // namespace velmora
