#include "backup/backup_names.h"

#include <gtest/gtest.h>

#include "core/language.h"

namespace velmora {
namespace {

TEST(BackupNames, DatedFolderForSeventhOfMarch2024) {
  const UtcDate date{2024, 3, 7};
  EXPECT_EQ(datedBackupFolderName(date, English), "bkp-vl03-07-2024");
  EXPECT_EQ(datedBackupFolderName(date, Korean), "bkp-vl2024-03-07");
}

TEST(BackupNames, OnlyPlainFileNamesAreTaken) {
  EXPECT_TRUE(isPlainFileName("wv001.wav"));
  for (const char* bad : {"", ".", "..", "../wv001.wav", "/etc/passwd", "a/b", "a\\b", "..\\x"})
    EXPECT_FALSE(isPlainFileName(bad)) << bad;
  EXPECT_FALSE(isPlainFileName(std::string("wv\0.wav", 7)));
}

TEST(BackupNames, DatesFileRoundTripAndCutRecord) {
  const std::string text = formatDatesLine({"wv001.wav", 30000000, 4000000000u}) + formatDatesLine({"qv002.wav", 1, 2});
  EXPECT_EQ(text, "wv001.wav;30000000;4000000000\nqv002.wav;1;2\n");
  auto records = parseDatesFile(text + "wv003.wav;12");  // cut short by the end of the file
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].name, "wv001.wav");
  EXPECT_EQ(records[0].low, 4000000000u);
  EXPECT_EQ(records[1].high, 1u);
  EXPECT_TRUE(parseDatesFile("no separators at all\n\x01\x02").empty());
}

TEST(BackupNames, ProgressCodesAreDigitRuns) {
  EXPECT_EQ(parseProgressCodes("1;2;5;"), (std::vector<int>{1, 2, 5}));
  EXPECT_EQ(parseProgressCodes("x12yy7\n99999999999;3"), (std::vector<int>{12, 7, 3}));
}

}  // namespace
}  // namespace velmora
