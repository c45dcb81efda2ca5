#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/language.h"
#include "core/message_ids.h"
#include "core/report_info.h"
#include "dialogs/limited_text_edit.h"
#include "dialogs/notes_dialog.h"
#include "dialogs/report_info_dialog.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;

TEST(NotesDialog, OpeningOnARecordingWithoutNotesAndClosingLeavesAnEmptyFile) {
  TempFolder dir;
  ScriptedInteraction ui;
  NotesDialog dialog(ui);
  dialog.setPath(dir / "wv001.wav");
  EXPECT_TRUE(std::filesystem::exists(dir / "wv001.txt"));
  dialog.accept();
  EXPECT_EQ(dir.readBytes("wv001.txt"), "");
  EXPECT_TRUE(ui.shown.empty());
}

TEST(NotesDialog, NotesThatCannotBeReadAreSaidSoAndNeverOverwritten) {
  TempFolder dir;
  ScriptedInteraction ui;
  dir.writeBytes("wv001.txt", "kept");
  std::filesystem::resize_file(dir / "wv001.txt", (16u << 20) + 1);  // beyond what the editor reads
  NotesDialog dialog(ui);
  dialog.setPath(dir / "wv001.wav");
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::ErrorReadingFile});
  dialog.accept();
  EXPECT_EQ(std::filesystem::file_size(dir / "wv001.txt"), (16u << 20) + 1);
  EXPECT_EQ(dir.readBytes("wv001.txt").substr(0, 4), "kept");
}

TEST(NotesDialog, TypedLinesAreSavedAndEscapeSavesNothing) {
  TempFolder dir;
  ScriptedInteraction ui;
  {
    NotesDialog dialog(ui);
    dialog.setPath(dir / "wv002.wav");
    dialog.show();
    QTest::keyClicks(dialog.editor(), "first");
    QTest::keyClick(dialog.editor(), Qt::Key_Return);  // a new line, not the Close button
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClicks(dialog.editor(), "second");
    dialog.accept();
  }
  EXPECT_EQ(dir.readBytes("wv002.txt"), "first\nsecond\n");
  {
    NotesDialog dialog(ui);
    dialog.setPath(dir / "wv002.wav");
    dialog.show();
    EXPECT_EQ(dialog.editor()->toPlainText(), "first\nsecond");
    QTest::keyClicks(dialog.editor(), "changed");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_EQ(dir.readBytes("wv002.txt"), "first\nsecond\n");
}

TEST(NotesDialog, LongFileIsShownWholeAndNothingMoreCanBeTyped) {
  TempFolder dir;
  ScriptedInteraction ui;
  dir.writeBytes("wv003.txt", std::string(3000, 'a'));
  NotesDialog dialog(ui);
  dialog.setPath(dir / "wv003.wav");
  dialog.show();
  EXPECT_EQ(dialog.editor()->characterCount(), 3000);
  QTest::keyClicks(dialog.editor(), "more");
  EXPECT_EQ(dialog.editor()->characterCount(), 3000);
}

TEST(NotesDialog, TypingStopsAtTheLimit) {
  LimitedTextEdit edit;
  edit.setTextWithLimit(QString(1020, 'b'), 1024);
  edit.show();
  edit.moveCursor(QTextCursor::End);
  QTest::keyClicks(&edit, "0123456789");
  EXPECT_EQ(edit.characterCount(), 1024);
  EXPECT_TRUE(edit.toPlainText().endsWith("0123"));
}

TEST(ReportInfoDialog, OkWritesBothTextsAndCancelWritesNothing) {
  TempFolder dir;
  ScriptedInteraction ui;
  {
    ReportInfoDialog dialog(ui, dir.path(), Portuguese);
    EXPECT_TRUE(dialog.clinicEdit()->text().isEmpty());
    dialog.clinicEdit()->setText("Cl\xC3\xADnica Voz");
    dialog.registrationEdit()->setText("CRFa 123");
    dialog.accept();
  }
  auto info = readReportInfo(dir.path());
  ASSERT_TRUE(info);
  EXPECT_EQ(info->clinicName, "Cl\xC3\xADnica Voz");
  EXPECT_EQ(info->registration, "CRFa 123");
  {
    ReportInfoDialog dialog(ui, dir.path(), English);
    EXPECT_EQ(dialog.clinicEdit()->text().toStdString(), "Cl\xC3\xADnica Voz");
    EXPECT_TRUE(dialog.registrationEdit()->isHidden());
    dialog.clinicEdit()->setText("Other");
    dialog.reject();
  }
  EXPECT_EQ(readReportInfo(dir.path())->clinicName, "Cl\xC3\xADnica Voz");
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace velmora
