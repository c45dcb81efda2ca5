// Settings > "Record...": the input choice is stored in cfr.dat, the user is told once to
// choose the same input in the system, the record volume is opened again for the new input
// and the view's record slider is labelled for it.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/volume_wiring.h"
#include "core/config_files.h"
#include "core/language.h"
#include "core/message_ids.h"
#include "fakes/fake_volumes.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"
#include "view/volume_sliders.h"

namespace velmora::testing {
namespace {

TEST(RecordSettings, TheChosenInputIsStoredAskedForOnceAndReopened) {
  TempFolder folder;
  AppSettings settings;
  settings.programFolder = folder.path();
  ScriptedInteraction ui;
  MainWindow window(settings, ui);
  FakeVolumeDevices devices;
  auto* wiring = new VolumeWiring(window, ui, devices, [] { return false; });
  wiring->start(0);
  ASSERT_EQ(devices.inputsOpened, std::vector<int>{0});

  ui.choiceAnswers = {1};
  window.commands().run(cmd::RecordSettings);
  ASSERT_EQ(ui.choices.size(), 1u);
  EXPECT_EQ(ui.choices[0].options.size(), 2u);
  EXPECT_EQ(ui.choices[0].initial, 0);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::SelectAudioInput});
  EXPECT_EQ(readRecordInputChoice(folder.path()), 1);
  EXPECT_EQ(devices.inputsOpened, (std::vector<int>{0, 1}));
  EXPECT_EQ(devices.inputsSelected, std::vector<int>{1});
  // The next take selects the line input again and records from it.
  EXPECT_EQ(wiring->takeInput(), "fake-input-1");
  EXPECT_EQ(devices.inputsSelected, (std::vector<int>{1, 1}));
  EXPECT_TRUE(window.view()->display().lineInput());
  // The view's record slider now moves the new input.
  QSlider* record = window.view()->volumeSliders()->recordSlider();
  ASSERT_TRUE(record->isEnabled());
  record->setValue(record->maximum());  // the top: the loudest
  EXPECT_EQ(devices.input.channels, (std::vector<long>{65535, 65535}));

  // The same input again: nothing to tell.
  ui.choiceAnswers = {1};
  window.commands().run(cmd::RecordSettings);
  EXPECT_EQ(ui.countOf(msg::SelectAudioInput), 1);

  // Back to the microphone on a card whose mixer cannot be looked at.
  devices.mixerListed = false;
  ui.choiceAnswers = {0};
  window.commands().run(cmd::RecordSettings);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::SelectAudioInput, msg::SelectAudioInput, msg::InputNotDefined}));
  EXPECT_EQ(readRecordInputChoice(folder.path()), 0);
  EXPECT_FALSE(window.view()->display().lineInput());
  EXPECT_FALSE(record->isEnabled());
}

// The choice's own buttons are words of the language chosen, not Qt's nor English ones.
TEST(RecordSettings, TheChoiceSpeaksTheLanguageChosen) {
  TempFolder folder;
  AppSettings settings;
  settings.programFolder = folder.path();
  settings.catalogFolder = VELMORA_CATALOG_DIR;
  ScriptedInteraction ui;
  MainWindow window(settings, ui);
  FakeVolumeDevices devices;
  auto* wiring = new VolumeWiring(window, ui, devices, [] { return false; });
  wiring->start(0);
  ASSERT_TRUE(window.switchLanguageTo(Korean));
  ui.choiceAnswers = {0};
  window.commands().run(cmd::RecordSettings);
  ASSERT_EQ(ui.choices.size(), 1u);
  const ChoiceRequest& choice = ui.choices[0];
  ASSERT_TRUE(window.switchLanguageTo(English));
  EXPECT_EQ(choice.acceptText, "확인");
  EXPECT_EQ(choice.cancelText, "취소");
}

TEST(RecordSettings, ALineInputTheSystemLacksIsSaidAndTakesKeepTheirInput) {
  TempFolder folder;
  AppSettings settings;
  settings.programFolder = folder.path();
  ScriptedInteraction ui;
  MainWindow window(settings, ui);
  FakeVolumeDevices devices;
  devices.selectableInputs = {0};
  auto* wiring = new VolumeWiring(window, ui, devices, [] { return false; });
  wiring->start(0);

  ui.choiceAnswers = {1};
  window.commands().run(cmd::RecordSettings);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::SelectAudioInput, msg::InputNotDefined}));
  EXPECT_EQ(readRecordInputChoice(folder.path()), 1);
  EXPECT_TRUE(devices.inputsSelected.empty());
  // "" records from the input in use.
  EXPECT_EQ(wiring->takeInput(), "");
}

}  // namespace
}  // namespace velmora::testing
