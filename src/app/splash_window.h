#pragma once
// The start-up splash: a borderless picture centred on the screen with "Wait, Please...",
// closed after 2000 ms, or at once by any key or mouse button anywhere in the program
// (that key or click then has no other effect).
#include <QBasicTimer>
#include <QWidget>

namespace velmora {

inline constexpr int kSplashMilliseconds = 2000;

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  // language selects where the text goes (Spanish puts it at the top).
  explicit SplashWindow(int language, QWidget* parent = nullptr);
  ~SplashWindow() override;
  static QSize pictureSize() { return QSize(560, 300); }

  // Shows the splash centred on the screen and starts its timer.
  void start();

 signals:
  void closed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void finish();
  int language_;
  QBasicTimer timer_;
  bool finished_ = false;
};

}  // namespace velmora
