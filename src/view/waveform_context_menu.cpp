#include "view/waveform_context_menu.h"

#include <QMenu>

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

}  // namespace velmora
