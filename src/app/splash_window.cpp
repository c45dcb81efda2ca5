#include "app/splash_window.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>
#include <cmath>

#include "core/language.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

SplashWindow::SplashWindow(int language, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), language_(language) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(pictureSize());
  setCursor(Qt::ArrowCursor);
}

SplashWindow::~SplashWindow() { qApp->removeEventFilter(this); }

void SplashWindow::start() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  qApp->installEventFilter(this);
  timer_.start(kSplashMilliseconds, this);
  show();
  raise();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient sky(0, 0, 0, height());
  sky.setColorAt(0.0, QColor(18, 36, 96));
  sky.setColorAt(1.0, QColor(52, 128, 190));
  p.fillRect(rect(), sky);
  // A stylised voice print across the picture.
  p.setPen(QPen(QColor(255, 210, 90), 2));
  // Kept below the "Wait, Please..." line.
  QPointF last(20, height() * 0.83);
  for (int x = 20; x < width() - 20; x += 2) {
    const double t = static_cast<double>(x - 20) / (width() - 40);
    const QPointF next(x, height() * 0.83 - std::sin(t * M_PI) * 28.0 * std::sin(t * 60.0));
    p.drawLine(last, next);
    last = next;
  }
  QFont title(QStringLiteral("Verdana"));
  title.setPixelSize(54);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 70, width(), 70), Qt::AlignCenter, QStringLiteral("Velmora"));
  p.setFont(QApplication::font());
  p.setPen(Qt::white);
  const QPoint at = language_ == Spanish ? QPoint(456, 40) : QPoint(300, 190);
  p.drawText(QRect(at, QSize(width() - at.x(), 30)), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(velmora::tr(str::WaitPlease)));
}

void SplashWindow::timerEvent(QTimerEvent* event) {
  if (event->timerId() == timer_.timerId()) finish();
}

bool SplashWindow::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
      finish();
      return true;  // the key or click only closes the splash
    default:
      return false;
  }
}

void SplashWindow::finish() {
  if (finished_) return;
  finished_ = true;
  timer_.stop();
  qApp->removeEventFilter(this);
  emit closed();
  close();
}

}  // namespace velmora
