#pragma once
// The frame and its real view over the scripted wave devices, with a client "Ann" (code 1)
// open in a fresh working folder: what the recording and playback tests start from.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "audio/input_buffer_bytes.h"
#include "audio/sound_player.h"
#include "audio/sound_recorder.h"
#include "audio/wav_writer.h"
#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "core/message_ids.h"
#include "fakes/fake_wave_devices.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"

namespace velmora::testing {

// 11025 Hz at the bar's default "Update Rate" entry (2.5): 459 bytes, allocated even.
constexpr int kBufferBytes = 458;
constexpr int kBufferSamples = kBufferBytes / 2;

class ViewAudioFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(folder / "pac001");
    settings.programFolder = folder.path();
    recorder.setFormat(3);
    window = std::make_unique<MainWindow>(settings, ui);
    window->resize(1024, 740);
    wireAudio(*window, recorder, player);
    ASSERT_TRUE(window->openClient(1, "Ann", 0));
  }
  void TearDown() override {
    window.reset();
    setInputBufferBytes(kStartInputBufferBytes);
  }
  AnalysisView* view() const { return window->view(); }
  TransportButtons* bar() const { return view()->spectrogramBar()->transport(); }
  // Starts a take with the Record command and lets `buffers` buffers come back full.
  void recordBuffers(int buffers) {
    window->runCommand(cmd::Record);
    ASSERT_TRUE(view()->isRecording());
    in.deliver();
    ASSERT_EQ(in.fill(buffers), buffers);
    in.deliver();
  }
  void stopWithAnswer(bool keep) {
    ui.yesNoAnswers = {keep};
    window->runCommand(cmd::Record);
    ASSERT_FALSE(view()->isRecording());
  }
  std::filesystem::path clientFile(const std::string& name) const { return folder / "pac001" / name; }
  void writeRecording(const std::filesystem::path& path, int samples) {
    std::vector<int16_t> v(static_cast<size_t>(samples));
    for (int i = 0; i < samples; ++i) v[static_cast<size_t>(i)] = static_cast<int16_t>((i % 200) * 100 - 10000);
    ASSERT_TRUE(writeWavFile(path, WaveFormat::pcm(11025), v.data(), v.size() * 2));
  }

  TempFolder folder;
  AppSettings settings;
  ScriptedInteraction ui;
  FakeWaveIn in;
  FakeWaveOut out;
  SoundRecorder recorder{in, ui, folder.path()};
  SoundPlayer player{out, ui};
  std::unique_ptr<MainWindow> window;
};

}  // namespace velmora::testing
