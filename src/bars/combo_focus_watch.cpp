#include "bars/combo_focus_watch.h"

#include <QFocusEvent>

namespace velmora {

namespace {
constexpr const char* kAlsoZoomed = "velmoraAlsoZoomed";
}

void ComboFocusWatch::watch(QComboBox* combo, bool alsoZoomed) {
  combo->setProperty(kAlsoZoomed, alsoZoomed);
  combo->installEventFilter(this);
}

bool ComboFocusWatch::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::FocusIn && type != QEvent::FocusOut) return QObject::eventFilter(watched, event);
  // The list's own drop-down (or a menu) takes and gives back the focus: the user is still
  // in the list.
  if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return QObject::eventFilter(watched, event);
  if (type == QEvent::FocusIn)
    emit focusEntered(watched->property(kAlsoZoomed).toBool());
  else
    emit focusLeft();
  return QObject::eventFilter(watched, event);
}

}  // namespace velmora
