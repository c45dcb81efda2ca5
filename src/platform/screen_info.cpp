#include "platform/screen_info.h"

#include <QGuiApplication>
#include <QScreen>

namespace velmora {

ScreenInfo QtScreenProbe::current() const {
  ScreenInfo info;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return info;
  info.width = screen->size().width();
  info.height = screen->size().height();
  info.bitsPerPixel = screen->depth();
  info.planes = 1;
  return info;
}

}  // namespace velmora
