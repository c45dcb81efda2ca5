// The control bars' lists and the dB slider's mapping.
#include <gtest/gtest.h>

#include "presentation/bar_choices.h"

namespace velmora {
namespace {

TEST(BarChoices, LimitEntryText) { EXPECT_EQ(limitEntryText(5512), "5512 Hz   "); }

TEST(BarChoices, UpdateRateStartsAtTheCarriedIndexOrThree) {
  EXPECT_EQ(initialUpdateRateIndex(-1, 6), 3);
  EXPECT_EQ(initialUpdateRateIndex(0, 6), 0);
  EXPECT_EQ(initialUpdateRateIndex(5, 6), 5);
  EXPECT_EQ(initialUpdateRateIndex(9, 6), 3);  // an index from a damaged log is ignored
}

TEST(BarChoices, DbMarkerAndValueAreInverse) {
  EXPECT_EQ(dbMarkerX(70), 210 + 140 - 4);
  for (int db : {0, 1, 35, 70, 99}) EXPECT_EQ(dbValueAt(dbMarkerX(db)), db);
  EXPECT_EQ(dbValueAt(0), 0);      // left of the track: its start
  EXPECT_EQ(dbValueAt(9999), 99);  // right of it: track start + 194
}

}  // namespace
}  // namespace velmora
