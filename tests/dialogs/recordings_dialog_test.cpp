#include "dialogs/recordings_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/file_times.h"
#include "core/language.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int32_t kMarch2 = 1709337600;

class RecordingsDialogTest : public ::testing::Test {
 protected:
  TempFolder dir;
  ScriptedInteraction ui;

  void SetUp() override {
    add("wv001.wav", kMarch2);
    add("wv002.wav", kMarch2 - 86400);
    add("wv003.bkp", kMarch2 - 2 * 86400);
  }
  void add(const std::string& name, int32_t seconds) {
    dir.writeBytes("pac004/" + name, "x");
    setFileTime(dir / ("pac004/" + name), FileTime{seconds, 0});
  }
  void select(RecordingsDialog& d, int row) { d.list()->setCurrentItem(d.list()->topLevelItem(row)); }
};

TEST_F(RecordingsDialogTest, ListsNewestFirstWithTitleAndButtonsDisabled) {
  RecordingsDialog d(ui, dir.path(), 4, "Maria", English);
  EXPECT_EQ(d.windowTitle(), "Maria - Files");
  ASSERT_EQ(d.list()->topLevelItemCount(), 3);
  EXPECT_EQ(d.list()->topLevelItem(0)->text(0), "03/02/2024 File 1");
  EXPECT_EQ(d.list()->topLevelItem(2)->text(0), "02/29/2024 File 3");
  EXPECT_FALSE(d.openButton()->isEnabled());
  EXPECT_FALSE(d.deleteButton()->isEnabled());
  select(d, 1);
  EXPECT_TRUE(d.openButton()->isEnabled());
  EXPECT_TRUE(d.deleteButton()->isEnabled());
}

TEST_F(RecordingsDialogTest, OpenGivesTheNumberAndState) {
  RecordingsDialog d(ui, dir.path(), 4, "Maria", English);
  d.openSelected();
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57654});
  select(d, 1);
  d.openSelected();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.chosenNumber(), 2);
  EXPECT_EQ(d.chosenState(), RecordingState::WvUndated);
}

TEST_F(RecordingsDialogTest, RecordingSentToBackupCanNeitherBeOpenedNorDeleted) {
  RecordingsDialog d(ui, dir.path(), 4, "Maria", English);
  int deleterCalls = 0;
  d.setDeleter([&](int) { return ++deleterCalls, true; });
  select(d, 2);
  d.openSelected();
  d.deleteSelected();
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57652, 57652}));
  EXPECT_EQ(d.chosenNumber(), -1);
  EXPECT_EQ(deleterCalls, 0);
}

TEST_F(RecordingsDialogTest, DeleteAsksAndRemovesTheRowOnlyOnYes) {
  RecordingsDialog d(ui, dir.path(), 4, "Maria", English);
  std::vector<int> deletedFiles;
  d.setDeleter([&](int n) { return deletedFiles.push_back(n), true; });
  select(d, 0);
  ui.yesNoAnswers = {false};
  d.deleteSelected();
  EXPECT_EQ(d.list()->topLevelItemCount(), 3);
  ui.yesNoAnswers = {true};
  d.deleteSelected();
  EXPECT_EQ(ui.countOf(57655), 2);
  EXPECT_EQ(deletedFiles, std::vector<int>{1});
  EXPECT_EQ(d.deletedNumbers(), std::vector<int>{1});
  EXPECT_EQ(d.list()->topLevelItemCount(), 2);
}

TEST_F(RecordingsDialogTest, DeleteDisabledForComparison) {
  RecordingsDialog d(ui, dir.path(), 4, "Maria", English);
  d.setDeleteDisabled(true);
  select(d, 0);
  EXPECT_TRUE(d.openButton()->isEnabled());
  EXPECT_FALSE(d.deleteButton()->isEnabled());
}

TEST_F(RecordingsDialogTest, DoubleClickOpens) {
  RecordingsDialog d(ui, dir.path(), 4, "Maria", English);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  select(d, 0);
  QTreeWidgetItem* item = d.list()->topLevelItem(0);
  const QRect rect = d.list()->visualItemRect(item);
  QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(d.list()->viewport(), Qt::LeftButton, {}, rect.center());
  EXPECT_EQ(d.chosenNumber(), 1);
}

}  // namespace
}  // namespace velmora
