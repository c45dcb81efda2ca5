#pragma once
// Tells when one of a bar's lists gets or loses the keyboard focus: while the user is in
// "Update Rate", "Band" or "Limit", a take is held and playback paused, so choosing an
// entry does not tear the sound.
#include <QComboBox>
#include <QObject>

namespace velmora {

class ComboFocusWatch : public QObject {
  Q_OBJECT
 public:
  explicit ComboFocusWatch(QObject* parent = nullptr) : QObject(parent) {}
  // alsoZoomed: the list holds playback of a zoomed view too ("Update Rate" does not).
  void watch(QComboBox* combo, bool alsoZoomed);

 signals:
  void focusEntered(bool alsoZoomed);
  void focusLeft();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace velmora
