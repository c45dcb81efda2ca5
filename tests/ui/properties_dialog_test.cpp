// Files > Properties on a playing recording: the dialog shows the client's file, its rate and
// length, and the playback holds while it is open and goes on after.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "dialogs/properties_dialog.h"
#include "view/playback_controller.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using PropertiesTest = ViewAudioFixture;

TEST_F(PropertiesTest, ShowsTheRecordingAndHoldsPlaybackWhileOpen) {
  writeRecording(clientFile("wv003.wav"), 16538);  // 1.5 s at 11025 Hz
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv003.wav"), 3, "Ann"));
  window->runCommand(cmd::Play);
  ASSERT_TRUE(view()->isPlaying());
  ASSERT_FALSE(out.paused);

  bool pausedWhileOpen = false;
  QString path, rate, seconds;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<PropertiesDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    pausedWhileOpen = out.paused;
    path = dialog->pathField()->text();
    rate = dialog->rateField()->text();
    seconds = dialog->secondsField()->text();
    dialog->accept();
  });
  window->runCommand(cmd::Properties);
  EXPECT_TRUE(pausedWhileOpen);
  EXPECT_FALSE(out.paused);
  EXPECT_TRUE(view()->isPlaying());
  EXPECT_EQ(path.toStdString(), clientFile("wv003.wav").string());
  EXPECT_EQ(rate, "11025");
  EXPECT_EQ(seconds, "1,50");
}

}  // namespace
}  // namespace velmora
