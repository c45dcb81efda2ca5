// Audio > "Volume..." with the frame's view: while the dialog is open the view's own
// controls are off (its sliders still follow the volumes the dialog moves), and afterwards
// the marked stretch is gone, whichever way the command went.
#include <QApplication>
#include <QTimer>

#include "app/volume_wiring.h"
#include "fakes/fake_volumes.h"
#include "view/volume_sliders.h"
#include "view_audio_fixture.h"

namespace velmora::testing {
namespace {

class VolumeCommandTest : public ViewAudioFixture {
 protected:
  void SetUp() override {
    ViewAudioFixture::SetUp();
    writeRecording(clientFile("wv001.wav"), 22050);
    ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  }
  void selectAll() {
    window->runCommand(cmd::SelectAll);
    ASSERT_TRUE(view()->hasSelection());
  }
  FakeVolumeDevices devices;
};

TEST_F(VolumeCommandTest, TheViewsControlsAreOffWhileTheDialogIsOpenAndTheSelectionGoes) {
  auto* wiring = new VolumeWiring(*window, ui, devices, [] { return false; });
  wiring->start(0);
  QSlider* playback = view()->volumeSliders()->playbackSlider();
  ASSERT_TRUE(playback->isEnabled());
  selectAll();

  bool seen = false;
  bool viewOff = true;
  QTimer::singleShot(0, [&] {
    VolumeDialog* dialog = wiring->openDialog();
    if (!dialog) return;
    seen = true;
    viewOff = !playback->isEnabled() && !view()->volumeSliders()->recordSlider()->isEnabled() &&
              !view()->spectrogramBar()->isEnabled();
    // The dialog's master to 1000 from the top; the mixer tells of the change.
    dialog->masterSlider()->setValue(dialog->masterSlider()->maximum() - 1000);
    devices.master.callback();
    dialog->accept();
  });
  window->runCommand(cmd::Volume);
  ASSERT_TRUE(seen);
  EXPECT_TRUE(viewOff);
  EXPECT_EQ(devices.master.channels, (std::vector<long>{64535, 64535}));
  EXPECT_TRUE(playback->isEnabled());
  EXPECT_TRUE(view()->spectrogramBar()->isEnabled());
  EXPECT_EQ(playback->maximum() - playback->value(), 1000);
  EXPECT_FALSE(view()->hasSelection());
  EXPECT_EQ(view()->document().selection().length(), 0);

  // No input: the desktop's program is tried, 57716 shown, and the selection goes too.
  devices.selectableInputs.clear();
  devices.sources.clear();
  wiring->recordInputChanged(0);
  ASSERT_FALSE(wiring->volumes().dialogPossible());
  selectAll();
  window->runCommand(cmd::Volume);
  EXPECT_EQ(ui.countOf(msg::VolumeControlNotStarted), 1);
  EXPECT_FALSE(view()->hasSelection());
  // A slider without a volume stays off after the command.
  EXPECT_FALSE(view()->volumeSliders()->recordSlider()->isEnabled());
}

}  // namespace
}  // namespace velmora::testing
