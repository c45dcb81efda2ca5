#include "dialogs/backup_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "dialogs/backup_wait_dialog.h"
#include "dialogs/client_selection_dialog.h"
#include "fakes/client_folder_maker.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

TEST(ClientSelectionDialogTest, SelectAllAndOkWithNothingChosen) {
  ScriptedInteraction ui;
  std::vector<ClientEntry> entries(3);
  for (int i = 0; i < 3; ++i) {
    entries[static_cast<size_t>(i)].code = std::to_string(i + 1);
    entries[static_cast<size_t>(i)].name = "Client " + std::to_string(i + 1);
  }
  ClientSelectionDialog d(ui, entries, "Choose:");
  EXPECT_EQ(d.list()->topLevelItem(1)->text(1), "0002");
  d.accept();
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::SelectAtLeastOneClient}));
  EXPECT_NE(d.result(), QDialog::Accepted);
  d.selectAll()->click();
  EXPECT_EQ(d.selectedCodes(), (std::vector<int>{1, 2, 3}));
  d.selectAll()->click();
  EXPECT_TRUE(d.selectedCodes().empty());
}

TEST(BackupDialogTest, SendRunsOffTheUiThreadBehindTheWaitDialogAndClosesTheRecordingFirst) {
  TempFolder root;
  const fs::path work = root / "work";
  ASSERT_TRUE(makeWorkingFolder(work, {{1, "Ana", 3}, {2, "Bruno", 1}}));
  fs::create_directories(root / "target");
  ScriptedInteraction ui;
  ui.folderAnswers = {root / "target"};
  int closed = 0;
  BackupDialog d(ui, work, 0, [&] { ++closed; });
  d.chooseClients = [&](const std::vector<ClientEntry>& entries, int) -> std::optional<std::vector<int>> {
    EXPECT_EQ(entries.size(), 2u);
    return std::vector<int>{1};
  };
  // The wait dialog is up and the window's events keep running while the copy goes on.
  bool seenRunning = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] { seenRunning = seenRunning || d.waitDialog()->isVisible(); });
  poll.start(1);
  d.sendToBackup();
  EXPECT_TRUE(seenRunning);
  EXPECT_FALSE(d.waitDialog()->isVisible());
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::BackupDone}));
  EXPECT_TRUE(fs::exists(work / "pac001/wv003.bkp"));
  EXPECT_FALSE(fs::exists(work / "pac001/wv003.wav"));
  EXPECT_TRUE(fs::exists(work / "pac002/wv001.wav"));
  EXPECT_EQ(d.waitDialog()->filesBar()->value(), d.waitDialog()->filesBar()->maximum());
}

TEST(BackupDialogTest, WorkingFolderAsTargetIsRefusedBeforeTheRecordingIsClosed) {
  TempFolder root;
  ASSERT_TRUE(makeWorkingFolder(root / "work", {{1, "Ana", 1}}));
  ScriptedInteraction ui;
  ui.folderAnswers = {root / "work"};
  int closed = 0;
  BackupDialog d(ui, root / "work", 0, [&] { ++closed; });
  d.createBackup();
  EXPECT_EQ(closed, 0);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::TargetIsWorkingFolder}));
}

}  // namespace
}  // namespace velmora
