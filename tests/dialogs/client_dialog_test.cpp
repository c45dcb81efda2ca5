#include "dialogs/client_dialog.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/language.h"
#include "fakes/scripted_interaction.h"

namespace velmora {
namespace {

using namespace velmora::testing;

class ClientDialogTest : public ::testing::Test {
 protected:
  ScriptedInteraction ui;

  std::unique_ptr<ClientDialog> insertDialog(int language = English) {
    auto d = std::make_unique<ClientDialog>(ui, ClientDialog::Insert, language);
    ClientRecord r;
    r.code = 7;
    d->setRecord(r);
    d->show();
    QTest::keyClicks(d->nameEdit(), "Maria Silva");
    return d;
  }
  void type(ClientDialog& d, DateBox box, const char* text) {
    d.dateEdit(box)->setFocus();
    QTest::keyClicks(d.dateEdit(box), text);
  }
};

TEST_F(ClientDialogTest, InsertModeShowsTheCodeManAndInsert) {
  auto d = insertDialog();
  EXPECT_EQ(d->codeEdit()->text(), "007");
  EXPECT_EQ(d->typeGroup()->checkedId(), 0);
  EXPECT_EQ(d->okButton()->text(), "Insert");
  EXPECT_EQ(d->nameEdit()->maxLength(), 59);
}

TEST_F(ClientDialogTest, SingleDigitDayIsCompleteAndTwoDigitsMoveTheFocusOn) {
  auto d = insertDialog(English);
  type(*d, DateBox::Day, "4");
  EXPECT_TRUE(d->dateComplete(DateBox::Day));
  EXPECT_EQ(d->focusWidget(), d->dateEdit(DateBox::Day));
  d->dateEdit(DateBox::Day)->clear();
  type(*d, DateBox::Day, "04");
  EXPECT_TRUE(d->dateComplete(DateBox::Day));
  EXPECT_EQ(d->focusWidget(), d->dateEdit(DateBox::Year));  // English: day, then year
  type(*d, DateBox::Month, "02");
  EXPECT_EQ(d->focusWidget(), d->dateEdit(DateBox::Day));
}

TEST_F(ClientDialogTest, FocusOrderFollowsTheLanguage) {
  auto korean = insertDialog(Korean);
  type(*korean, DateBox::Year, "1974");
  EXPECT_EQ(korean->focusWidget(), korean->dateEdit(DateBox::Month));
  type(*korean, DateBox::Day, "12");
  EXPECT_EQ(korean->focusWidget(), korean->addressEdit());
  auto spanish = insertDialog(Spanish);
  type(*spanish, DateBox::Day, "12");
  EXPECT_EQ(spanish->focusWidget(), spanish->dateEdit(DateBox::Month));
  type(*spanish, DateBox::Month, "11");
  EXPECT_EQ(spanish->focusWidget(), spanish->dateEdit(DateBox::Year));
  type(*spanish, DateBox::Year, "1990");
  EXPECT_EQ(spanish->focusWidget(), spanish->addressEdit());
}

TEST_F(ClientDialogTest, OutOfRangeValuesAreRefusedAsTyped) {
  auto d = insertDialog();
  type(*d, DateBox::Day, "32");
  type(*d, DateBox::Month, "13");
  type(*d, DateBox::Year, "1889");
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57717, 57718, 57719}));
  EXPECT_TRUE(d->dateEdit(DateBox::Day)->text().isEmpty());
  EXPECT_TRUE(d->dateEdit(DateBox::Year)->text().isEmpty());
  type(*d, DateBox::Year, "2051");
  EXPECT_EQ(ui.countOf(57719), 2);
  type(*d, DateBox::Year, "2050");
  EXPECT_TRUE(d->dateComplete(DateBox::Year));
  d->dateEdit(DateBox::Year)->clear();
  type(*d, DateBox::Year, "1890");
  EXPECT_TRUE(d->dateComplete(DateBox::Year));
}

TEST_F(ClientDialogTest, DayAndMonthWithAThreeDigitYearAsksForFourDigits) {
  auto d = insertDialog();
  type(*d, DateBox::Month, "03");
  type(*d, DateBox::Day, "15");
  type(*d, DateBox::Year, "197");
  d->accept();
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57722});
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->focusWidget(), d->dateEdit(DateBox::Year));
  QTest::keyClicks(d->dateEdit(DateBox::Year), "4");
  d->accept();
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(d->record().birthDate, "03151974");
  EXPECT_EQ(d->record().code, 7);
  EXPECT_EQ(d->record().name, "Maria Silva");
}

TEST_F(ClientDialogTest, OnlyTheYearSavesWithoutABirthDate) {
  auto d = insertDialog();
  type(*d, DateBox::Year, "1980");
  d->accept();
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(d->record().birthDate, "");
}

TEST_F(ClientDialogTest, OneLetterNameIsRefused) {
  ClientDialog d(ui, ClientDialog::Insert, English);
  d.show();
  QTest::keyClicks(d.nameEdit(), "A");
  d.accept();
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57720});
  EXPECT_TRUE(d.isVisible());
}

TEST_F(ClientDialogTest, EditModeFillsEveryFieldAndWritesBack) {
  ClientRecord r;
  r.code = 12;
  r.name = "Jo\xC3\xA3o";
  r.type = ClientSinger;
  r.birthDate = "11251960";
  r.city = "Recife";
  r.state = "PE";
  ClientDialog d(ui, ClientDialog::Edit, Portuguese);
  d.setRecord(r);
  EXPECT_EQ(d.okButton()->text(), "Change");
  EXPECT_EQ(d.dateEdit(DateBox::Day)->text(), "25");
  EXPECT_EQ(d.dateEdit(DateBox::Month)->text(), "11");
  EXPECT_EQ(d.dateEdit(DateBox::Year)->text(), "1960");
  EXPECT_EQ(d.typeGroup()->checkedId(), ClientSinger);
  d.accept();
  ASSERT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.record(), r);
}

}  // namespace
}  // namespace velmora
