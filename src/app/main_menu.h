#pragma once
// Builds the main menu (Client, Files, Audio, Mode, Settings, Comparison, Help), the toolbar and
// the accelerators. Every entry is a QAction carrying its command id; the frame finds the
// actions by id to run and update them.
#include <QMenuBar>
#include <QToolBar>
#include <map>

namespace velmora {

struct MainMenu {
  std::map<int, QAction*> actions;  // by command id
  QMenu* files = nullptr;
  QMenu* audio = nullptr;
  QMenu* mode = nullptr;
};

// Fills `bar` (cleared first) and creates the actions as children of `owner`.
MainMenu buildMainMenu(QMenuBar* bar, QWidget* owner);
// The toolbar's buttons, left to right, 0 for a separator.
const std::vector<int>& toolbarCommands();
void fillToolbar(QToolBar* toolbar, const MainMenu& menu);

}  // namespace velmora
