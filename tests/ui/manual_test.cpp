// Help > Contents shows the user manual in the program's own window; a clinic's copy in the
// working folder comes before the one shipped with the program.
#include <gtest/gtest.h>

#include <QAction>
#include <QTextBrowser>

#include "app/main_window.h"
#include "app/manual_window.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "presentation/command_ids.h"

namespace velmora::testing {
namespace {

TEST(Manual, HelpContentsShowsTheShippedManualAndAClinicsOwnCopyComesFirst) {
  TempFolder folder;
  AppSettings settings;
  settings.programFolder = folder.path();
  ScriptedInteraction ui;
  MainWindow window(settings, ui);
  window.updateCommandStates();
  ASSERT_TRUE(window.action(cmd::HelpContents)->isEnabled());
  window.runCommand(cmd::HelpContents);
  auto* manual = window.findChild<ManualWindow*>();
  ASSERT_NE(manual, nullptr);
  EXPECT_TRUE(manual->isVisible());
  const QString text = manual->browser()->toPlainText();
  for (const char* section : {"Clients", "Recording", "F0 and formants", "Editing and saving", "command-line tool"})
    EXPECT_TRUE(text.contains(section)) << section;

  std::filesystem::create_directory(folder / "help");
  folder.writeBytes("help/index.html", "<p>Clinic</p>");
  EXPECT_EQ(findManual(folder.path(), "/nonexistent"), folder / "help" / "index.html");
}

}  // namespace
}  // namespace velmora::testing
