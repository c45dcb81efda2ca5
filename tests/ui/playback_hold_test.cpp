// A running playback holds while the client dialogs or the notes editor are open and goes on
// when they close; one the therapist paused stays paused.
#include <QApplication>
#include <QTimer>

#include "dialogs/client_commands.h"
#include "dialogs/notes_dialog.h"
#include "view/playback_controller.h"
#include "view_audio_fixture.h"

namespace velmora::testing {
namespace {

using PlaybackHoldTest = ViewAudioFixture;

TEST_F(PlaybackHoldTest, TheNotesEditorAndTheClientListHoldPlaybackWhileOpen) {
  ClientCommands clients(*window, ui, folder.path());
  clients.install();
  writeRecording(clientFile("wv001.wav"), 11025 * 3);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv001.wav"), 1, "Ann"));
  window->runCommand(cmd::Play);
  PlaybackController* playback = view()->playbackController();
  ASSERT_TRUE(playback->isPlaying());

  bool pausedWhileOpen = false;
  QTimer::singleShot(0, [&] {
    pausedWhileOpen = playback->isPaused() && out.paused;
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  clients.editNotes();
  EXPECT_TRUE(pausedWhileOpen);
  EXPECT_TRUE(playback->isPlaying());
  EXPECT_FALSE(playback->isPaused());

  // Paused by the therapist before the client list opens: still paused after it.
  view()->playPauseCommand();
  ASSERT_TRUE(playback->isPaused());
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  window->runCommand(cmd::OpenClient);
  EXPECT_TRUE(playback->isPaused());
}

}  // namespace
}  // namespace velmora::testing
