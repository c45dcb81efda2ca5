// The volumes on the private sound server, through the frame as the program wires them:
// our master and record volumes move what the server reports, the server's changes move the
// view's sliders, and with no server answering nothing is valid and the Volume command
// falls back. A slider's position is counted down from its top: maximum - value.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <cstdlib>

#include "app/main_window.h"
#include "app/volume_wiring.h"
#include "core/config_files.h"
#include "core/message_ids.h"
#include "dialogs/volume_dialog.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "platform/pulse_endpoint_volume.h"
#include "platform/qt_wave_in.h"
#include "platform/system_volume_devices.h"
#include "platform/wave_integration_support.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"
#include "view/volume_sliders.h"

namespace velmora {
namespace {

// The first percentage pactl prints for `what` ("get-sink-volume" / "get-source-volume").
int pactlPercent(const char* what, const char* device) {
  QProcess p;
  p.start("pactl", {what, device});
  if (!p.waitForFinished(5000)) return -1;
  const auto m = QRegularExpression(R"((\d+)%)").match(QString::fromUtf8(p.readAllStandardOutput()));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

bool pactl(const QStringList& args) {
  return QProcess::execute("pactl", args) == 0;
}

template <typename Done>
bool runEventsUntil(Done done, int ms) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms) testing::runEventsFor(10);
  return done();
}

class VolumeIntegration : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.programFolder = folder.path();
    window = std::make_unique<MainWindow>(settings, ui);
    window->resize(1024, 740);
    wiring = new VolumeWiring(*window, ui, devices, [this] { ++desktopStarts; return false; });
  }
  testing::TempFolder folder;
  AppSettings settings;
  testing::ScriptedInteraction ui;
  SystemVolumeDevices devices;
  std::unique_ptr<MainWindow> window;
  VolumeWiring* wiring = nullptr;
  int desktopStarts = 0;
};

TEST_F(VolumeIntegration, MasterAndRecordVolumesFollowTheServerBothWays) {
  ASSERT_TRUE(pactl({"set-sink-volume", "@DEFAULT_SINK@", "100%"}));
  ASSERT_TRUE(pactl({"set-source-volume", "@DEFAULT_SOURCE@", "100%"}));
  wiring->start(0);
  EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
  VolumeSet& set = wiring->volumes();
  ASSERT_TRUE(set.serverMaster);
  ASSERT_TRUE(set.master && set.input);
  EXPECT_FALSE(set.wave);

  // 0.75 of the server's volume: the slider stands at 25 and the value reads 75.
  set.master->setValue(75);
  EXPECT_EQ(pactlPercent("get-sink-volume", "@DEFAULT_SINK@"), 75);
  EXPECT_DOUBLE_EQ(static_cast<PulseEndpointVolume*>(set.master.get())->scalar(), 0.75);
  EXPECT_EQ(set.master->value(), 75);
  {
    VolumeDialog dialog(set, 0, window.get());
    EXPECT_EQ(dialog.windowTitle(), "Volume");
    EXPECT_EQ(dialog.masterSlider()->maximum() - dialog.masterSlider()->value(), 25);
    EXPECT_EQ(dialog.waveSlider(), nullptr);
    ASSERT_TRUE(dialog.inputSlider()->isEnabled());
    // Moving the dialog's slider to 10 from the top sets the server.
    dialog.masterSlider()->setValue(dialog.masterSlider()->maximum() - 10);
    EXPECT_EQ(pactlPercent("get-sink-volume", "@DEFAULT_SINK@"), 90);
  }

  // The server's own change reaches the view's playback slider within a second.
  QSlider* playback = window->view()->volumeSliders()->playbackSlider();
  ASSERT_TRUE(pactl({"set-sink-volume", "@DEFAULT_SINK@", "40%"}));
  EXPECT_TRUE(runEventsUntil([&] { return playback->maximum() - playback->value() == 60; }, 1000)) << playback->value();

  // The record volume, on the server's default source.
  const int maximum = set.input->maximum();
  ASSERT_GT(maximum, 0);
  set.input->setValue(maximum / 2);
  EXPECT_EQ(pactlPercent("get-source-volume", "@DEFAULT_SOURCE@"), 50);
  QSlider* record = window->view()->volumeSliders()->recordSlider();
  ASSERT_TRUE(pactl({"set-source-volume", "@DEFAULT_SOURCE@", "25%"}));
  EXPECT_TRUE(runEventsUntil([&] { return record->value() == maximum / 4; }, 1000)) << record->value();

  pactl({"set-sink-volume", "@DEFAULT_SINK@", "100%"});
  pactl({"set-source-volume", "@DEFAULT_SOURCE@", "100%"});
}

// What pactl prints for `args`, trimmed.
QString pactlText(const QStringList& args) {
  QProcess p;
  p.start("pactl", args);
  p.waitForFinished(5000);
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// The server's source a client's recording stream reads ("" when there is none); the remap
// modules' own streams have no client.
std::string recordingSourceName() {
  QString index;
  for (const QString& line : pactlText({"list", "short", "source-outputs"}).split('\n'))
    if (line.section('\t', 2, 2) != "-") index = line.section('\t', 1, 1);
  for (const QString& line : pactlText({"list", "short", "sources"}).split('\n'))
    if (!index.isEmpty() && line.section('\t', 0, 0) == index) return line.section('\t', 1, 1).toStdString();
  return {};
}

struct NoListener : WaveInListener {
  void waveInOpened() override {}
  void waveInData(WaveHeader*) override {}
  void waveInClosed() override {}
};

TEST_F(VolumeIntegration, TheLineInputChosenInRecordSettingsIsWhatTheNextTakeRecords) {
  // A second input beside the microphone "velmic": one that calls itself a line input.
  const QString module = pactlText({"load-module", "module-remap-source", "master=velnull.monitor",
                                    "source_name=velline", "source_properties=device.description=Line-In"});
  ASSERT_FALSE(module.isEmpty());
  wiring->start(0);
  ui.choiceAnswers = {1};
  window->commands().run(cmd::RecordSettings);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::SelectAudioInput});
  EXPECT_EQ(pactlText({"get-default-source"}), "velline");
  // The record volume is now the line input's.
  wiring->volumes().input->setValue(wiring->volumes().input->maximum() / 2);
  EXPECT_EQ(pactlPercent("get-source-volume", "velline"), 50);

  QtWaveIn waveIn;
  waveIn.setInputChooser([this] { return wiring->takeInput(); });
  NoListener listener;
  // Qt learns of the new input from the server's events.
  ASSERT_TRUE(runEventsUntil([] {
    for (const QAudioDevice& d : QMediaDevices::audioInputs())
      if (d.id() == "velline") return true;
    return false;
  }, 3000));
  // The user puts the microphone back as the default in the desktop's mixer: the take
  // still records from the line input.
  ASSERT_TRUE(pactl({"set-default-source", "velmic"}));
  ASSERT_EQ(waveIn.open(WaveFormat::pcm(11025), &listener), WaveResult::Ok);
  ASSERT_EQ(waveIn.start(), WaveResult::Ok);
  EXPECT_TRUE(runEventsUntil([] { return !recordingSourceName().empty(); }, 2000));
  EXPECT_EQ(recordingSourceName(), "velline");
  waveIn.reset();
  waveIn.close();

  pactl({"set-default-source", "velmic"});
  pactl({"unload-module", module});
}

TEST_F(VolumeIntegration, WithNoServerNothingIsValidAndTheCommandFallsBack) {
  // A server address where nothing answers, as when the server is stopped.
  const QByteArray saved = qgetenv("PULSE_SERVER");
  qputenv("PULSE_SERVER", QByteArray("unix:") + QByteArray(folder.path().c_str()) + "/no-server");
  EXPECT_FALSE(PulseEndpointVolume().isValid());
  ui.yesNoAnswers = {true};
  wiring->start(0);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::AskAudioChannelBusy});
  VolumeSet& set = wiring->volumes();
  EXPECT_FALSE(set.master);
  EXPECT_FALSE(set.input);
  EXPECT_FALSE(window->view()->volumeSliders()->playbackSlider()->isEnabled());
  window->commands().run(cmd::Volume);
  EXPECT_EQ(desktopStarts, 1);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::AskAudioChannelBusy, msg::VolumeControlNotStarted}));
  if (saved.isNull()) qunsetenv("PULSE_SERVER"); else qputenv("PULSE_SERVER", saved);
}

}  // namespace
}  // namespace velmora
