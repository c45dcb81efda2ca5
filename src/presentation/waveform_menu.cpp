#include "presentation/waveform_menu.h"

#include "core/string_ids.h"
#include "core/string_table.h"
#include "presentation/command_ids.h"

namespace velmora {

std::vector<WaveformMenuItem> waveformMenu(const WaveformMenuState& s) {
  if (s.recording) return {{cmd::PopupPlayTake, tr(str::PopupPlayItem), true}};
  const bool pasteOnly = s.clipHeld && s.selectionEmpty;
  return {
      {cmd::PopupPlay, s.playing ? tr(str::StopItem) : tr(str::PopupPlayItem), true},
      {cmd::Zoom, s.zoomed ? tr(str::ZoomOutItem) : tr(str::ZoomInItem), !(pasteOnly && !s.zoomed)},
      {0, "", true},
      {cmd::Cut, tr(str::CutItem), !s.selectionSpansPane && !pasteOnly},
      {cmd::Copy, tr(str::CopyItem), !pasteOnly},
      {cmd::Paste, tr(str::PasteItem), s.clipHeld},
  };
}

}  // namespace velmora
