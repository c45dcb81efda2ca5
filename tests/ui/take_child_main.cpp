// A real take on the sound server, run as its own process so a test can kill it mid-take:
//   velmora_take_child FOLDER     (FOLDER holds pac001)
// Prints "buffer B" (the capture buffer's bytes), then "bytes N" each time the take has captured more, and records until it is killed.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/main_window.h"
#include "app/startup.h"
#include "audio/input_buffer_bytes.h"
#include "audio/record_format.h"
#include "audio/sound_player.h"
#include "audio/sound_recorder.h"
#include "fakes/scripted_interaction.h"
#include "platform/qt_wave_in.h"
#include "platform/qt_wave_out.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"
#include "view/take_controller.h"

int main(int argc, char** argv) {
  using namespace velmora;
  if (argc != 2) return 2;
  QApplication app(argc, argv);
  AppSettings settings;
  settings.programFolder = argv[1];
  testing::ScriptedInteraction ui;
  QtWaveIn in;
  QtWaveOut out;
  SoundRecorder recorder(in, ui, settings.programFolder);
  recorder.setFormat(kStartRecordFormatCode);
  SoundPlayer player(out, ui);
  MainWindow window(settings, ui);
  wireAudio(window, recorder, player);
  if (!window.openClient(1, "Ann", 0)) return 3;
  window.runCommand(cmd::Record);
  if (!window.view()->isRecording()) return 4;
  std::printf("buffer %d\n", inputBufferBytes());
  long long reported = -1;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    const long long bytes = window.view()->takeController()->liveBytes();
    if (bytes == reported) return;
    reported = bytes;
    std::printf("bytes %lld\n", bytes);
    std::fflush(stdout);
  });
  poll.start(10);
  return app.exec();
}
