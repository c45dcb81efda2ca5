// The "Save Changes?" question as the real dialog shows it: Enter saves this file, Escape
// saves nothing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/qt_interaction.h"
#include "document/save_changes.h"

namespace velmora {
namespace {

// Presses `key` in the dialog once it is up and notes its default button's text.
int answerWith(Qt::Key key, QString& defaultText) {
  QTimer::singleShot(0, [key, &defaultText] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (box->defaultButton()) defaultText = box->defaultButton()->text();
    QTest::keyClick(box, key);
  });
  QtInteraction ui;
  return ui.chooseButton(saveChangesRequest());
}

TEST(SaveQuestion, EnterSavesThisFileAndEscapeSavesNothing) {
  QString defaultText;
  EXPECT_EQ(answerWith(Qt::Key_Return, defaultText), 0);
  EXPECT_EQ(defaultText, QStringLiteral("Save this File"));
  EXPECT_EQ(answerWith(Qt::Key_Escape, defaultText), -1);
}

}  // namespace
}  // namespace velmora
