// After Backup/Restore the open client is checked against the register, which a restore may
// have replaced: a client it no longer holds is closed, one it holds stays open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "app/main_window.h"
#include "clients/recording_names.h"
#include "dialogs/client_commands.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "presentation/command_ids.h"

namespace velmora::testing {
namespace {

void closeBackupDialogOnceShown() {
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
}

TEST(BackupCommand, TheOpenClientIsClosedOnlyWhenTheRegisterNoLongerHoldsIt) {
  TempFolder folder;
  AppSettings settings;
  settings.programFolder = folder.path();
  ScriptedInteraction ui;
  MainWindow window(settings, ui);
  ClientCommands clients(window, ui, folder.path());
  clients.install();
  ClientRecord kept;
  kept.code = 1;
  kept.name = "Ana";
  ASSERT_EQ(clients.clientRegister().append(kept), 1);
  std::filesystem::create_directory(folder / "pac001");
  std::filesystem::create_directory(folder / "pac005");

  ASSERT_TRUE(window.openClient(1, "Ana", 0));
  closeBackupDialogOnceShown();
  window.runCommand(cmd::Backup);
  EXPECT_EQ(window.clientCode(), 1);

  ASSERT_TRUE(window.openClient(5, "Gone", 0));  // a folder, but no record
  closeBackupDialogOnceShown();
  window.runCommand(cmd::Backup);
  EXPECT_EQ(window.clientCode(), kNoClient);
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace velmora::testing
