// No take is lost when something else drops the recording while it runs: it is stopped and
// stored as its Stop button would, in the folder of the client it was started for.
#include "core/config_files.h"
#include "document/take_recovery.h"
#include "view_audio_fixture.h"

namespace velmora::testing {
namespace {

class TakeSafetyTest : public ViewAudioFixture {};

TEST_F(TakeSafetyTest, OpeningAnotherClientStoresTheTakeForTheClientItWasStartedFor) {
  std::filesystem::create_directory(folder / "pac002");
  recordBuffers(3);
  ui.yesNoAnswers = {true};  // keep the take
  ASSERT_TRUE(window->openClient(2, "Bea", 1));
  EXPECT_FALSE(view()->isRecording());
  EXPECT_EQ(ui.countOf(msg::AskKeepTake), 1);
  EXPECT_TRUE(std::filesystem::exists(clientFile("wv001.wav")));
  EXPECT_TRUE(std::filesystem::exists(clientFile("wv001.ddt")));
  EXPECT_FALSE(std::filesystem::exists(folder / "pac002" / "wv001.wav"));
  // The new client starts with nothing open.
  EXPECT_FALSE(view()->hasSamples());
  EXPECT_EQ(window->clientCode(), 2);
}

TEST_F(TakeSafetyTest, ClosingTheWindowDuringATakeAsksAndKeepsItAndEndsTheRunProperly) {
  recordBuffers(2);
  ui.yesNoAnswers = {true, true};  // exit, then keep the take
  window->close();
  EXPECT_EQ(ui.countOf(msg::AskKeepTake), 1);
  EXPECT_FALSE(view()->isRecording());
  ASSERT_TRUE(std::filesystem::exists(clientFile("wv001.wav")));
  // The next start finds no unfinished take.
  ScriptedInteraction nextRun;
  checkUnfinishedRecording(folder.path(), nextRun);
  EXPECT_EQ(nextRun.countOf(msg::LastRunNotEnded), 0);
  EXPECT_FALSE(recoverInterruptedTake(folder.path(), nextRun).has_value());
  EXPECT_EQ(nextRun.countOf(msg::AskKeepInterruptedTake), 0);
}

}  // namespace
}  // namespace velmora::testing
