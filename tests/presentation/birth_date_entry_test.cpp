// The birth-date boxes' rules apart from the dialog: complete values, refusals, focus moves
// and the stored date.
#include "presentation/birth_date_entry.h"

#include <gtest/gtest.h>

#include "core/language.h"

namespace velmora {
namespace {

TEST(BirthDateEntry, Rules) {
  EXPECT_FALSE(judgeDateBox(DateBox::Day, "0", English).complete);
  EXPECT_TRUE(judgeDateBox(DateBox::Day, "9", English).complete);
  EXPECT_EQ(judgeDateBox(DateBox::Day, "00", English).messageId, 57717);
  EXPECT_EQ(judgeDateBox(DateBox::Month, "12", Korean).moveFocus, FocusTarget::Day);
  EXPECT_FALSE(judgeDateBox(DateBox::Year, "199", English).clearBox);
  EXPECT_EQ(decideBirthDate("4", "7", "2001", true, true, true).stored, "07042001");
  EXPECT_EQ(decideBirthDate("4", "", "2001", true, false, true).stored, "");
  EXPECT_EQ(decideBirthDate("4", "7", "", true, true, false).messageId, 57722);
}

}  // namespace
}  // namespace velmora
