// The recorder and the player on the private sound server, end to end: what is played on
// the default output comes back on the default input (the null sink's monitor).
#include <QCoreApplication>
#include <cstdlib>

#include "audio/input_buffer_bytes.h"
#include "audio/sound_player.h"
#include "audio/sound_recorder.h"
#include "audio/wav_reader.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "platform/qt_wave_in.h"
#include "platform/qt_wave_out.h"
#include "wave_integration_support.h"

namespace velmora::testing {
namespace {

class PausedBytes : public RecorderObserver {
 public:
  long long paused = 0;
  long long kept = 0;
  int buffers = 0;
  void takeBufferReturned(const TakeBuffer& b) override {
    ++buffers;
    (b.paused ? paused : kept) += static_cast<long long>(b.byteCount);
  }
};

class WaveDevicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    requireSoundServer();
    ASSERT_TRUE(SinkClock::instance().ready())
        << "the private server's capture never flowed steadily (is pacat of pulseaudio-utils installed?)";
  }
  void TearDown() override {
    setInputBufferBytes(kStartInputBufferBytes);
    for (const auto& m : ui.shown) std::printf("shown: %d %s\n", m.id, m.text.c_str());
  }

  // The default update rate: 2.5 x rate / 60 bytes per buffer.
  static void useDefaultUpdateRate(int rateHz) { setInputBufferBytes(updateRateBufferBytes(rateHz, 2.5)); }

  TempFolder folder;
  ScriptedInteraction ui;
  QtWaveIn input;
  QtWaveOut output;
};

TEST_F(WaveDevicesTest, PlayedToneComesBackAtItsFrequencyAndLevel) {
  constexpr int kRate = 44100;
  constexpr double kToneHz = 440.0;
  constexpr double kAmplitude = 0.5;
  const auto tone = sineWave(kToneHz, kAmplitude, kRate, 3.0);

  SoundRecorder recorder(input, ui, folder.path());
  ASSERT_TRUE(recorder.setFormat(7));
  useDefaultUpdateRate(kRate);
  ASSERT_TRUE(recorder.start(folder / "loop.wav", 3));

  SoundPlayer player(output, ui);
  ASSERT_TRUE(player.open(WaveFormat::pcm(kRate), nullptr));
  ASSERT_TRUE(player.playBlocks(tone.data(), static_cast<int64_t>(tone.size()),
                                {0, static_cast<int64_t>(tone.size()), inputBufferBytes() / 2, false, false, 600}));
  QElapsedTimer played;
  played.start();
  ASSERT_TRUE(player.waitClosed());
  EXPECT_GT(played.elapsed(), 2500) << "the blocks came back faster than they can play";
  EXPECT_EQ(player.completedBlocks(), player.blockCount());
  runEventsFor(300);
  ASSERT_TRUE(recorder.stopTake());
  EXPECT_TRUE(ui.shown.empty());

  auto wav = readWav(folder / "loop.wav");
  ASSERT_EQ(wav.code, WavOk);
  // The loudest second of the take is the middle of the tone.
  const size_t window = kRate / 10;
  size_t best = 0;
  double bestRms = 0;
  for (size_t at = 0; at + window <= wav.samples.size(); at += window) {
    const double r = rmsOf(wav.samples.data() + at, window);
    if (r > bestRms) bestRms = r, best = at;
  }
  ASSERT_GT(bestRms, 100.0) << "no tone came back";
  const size_t start = best >= kRate / 2 ? best - kRate / 2 : 0;
  const size_t length = std::min<size_t>(kRate, wav.samples.size() - start);
  const double hz = zeroCrossingFrequencyHz(wav.samples.data() + start, length, kRate);
  const double levelDb = 20 * std::log10(rmsOf(wav.samples.data() + start, length) / rmsOf(tone.data(), tone.size()));
  std::printf("loopback: %.3f Hz, level %+.2f dB relative to the played tone\n", hz, levelDb);
  EXPECT_NEAR(hz, kToneHz, 2.0);
  EXPECT_NEAR(levelDb, 0.0, 3.0);
}

TEST_F(WaveDevicesTest, TakesAtEachRateCarryTheirHeader) {
  for (int code : {3, 5, 7}) {
    SoundRecorder recorder(input, ui, folder.path());
    ASSERT_TRUE(recorder.setFormat(code));
    useDefaultUpdateRate(recorder.sampleRateHz());
    const auto target = folder / ("rate" + std::to_string(code) + ".wav");
    ASSERT_TRUE(recorder.start(target, 3)) << code;
    runEventsFor(500);
    ASSERT_TRUE(recorder.stopTake()) << code;
    auto wav = readWav(target);
    ASSERT_EQ(wav.code, WavOk);
    EXPECT_EQ(wav.format, WaveFormat::pcm(static_cast<uint32_t>(recorder.sampleRateHz())));
    const double seconds = double(wav.samples.size()) / recorder.sampleRateHz();
    EXPECT_GT(seconds, 0.2) << code;
    EXPECT_LT(seconds, 2.0) << code;
  }
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(WaveDevicesTest, PauseDropsWhatWasCapturedWhilePaused) {
  SoundRecorder recorder(input, ui, folder.path());
  PausedBytes bytes;
  recorder.setObserver(&bytes);
  ASSERT_TRUE(recorder.setFormat(5));
  useDefaultUpdateRate(22050);
  const int bufferBytes = evenInputBufferBytes();
  ASSERT_TRUE(recorder.start(folder / "paused.wav", 3));
  runEventsFor(700);
  recorder.pause();
  QElapsedTimer pause;
  pause.start();
  runEventsFor(1000);
  recorder.resume();
  const double pausedSeconds = pause.elapsed() / 1000.0;
  runEventsFor(700);
  ASSERT_TRUE(recorder.stopTake());
  auto wav = readWav(folder / "paused.wav");
  ASSERT_EQ(wav.code, WavOk);
  // Exactly the buffers that came back unpaused are in the file...
  EXPECT_EQ(static_cast<long long>(wav.samples.size()) * 2, bytes.kept);
  EXPECT_EQ(recorder.bytesRecorded(), bytes.kept);
  // ...and what was dropped is what the pause lasted, within a buffer and the server's
  // delivery step.
  const double droppedBytes = double(bytes.paused);
  const double pauseBytes = pausedSeconds * 22050 * 2;
  std::printf("pause: %.3f s, dropped %.0f bytes (%.3f s), buffer %d bytes\n", pausedSeconds, droppedBytes,
              droppedBytes / 44100, bufferBytes);
  EXPECT_NEAR(droppedBytes, pauseBytes, bufferBytes + 0.1 * 44100);
}

TEST_F(WaveDevicesTest, StopRightAfterStartGivesAnEmptyOrTinyTake) {
  SoundRecorder recorder(input, ui, folder.path());
  useDefaultUpdateRate(11025);
  ASSERT_TRUE(recorder.start(folder / "quick.wav", 3));
  ASSERT_TRUE(recorder.stopTake());
  auto wav = readWav(folder / "quick.wav");
  ASSERT_EQ(wav.code, WavOk);
  EXPECT_LT(wav.samples.size(), 11025u / 10);
  EXPECT_TRUE(recorder.isDeviceClosed());
}

TEST_F(WaveDevicesTest, ResetInputMidTakeCarriesOnWithTheNewBufferSize) {
  SoundRecorder recorder(input, ui, folder.path());
  PausedBytes bytes;
  recorder.setObserver(&bytes);
  useDefaultUpdateRate(11025);
  ASSERT_TRUE(recorder.start(folder / "reset.wav", 3));
  runEventsFor(400);
  const int buffersBefore = bytes.buffers;
  setInputBufferBytes(600);
  recorder.resetInput();
  runEventsFor(600);
  ASSERT_TRUE(recorder.stopTake());
  EXPECT_GT(buffersBefore, 5);
  // 100 buffers come back from the reset; capture then goes on in 600-byte buffers.
  EXPECT_GT(bytes.buffers, buffersBefore + 100 + 5);
  auto wav = readWav(folder / "reset.wav");
  const double seconds = double(wav.samples.size()) / 11025;
  EXPECT_GT(seconds, 0.7);
  EXPECT_LT(seconds, 1.3);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(WaveDevicesTest, PlayWhilePausedResetsTheDeviceAtOnce) {
  // Silence: tests run side by side, and a tone here would disturb the loopback test.
  const std::vector<int16_t> tone(3 * 11025, 0);
  SoundPlayer player(output, ui);
  ASSERT_TRUE(player.open(WaveFormat::pcm(11025), nullptr));
  ASSERT_TRUE(player.playBlocks(tone.data(), static_cast<int64_t>(tone.size()),
                                {0, static_cast<int64_t>(tone.size()), 512, false, false, 600}));
  runEventsFor(300);
  player.pause();
  QElapsedTimer reopen;
  reopen.start();
  ASSERT_TRUE(player.open(WaveFormat::pcm(11025), nullptr));
  EXPECT_LT(reopen.elapsed(), 1000);
  EXPECT_FALSE(player.isPaused());
  ASSERT_TRUE(player.playSingle(tone.data(), 2000));
  ASSERT_TRUE(player.waitClosed());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(WaveDevicesTest, PausedPlaybackHoldsAndStopEndsIt) {
  // Silence: tests run side by side, and a tone here would disturb the loopback test.
  const std::vector<int16_t> tone(2 * 11025, 0);
  SoundPlayer player(output, ui);
  ASSERT_TRUE(player.open(WaveFormat::pcm(11025), nullptr));
  ASSERT_TRUE(player.playBlocks(tone.data(), static_cast<int64_t>(tone.size()),
                                {0, static_cast<int64_t>(tone.size()), 512, false, false, 600}));
  runEventsFor(300);
  player.pause();
  runEventsFor(100);
  const int completedAtPause = player.completedBlocks();
  runEventsFor(500);
  EXPECT_EQ(player.completedBlocks(), completedAtPause) << "blocks completed while paused";
  EXPECT_LT(player.completedBlocks(), player.blockCount());
  player.restart();
  runEventsFor(300);
  EXPECT_GT(player.completedBlocks(), completedAtPause);
  player.stop();
  QElapsedTimer stop;
  stop.start();
  ASSERT_TRUE(player.waitClosed());
  EXPECT_LT(stop.elapsed(), 1000);
  EXPECT_FALSE(player.isOpen());
}

TEST_F(WaveDevicesTest, EnginesDestroyedMidTakeAndPlaybackStopTheirDevices) {
  // The program can end in the middle of both; Qt runs events while its streams stop, and
  // nothing may reach an engine that is going away.
  const auto tone = sineWave(440, 0.5, 44100, 3.0);
  for (int round = 0; round < 3; ++round) {
    {
      SoundRecorder recorder(input, ui, folder.path());
      ASSERT_TRUE(recorder.start(folder / "cut.wav", 3));
      SoundPlayer player(output, ui);
      ASSERT_TRUE(player.open(WaveFormat::pcm(44100), nullptr));
      ASSERT_TRUE(player.playBlocks(tone.data(), static_cast<int64_t>(tone.size()),
                                    {0, static_cast<int64_t>(tone.size()), 900, false, false, 600}));
      runEventsFor(300 + 100 * round);
    }
    EXPECT_FALSE(input.isOpen());
    EXPECT_FALSE(output.isOpen());
    runEventsFor(50);
  }
  EXPECT_TRUE(ui.shown.empty());
}

// Without a sound server the devices fail with their messages at once (never hang). Run in a
// child process whose PULSE_SERVER points nowhere.
TEST(WaveDevicesWithoutServer, DISABLED_ChildFailsToOpen) {
  TempFolder folder;
  ScriptedInteraction ui;
  QtWaveIn input;
  QtWaveOut output;
  SoundRecorder recorder(input, ui, folder.path());
  EXPECT_FALSE(recorder.start(folder / "x.wav", 3));
  SoundPlayer player(output, ui);
  EXPECT_FALSE(player.open(WaveFormat::pcm(11025), nullptr));
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].id, 0);  // the device's own text
  EXPECT_FALSE(ui.shown[0].text.empty());
  EXPECT_EQ(ui.shown[1].id, 57705);
  EXPECT_FALSE(std::filesystem::exists(folder / "x.wav"));
}

TEST(WaveDevicesWithoutServer, OpeningFailsWithTheDocumentedMessages) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("PULSE_SERVER", "unix:/nonexistent/velmora-no-server");
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_also_run_disabled_tests", "--gtest_filter=WaveDevicesWithoutServer.DISABLED_ChildFailsToOpen"});
  ASSERT_TRUE(child.waitForStarted(10000));
  const bool finished = child.waitForFinished(30000);
  if (!finished) child.kill();
  ASSERT_TRUE(finished) << "opening the devices without a server hung";
  const QByteArray out = child.readAllStandardOutput();
  EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
  EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

}  // namespace
}  // namespace velmora::testing
