#pragma once
// Gathers the parts of a widget that a take or playback changed and repaints them together,
// at most 30 times a second, however small the capture buffers are.
#include <QObject>
#include <QRegion>
#include <QTimer>

class QWidget;

namespace velmora {

class LiveRepaint : public QObject {
  Q_OBJECT
 public:
  explicit LiveRepaint(QWidget* widget);

  // A part of the widget (device pixels) to repaint with the next refresh.
  void add(const QRect& area);
  // What the next refresh repaints; empty when nothing waits.
  const QRegion& pending() const { return pending_; }
  // Repaints asked of the widget so far.
  int repaints() const { return repaints_; }
  // Asks for the waiting repaint at once.
  void flush();
  // A full repaint has drawn everything: nothing waits any more.
  void discard();

 private:
  QWidget* widget_;
  QTimer timer_;
  QRegion pending_;
  int repaints_ = 0;
};

}  // namespace velmora
