// The Audio commands' states from the frame's state: Record is off while something plays
// and while the view waits with no file state, checked during a take; Play is checked while
// playing; the record settings and the language cannot change during a take.
#include <gtest/gtest.h>

#include "presentation/command_ids.h"
#include "presentation/command_states.h"
#include "presentation/display_mode.h"

namespace velmora {
namespace {

FrameState clientWaitingForATake() {
  FrameState s;
  s.clientCode = 1;
  s.mode = ModeLiveSpectrogram;
  return s;
}

TEST(AudioCommandStates, RecordFollowsPlaybackAndTheNoFileState) {
  FrameState s = clientWaitingForATake();
  EXPECT_TRUE(commandState(cmd::Record, s).enabled);
  EXPECT_FALSE(commandState(cmd::Record, s).checked);
  s.playing = true;
  EXPECT_FALSE(commandState(cmd::Record, s).enabled);
  s.playing = false;
  s.mode = ModeEmpty;
  EXPECT_FALSE(commandState(cmd::Record, s).enabled);
}

TEST(AudioCommandStates, DuringATakeRecordStopsItAndSettingsWait) {
  FrameState s = clientWaitingForATake();
  s.recording = true;
  EXPECT_TRUE(commandState(cmd::Record, s).enabled);
  EXPECT_TRUE(commandState(cmd::Record, s).checked);
  EXPECT_FALSE(commandState(cmd::RecordSettings, s).enabled);
  EXPECT_FALSE(commandState(cmd::LanguageKorean, s).enabled);
  EXPECT_FALSE(commandState(cmd::Play, s).enabled);  // nothing loaded while a take runs
}

TEST(AudioCommandStates, PlayIsThereWithSamplesAndCheckedWhilePlaying) {
  FrameState s = clientWaitingForATake();
  s.mode = ModeSpectrogram;
  EXPECT_FALSE(commandState(cmd::Play, s).enabled);
  s.loaded = true;
  EXPECT_TRUE(commandState(cmd::Play, s).enabled);
  EXPECT_FALSE(commandState(cmd::Play, s).checked);
  s.playing = true;
  EXPECT_TRUE(commandState(cmd::Play, s).enabled);
  EXPECT_TRUE(commandState(cmd::Play, s).checked);
}

}  // namespace
}  // namespace velmora
