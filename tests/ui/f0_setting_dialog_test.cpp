// "F0 Setting...": refusals keep the dialog open with their message, a good range closes it.
#include <gtest/gtest.h>

#include <QTest>

#include "fakes/scripted_interaction.h"
#include "view/f0_setting_dialog.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;

struct Case {
  const char* min;
  const char* max;
  const char* message;  // nullptr: accepted
};

TEST(F0SettingDialog, ChecksTheRangeOnOk) {
  const Case cases[] = {
      {"40", "400", "Min. Value: 50 Hz"},
      {"70", "1300", "Max. Value: 1200 Hz"},
      {"300", "250", "Min. Value >= Max. Value"},
      {"50", "1200", nullptr},
      {"120", "400", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.min) + ".." + c.max);
    ScriptedInteraction ui;
    F0SettingDialog dialog(F0DisplayRange{70, 400}, ui);
    EXPECT_EQ(dialog.minBox()->currentText(), "70");
    EXPECT_EQ(dialog.maxBox()->currentText(), "400");
    dialog.minBox()->setEditText(QString::fromLatin1(c.min));
    dialog.maxBox()->setEditText(QString::fromLatin1(c.max));
    dialog.show();
    dialog.tryAccept();
    if (c.message) {
      ASSERT_EQ(ui.shown.size(), 1u);
      EXPECT_EQ(ui.shown[0].text, c.message);
      EXPECT_TRUE(dialog.isVisible());
      EXPECT_EQ(dialog.result(), 0);
    } else {
      EXPECT_TRUE(ui.shown.empty());
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
      EXPECT_EQ(dialog.range().minHz, std::atoi(c.min));
      EXPECT_EQ(dialog.range().maxHz, std::atoi(c.max));
    }
  }
}

TEST(F0SettingDialog, EscapeOnAListChecksLikeOk) {
  ScriptedInteraction ui;
  F0SettingDialog dialog(F0DisplayRange{70, 400}, ui);
  dialog.show();
  dialog.minBox()->setEditText(QStringLiteral("10"));
  dialog.minBox()->setFocus();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Min. Value: 50 Hz");
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace velmora
