#include "platform/display_modes.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

namespace velmora {

std::vector<ScreenMode> SystemDisplayModes::modes() const { return {}; }

ScreenMode SystemDisplayModes::current() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->size().width(), screen->size().height(), screen->depth()};
}

int SystemDisplayModes::currentColourCount() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || screen->depth() > 8) return -1;
  return 1 << screen->depth();
}

ModeChangeResult SystemDisplayModes::apply(const ScreenMode&) { return ModeChangeResult::Failed; }

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
