#include "clients/recordings_list.h"

#include <gtest/gtest.h>

#include "core/file_times.h"
#include "core/language.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// 2024-03-02 00:00 UTC and the day before.
constexpr int32_t kMarch2 = 1709337600;
constexpr int32_t kMarch1 = kMarch2 - 86400;

class RecordingsList : public ::testing::Test {
 protected:
  TempFolder dir;
  ScriptedInteraction ui;

  void sound(const std::string& name, int32_t seconds) {
    dir.writeBytes("pac001/" + name, "RIFF");
    ASSERT_TRUE(setFileTime(dir / ("pac001/" + name), FileTime{seconds, 0}));
  }
  void dateFile(const std::string& name, const std::string& text) { dir.writeBytes("pac001/" + name, text); }
  std::vector<int> numbers(const std::vector<RecordingRow>& rows) {
    std::vector<int> out;
    for (const auto& r : rows) out.push_back(r.entry.number);
    return out;
  }
};

TEST(RecordingDates, SecondsToUtcCalendarDate) {
  EXPECT_EQ(dateOfSeconds(0), (CalendarDate{1970, 1, 1}));
  EXPECT_EQ(dateOfSeconds(kMarch2 + 86399), (CalendarDate{2024, 3, 2}));
  EXPECT_EQ(dateOfSeconds(-1), (CalendarDate{1969, 12, 31}));
  EXPECT_EQ(dateOfSeconds(951782400), (CalendarDate{2000, 2, 29}));
}

TEST_F(RecordingsList, NewestFirstAndSameDayHigherNumberFirst) {
  sound("wv001.wav", kMarch2);
  dateFile("wv001.ddt", std::to_string(kMarch2 + 100));
  sound("wv002.wav", kMarch1);
  dateFile("wv002.ddt", std::to_string(kMarch1 + 100));
  sound("wv003.wav", kMarch1);
  sound("qv004.wav", kMarch1 + 3600);
  auto rows = listRecordings(ui, dir.path(), 1, English);
  EXPECT_EQ(numbers(rows), (std::vector<int>{1, 4, 3, 2}));
  EXPECT_EQ(rows[0].text, "03/02/2024 File 1");
  EXPECT_EQ(rows[0].entry.state, RecordingState::WvDated);
  EXPECT_EQ(rows[1].entry.state, RecordingState::QvUndated);
  EXPECT_EQ(rows[2].entry.state, RecordingState::WvUndated);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RecordingsList, ShortDateFileFallsBackToTheSoundFilesTime) {
  sound("wv001.wav", kMarch1);
  dateFile("wv001.ddt", "0;0;");  // what an import leaves
  auto rows = listRecordings(ui, dir.path(), 1, English);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].entry.date, (CalendarDate{2024, 3, 1}));
  EXPECT_EQ(rows[0].entry.state, RecordingState::WvDated);
}

TEST_F(RecordingsList, PlaceholderIsListedAsSentToBackup) {
  dir.writeBytes("pac001/wv007.bkp", "");
  ASSERT_TRUE(setFileTime(dir / "pac001/wv007.bkp", FileTime{kMarch1, 0}));
  dir.writeBytes("pac001/QV008.BKP", "");
  auto rows = listRecordings(ui, dir.path(), 1, English);
  ASSERT_EQ(rows.size(), 2u);
  for (const auto& r : rows) EXPECT_EQ(r.entry.state, RecordingState::SentToBackup);
}

TEST_F(RecordingsList, DateOrderFollowsTheLanguage) {
  sound("wv012.wav", kMarch2);
  const RecordingEntry e = *detectRecording(ui, dir.path(), 1, 12);
  EXPECT_EQ(recordingRowText(e, English), "03/02/2024 File 12");
  EXPECT_EQ(recordingRowText(e, Spanish), "02/03/2024 File 12");
  EXPECT_EQ(recordingRowText(e, Portuguese), "02/03/2024 File 12");
  EXPECT_EQ(recordingRowText(e, Korean), "2024/03/02 File 12");
}

TEST_F(RecordingsList, RecordingOneHundredFiftyIsListed) {
  sound("qv150.wav", kMarch2);
  auto rows = listRecordings(ui, dir.path(), 1, English);
  EXPECT_EQ(numbers(rows), std::vector<int>{150});
  EXPECT_EQ(recordingPathForState(dir.path(), 1, 150, rows[0].entry.state), dir / "pac001" / "qv150.wav");
}

TEST_F(RecordingsList, QvDateFileIsUsedWhenTheQvFileExists) {
  sound("qv005.wav", kMarch1);
  dateFile("qv005.ddt", std::to_string(kMarch2));
  auto e = detectRecording(ui, dir.path(), 1, 5);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->state, RecordingState::QvDated);
  EXPECT_EQ(e->date, (CalendarDate{2024, 3, 2}));
  EXPECT_FALSE(detectRecording(ui, dir.path(), 1, 6));
  EXPECT_TRUE(listRecordings(ui, dir.path(), 2, English).empty());  // no folder at all
}

}  // namespace
}  // namespace velmora
