// A take interrupted by a crash: its flushed samples in grav.tmp come back as the next
// recording of the client it was started for, or go when the therapist says No.
#include "document/take_recovery.h"

#include <gtest/gtest.h>

#include "audio/record_format.h"
#include "audio/wav_reader.h"
#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora::testing {
namespace {

namespace fs = std::filesystem;

class TakeRecoveryTest : public ::testing::Test {
 protected:
  // grav.tmp as a crash leaves it: whole samples and half of one more.
  void leaveInterruptedTake(int clientCode, int formatCode, size_t sampleCount) {
    std::string bytes;
    for (size_t i = 0; i < sampleCount; ++i) {
      const auto v = static_cast<uint16_t>(i * 7);
      bytes += static_cast<char>(v & 0xFF);
      bytes += static_cast<char>(v >> 8);
    }
    folder.writeBytes("grav.tmp", bytes + '\x01');
    ASSERT_TRUE(rememberTakeOwner(folder.path(), TakeOwner{clientCode, formatCode, "Ann Lee"}));
  }
  bool leftNothing() const { return !fs::exists(folder / "grav.tmp") && !fs::exists(folder / kTakeOwnerFile); }

  TempFolder folder;
  ScriptedInteraction ui;
};

TEST_F(TakeRecoveryTest, YesStoresEverySampleAsTheClientsNextRecordingAtItsRate) {
  fs::create_directory(folder / "pac002");
  folder.writeBytes("pac002/qv004.wav", "");
  leaveInterruptedTake(2, Record44100Mono16, 5000);
  ui.yesNoAnswers = {true};

  const auto kept = recoverInterruptedTake(folder.path(), ui);

  ASSERT_EQ(kept, folder / "pac002" / "qv005.wav");
  const WavData wav = readWav(*kept);
  ASSERT_EQ(wav.code, WavOk);
  EXPECT_EQ(wav.format.samplesPerSecond, 44100u);
  ASSERT_EQ(wav.samples.size(), 5000u);
  EXPECT_EQ(wav.samples[4999], static_cast<int16_t>(4999 * 7));
  EXPECT_TRUE(fs::exists(folder / "pac002" / "qv005.ddt"));
  EXPECT_TRUE(leftNothing());
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::AskKeepInterruptedTake, msg::InterruptedTakeKept}));
  EXPECT_NE(ui.shown[0].text.find("Ann Lee"), std::string::npos);
  // A second start finds nothing to offer.
  EXPECT_FALSE(recoverInterruptedTake(folder.path(), ui).has_value());
  EXPECT_EQ(ui.countOf(msg::AskKeepInterruptedTake), 1);
}

TEST_F(TakeRecoveryTest, NoDeletesTheSamplesAndAGoneClientsTakeGoesToTheChosenOtherFile) {
  leaveInterruptedTake(2, Record11025Mono16, 100);
  ui.yesNoAnswers = {false};
  EXPECT_FALSE(recoverInterruptedTake(folder.path(), ui).has_value());
  EXPECT_TRUE(leftNothing());
  EXPECT_FALSE(fs::exists(folder / "pac002"));

  // The client's folder is gone: the therapist chooses a file in Other Files.
  leaveInterruptedTake(2, Record11025Mono16, 100);
  ui.yesNoAnswers = {true};
  fs::create_directories(folder / "Other Files");
  ui.fileAnswers = {folder / "Other Files" / "ann-take"};
  const auto kept = recoverInterruptedTake(folder.path(), ui);
  ASSERT_EQ(kept, folder / "Other Files" / "ann-take.wav");
  EXPECT_EQ(readWav(*kept).samples.size(), 100u);
  EXPECT_TRUE(leftNothing());
}

TEST_F(TakeRecoveryTest, AFullClientKeepsTheTakeForTheNextStart) {
  fs::create_directory(folder / "pac002");
  for (int n = 1; n <= 150; ++n) folder.writeBytes("pac002/" + recordingFileName(n, RecordingPrefix::Wv), "");
  leaveInterruptedTake(2, Record11025Mono16, 100);
  ui.yesNoAnswers = {true};
  EXPECT_FALSE(recoverInterruptedTake(folder.path(), ui).has_value());
  EXPECT_EQ(ui.countOf(msg::TooManyRecordings), 1);
  EXPECT_EQ(fs::file_size(folder / "grav.tmp"), 201u);
  ASSERT_TRUE(readTakeOwner(folder.path()).has_value());
  EXPECT_EQ(readTakeOwner(folder.path())->clientName, "Ann Lee");
}

}  // namespace
}  // namespace velmora::testing
