// A take and its playback through the frame and view on the private sound server: the real
// input and output devices, the keep question, the loaded file, the cursor and the close.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "app/main_window.h"
#include "app/startup.h"
#include "audio/input_buffer_bytes.h"
#include "audio/sound_player.h"
#include "audio/sound_recorder.h"
#include "core/message_ids.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "platform/qt_wave_in.h"
#include "platform/qt_wave_out.h"
#include "platform/wave_integration_support.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Runs events until `done` holds or `ms` have passed; whether it held.
template <typename Done>
bool runEventsUntil(Done done, int ms) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms) testing::runEventsFor(20);
  return done();
}

TEST(TakeIntegration, ARealTakeIsKeptLoadedAndPlayedToTheEnd) {
  ASSERT_TRUE(testing::SinkClock::instance().ready());
  testing::TempFolder folder;
  fs::create_directory(folder / "pac001");
  AppSettings settings;
  settings.programFolder = folder.path();
  testing::ScriptedInteraction ui;
  QtWaveIn in;
  QtWaveOut out;
  SoundRecorder recorder(in, ui, folder.path());
  recorder.setFormat(3);
  SoundPlayer player(out, ui);
  {
    MainWindow window(settings, ui);
    wireAudio(window, recorder, player);
    ASSERT_TRUE(window.openClient(1, "Ann", 0));
    AnalysisView* view = window.view();

    window.runCommand(cmd::Record);
    ASSERT_TRUE(view->isRecording());
    // Half a second of capture at 11025 Hz, whatever the server's pace.
    EXPECT_TRUE(runEventsUntil([&] { return view->takeController()->liveBytes() >= 11025; }, 10000));
    ui.yesNoAnswers = {true};
    window.runCommand(cmd::Record);
    ASSERT_FALSE(view->isRecording());
    EXPECT_TRUE(fs::exists(folder / "pac001" / "wv001.wav"));
    EXPECT_TRUE(fs::exists(folder / "pac001" / "wv001.ddt"));
    ASSERT_TRUE(view->hasSamples());
    EXPECT_GE(view->buffer().sampleCount(), 11025 / 2);

    window.runCommand(cmd::Play);
    ASSERT_TRUE(view->isPlaying());
    EXPECT_TRUE(runEventsUntil([&] { return view->display().playCursor() > 0; }, 10000));
    EXPECT_TRUE(runEventsUntil([&] { return !view->isPlaying(); }, 20000));
    EXPECT_EQ(view->display().playCursor(), -1);
    EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::AskKeepTake});
  }
  setInputBufferBytes(kStartInputBufferBytes);
}

}  // namespace
}  // namespace velmora
