#include "view/waveform_context_menu.h"

#include <QMenu>

#include "presentation/command_ids.h"
#include "view/analysis_view.h"
#include "view/playback_controller.h"

namespace velmora {

void runWaveformMenu(QWidget* parent, QPoint globalAt, const std::vector<WaveformMenuItem>& items,
                     const std::function<bool(int)>& handled, const std::function<void(int)>& run) {
  QMenu menu(parent);
  for (const WaveformMenuItem& item : items) {
    if (item.commandId == 0) {
      menu.addSeparator();
      continue;
    }
    QAction* a = menu.addAction(QString::fromStdString(item.text));
    a->setData(item.commandId);
    a->setEnabled(item.enabled && handled(item.commandId));
  }
  if (QAction* chosen = menu.exec(globalAt)) run(chosen->data().toInt());
}

void showWaveformMenu(AnalysisView& view, QPoint globalAt) {
  WaveformMenuState state;
  state.recording = view.isRecording();
  state.playing = view.isPlaying();
  state.zoomed = view.document().isZoomed();
  state.clipHeld = view.document().editState().canPaste();
  state.selectionEmpty = !view.pointer().selection().hasSelection();
  state.selectionSpansPane = view.pointer().selection().spansPane();
  TakeController* take = view.takeController();
  const auto handled = [&view, take](int id) {
    if (id == cmd::PopupPlay || id == cmd::Zoom) return true;
    if (id == cmd::PopupPlayTake) return take && take->canPlayBack();
    return view.commandHandled(id);
  };
  const auto run = [&view, take](int id) {
    if (id == cmd::PopupPlayTake)
      take->playBack(*view.playbackController());
    else if (id == cmd::PopupPlay)
      view.playCommand();
    else if (id == cmd::Zoom)
      view.zoomCommand();
    else
      emit view.commandRequested(id);
  };
  runWaveformMenu(&view, globalAt, waveformMenu(state), handled, run);
}

}  // namespace velmora
