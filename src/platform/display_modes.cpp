#include "platform/display_modes.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include "platform/xrandr_library.h"

namespace velmora {

SystemDisplayModes::SystemDisplayModes() {
  if (QGuiApplication::platformName() == QStringLiteral("xcb")) randr_ = XrandrLibrary::open();
}

SystemDisplayModes::~SystemDisplayModes() = default;

std::vector<ScreenMode> SystemDisplayModes::modes() const { return randr_ ? randr_->sizes() : std::vector<ScreenMode>{}; }

ScreenMode SystemDisplayModes::current() const {
  if (randr_) return randr_->current();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->size().width(), screen->size().height(), screen->depth()};
}

int SystemDisplayModes::currentColourCount() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || screen->depth() > 8) return -1;
  return 1 << screen->depth();
}

ModeChangeResult SystemDisplayModes::apply(const ScreenMode& mode) {
  if (!randr_) return ModeChangeResult::Failed;
  return randr_->setSize(mode.width, mode.height) ? ModeChangeResult::Changed : ModeChangeResult::Failed;
}

bool startDisplaySettingsProgram() {
  // The desktops' own display settings, most common first.
  const std::pair<const char*, QStringList> programs[] = {
      {"gnome-control-center", {QStringLiteral("display")}},
      {"xfce4-display-settings", {}},
      {"lxqt-config-monitor", {}},
      {"lxrandr", {}},
      {"arandr", {}},
      {"kcmshell6", {QStringLiteral("kcm_kscreen")}},
      {"kcmshell5", {QStringLiteral("kcm_kscreen")}},
  };
  for (const auto& [name, args] : programs) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty() && QProcess::startDetached(path, args)) return true;
  }
  return false;
}

}  // namespace velmora
