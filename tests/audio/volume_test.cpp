// The volume rules on a fake mixer element, the sliders' view of a volume, and the start-up
// steps that open the volumes and ask when one is missing.
#include <gtest/gtest.h>

#include "audio/mixer_volume.h"
#include "audio/volume_slider.h"
#include "core/message_ids.h"
#include "fakes/fake_volumes.h"
#include "fakes/scripted_interaction.h"

namespace velmora::testing {
namespace {

MixerVolume volumeOn(MixerRole role, FakeMixerElement::State& s) {
  return MixerVolume(role, std::make_unique<FakeMixerElement>(s));
}

TEST(MixerVolumeTest, FullRangeSliderAndOutOfRangeValues) {
  FakeMixerElement::State s;
  MixerVolume v = volumeOn(MixerRole::Wave, s);
  ASSERT_TRUE(v.isValid());
  v.setValue(65535);
  EXPECT_EQ(s.channels, (std::vector<long>{65535, 65535}));
  const VolumeSliderSetup top = volumeSliderSetup(&v);
  EXPECT_TRUE(top.enabled);
  EXPECT_EQ(top.pageStep, 9362);
  EXPECT_EQ(top.position, 0);

  const int writes = s.writes;
  v.setValue(65536);
  v.setValue(-1);
  EXPECT_EQ(s.writes, writes);
  EXPECT_EQ(v.value(), 65535);
}

TEST(MixerVolumeTest, MasterReadsTheOtherSideAndHonoursBalance) {
  FakeMixerElement::State s;
  s.channels = {0, 900};
  MixerVolume v = volumeOn(MixerRole::Master, s);
  EXPECT_EQ(v.value(), 900);
  v.setBalance(MixerBalance::Left);
  v.setValue(500);
  EXPECT_EQ(s.channels, (std::vector<long>{500, 0}));
  v.setBalance(MixerBalance::Right);
  v.setValue(700);
  EXPECT_EQ(s.channels, (std::vector<long>{0, 700}));
  // The wave output knows no balance: every channel.
  MixerVolume wave = volumeOn(MixerRole::Wave, s);
  s.channels = {0, 300};
  EXPECT_EQ(wave.value(), 0);
}

TEST(MixerVolumeTest, MissingControlIsNotValidAndChangesReachTheHandler) {
  FakeMixerElement::State missing;
  missing.found = false;
  MixerVolume gone = volumeOn(MixerRole::Input, missing);
  EXPECT_FALSE(gone.isValid());
  EXPECT_EQ(gone.steps(), -1);
  EXPECT_EQ(gone.maximum(), -1);
  EXPECT_EQ(gone.value(), -1);
  gone.setValue(0);
  EXPECT_EQ(missing.writes, 0);
  EXPECT_FALSE(volumeSliderSetup(&gone).enabled);

  FakeMixerElement::State s;
  MixerVolume v = volumeOn(MixerRole::Input, s);
  std::vector<int> seen;
  v.setChangeHandler([&seen](int value) { seen.push_back(value); });
  s.channels = {1234, 1234};
  ASSERT_TRUE(s.callback);
  s.callback();
  EXPECT_EQ(seen, std::vector<int>{1234});
  v.enable();
  EXPECT_EQ(s.sourceSelections, 1);
}

TEST(VolumeSetTest, MissingMixerIsAskedOnceAndNoStopsTheSetUp) {
  ScriptedInteraction ui;
  FakeVolumeDevices devices;
  devices.master.found = false;
  devices.wave.found = false;
  VolumeSet set;
  ui.yesNoAnswers = {true};
  createVolumes(set, devices, 0, ui);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::AskAudioChannelBusy});
  EXPECT_FALSE(set.master);
  ASSERT_TRUE(set.input);
  EXPECT_FALSE(set.dialogPossible());

  ScriptedInteraction no;
  no.yesNoAnswers = {false};
  devices.inputsOpened.clear();
  createVolumes(set, devices, 0, no);
  EXPECT_EQ(no.shownIds(), std::vector<int>{msg::AskAudioChannelBusy});
  EXPECT_TRUE(devices.inputsOpened.empty());
  EXPECT_FALSE(set.input);
}

TEST(VolumeSetTest, MixerOutputsAreSwitchedOnAndAServerLeavesNoWave) {
  ScriptedInteraction ui;
  FakeVolumeDevices devices;
  VolumeSet set;
  createVolumes(set, devices, 1, ui);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(devices.master.switchedOn, 1);
  EXPECT_EQ(devices.wave.switchedOn, 1);
  EXPECT_TRUE(set.wave);
  EXPECT_EQ(devices.inputsOpened, std::vector<int>{1});
  EXPECT_TRUE(set.dialogPossible());

  devices.serverAnswers = true;
  createVolumes(set, devices, 0, ui);
  EXPECT_TRUE(set.serverMaster);
  EXPECT_TRUE(set.master);
  EXPECT_FALSE(set.wave);
}

TEST(VolumeSetTest, InputQuestionsAndTheInputChoice) {
  ScriptedInteraction ui;
  FakeVolumeDevices devices;
  devices.input.found = false;
  VolumeSet set;
  ui.yesNoAnswers = {true};
  createVolumes(set, devices, 0, ui);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::AskMicInputMissing});
  EXPECT_FALSE(set.input);
  EXPECT_TRUE(set.master);

  // A choice no source has: no input and nothing asked.
  ScriptedInteraction quiet;
  devices.input.found = true;
  changeRecordInput(set, devices, 2, quiet);
  EXPECT_TRUE(quiet.shown.empty());
  EXPECT_FALSE(set.input);
  changeRecordInput(set, devices, 1, quiet);
  EXPECT_TRUE(set.input);
  devices.mixerListed = false;
  changeRecordInput(set, devices, 0, quiet);
  EXPECT_EQ(quiet.shownIds(), std::vector<int>{msg::InputNotDefined});
  EXPECT_FALSE(set.input);
}

TEST(VolumeSetTest, TheFullInputInterfaceStartsFullyOpen) {
  ScriptedInteraction ui;
  FakeVolumeDevices devices;
  devices.deviceName = "USB Zentrola Pro";
  VolumeSet set;
  createVolumes(set, devices, 0, ui);
  EXPECT_EQ(devices.input.channels, (std::vector<long>{65535, 65535}));
}

}  // namespace
}  // namespace velmora::testing
