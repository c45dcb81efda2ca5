#include "dialogs/client_list_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "clients/client_register.h"
#include "core/language.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;

class ClientListTest : public ::testing::Test {
 protected:
  TempFolder dir;
  ScriptedInteraction ui;
  ClientRegister reg{ui};

  void SetUp() override {
    reg.setFileName(dir / "pacb.dbf");
    ASSERT_TRUE(reg.create());
    add(1, "Joana", ClientWoman);
    add(2, "Mario", ClientMan);
    add(3, "MARTA", ClientSinger);
    add(4, "Maria", ClientWoman);
  }
  void add(int code, const std::string& name, int type) {
    ClientRecord r;
    r.code = code;
    r.name = name;
    r.type = type;
    ASSERT_EQ(reg.append(r), 1);
    char folder[16];
    std::snprintf(folder, sizeof folder, "pac%03d", code);
    std::filesystem::create_directories(dir / folder);
  }
  QString selectedName(ClientListDialog& d) {
    auto items = d.list()->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text(1);
  }
};

TEST_F(ClientListTest, ListsEveryClientWithButtonsDisabledUntilASelection) {
  ClientListDialog d(ui, reg, dir.path(), English, -1);
  ASSERT_EQ(d.list()->topLevelItemCount(), 4);
  EXPECT_EQ(d.list()->topLevelItem(0)->text(0), "001");
  EXPECT_EQ(d.list()->topLevelItem(0)->text(1), "Joana");
  EXPECT_FALSE(d.openButton()->isEnabled());
  d.list()->setCurrentItem(d.list()->topLevelItem(1));
  EXPECT_TRUE(d.openButton()->isEnabled());
  EXPECT_TRUE(d.infoButton()->isEnabled());
  EXPECT_TRUE(d.deleteButton()->isEnabled());
}

TEST_F(ClientListTest, SearchMatchesTheStartOfNamesWithoutRegardToCase) {
  ClientListDialog d(ui, reg, dir.path(), English, -1);
  d.show();
  QTest::keyClicks(d.searchEdit(), "mar");
  QTest::keyClick(d.searchEdit(), Qt::Key_Return);  // Enter searches
  EXPECT_EQ(selectedName(d), "Mario");
  EXPECT_TRUE(d.isVisible());
  d.searchEdit()->setText("aria");
  d.search();
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57651});
  d.searchEdit()->clear();
  d.search();
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57651, 57650}));
  d.searchEdit()->setText("MART");
  d.search();
  EXPECT_EQ(selectedName(d), "MARTA");
}

TEST_F(ClientListTest, OpenNeedsASelectionAndGivesTheChosenRecord) {
  ClientListDialog d(ui, reg, dir.path(), English, -1);
  d.openSelected();
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57646});
  d.list()->setCurrentItem(d.list()->topLevelItem(3));
  d.openSelected();
  EXPECT_EQ(d.result(), ClientListDialog::Chosen);
  EXPECT_EQ(d.chosen().code, 4);
  EXPECT_EQ(d.chosen().name, "Maria");
  EXPECT_EQ(d.chosen().type, ClientWoman);
}

TEST_F(ClientListTest, NameColumnNarrowsPastTenClientsAndWidensAfterADelete) {
  {
    ClientListDialog d(ui, reg, dir.path(), English, -1);
    EXPECT_EQ(d.nameColumnWidth(), 170);
  }
  {
    ClientListDialog d(ui, reg, dir.path(), Korean, -1);
    EXPECT_EQ(d.nameColumnWidth(), 211);
  }
  for (int code = 5; code <= 11; ++code) add(code, "Client " + std::to_string(code), ClientChild);
  ClientListDialog d(ui, reg, dir.path(), English, -1);
  EXPECT_EQ(d.list()->topLevelItemCount(), 11);
  EXPECT_EQ(d.nameColumnWidth(), 153);
  d.list()->setCurrentItem(d.list()->topLevelItem(10));
  ui.yesNoAnswers = {true};
  d.deleteSelected();
  EXPECT_EQ(d.list()->topLevelItemCount(), 10);
  EXPECT_EQ(d.nameColumnWidth(), 171);
  EXPECT_FALSE(std::filesystem::exists(dir / "pac011"));
}

TEST_F(ClientListTest, DeletingTheOpenClientWarnsTheCaller) {
  ClientListDialog d(ui, reg, dir.path(), English, 2);
  bool closed = false;
  d.onOpenClientDeleting = [&] { closed = true; };
  d.list()->setCurrentItem(d.list()->topLevelItem(1));
  ui.yesNoAnswers = {false};
  d.deleteSelected();
  EXPECT_FALSE(closed);
  EXPECT_EQ(d.list()->topLevelItemCount(), 4);
  ui.yesNoAnswers = {true};
  d.deleteSelected();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(d.openClientDeleted());
  EXPECT_EQ(reg.query("CODIGO=2"), 0);
}

TEST_F(ClientListTest, EditingUpdatesTheRowTheRegisterAndTheOpenClient) {
  ClientListDialog d(ui, reg, dir.path(), English, 1);
  ClientRecord edited;
  d.onOpenClientEdited = [&](const ClientRecord& r) { edited = r; };
  d.editClient = [](ClientRecord& r) {
    r.name = "Joana Prado";
    r.type = ClientSinger;
    return true;
  };
  d.list()->setCurrentItem(d.list()->topLevelItem(0));
  d.editSelected();
  EXPECT_EQ(d.list()->topLevelItem(0)->text(1), "Joana Prado");
  EXPECT_EQ(edited.name, "Joana Prado");
  ASSERT_GT(reg.query("CODIGO=1"), 0);
  EXPECT_EQ(reg.entry(0)->name, "Joana Prado");
  EXPECT_EQ(reg.entry(0)->type, "3");
}

}  // namespace
}  // namespace velmora
