#pragma once
// Shared set-up of the recorder tests: a recorder over the fake input in a fresh working
// folder, and readers for what a take leaves behind.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "audio/input_buffer_bytes.h"
#include "audio/sound_recorder.h"
#include "audio/wav_reader.h"
#include "core/config_files.h"
#include "fakes/fake_wave_devices.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora::testing {

class RecordingObserver : public RecorderObserver {
 public:
  int opened = 0;
  int closed = 0;
  std::vector<TakeBuffer> buffers;
  void takeOpened() override { ++opened; }
  void takeBufferReturned(const TakeBuffer& b) override { buffers.push_back(b); }
  void takeClosed() override { ++closed; }
};

class RecorderFixture : public ::testing::Test {
 public:
  static constexpr int kBufferBytes = 458;  // 11025 Hz at the default update rate, made even
  static constexpr int kUpdateRateIndex = 3;

 protected:

  void SetUp() override {
    setInputBufferBytes(459);
    recorder.setObserver(&observer);
  }
  void TearDown() override { setInputBufferBytes(kStartInputBufferBytes); }

  std::filesystem::path target() const { return folder / "take.wav"; }
  bool startTake() { return recorder.start(target(), kUpdateRateIndex); }
  // Starts, delivers the open notification.
  void startAndOpen() {
    ASSERT_TRUE(startTake());
    device.deliver();
  }
  // Samples value..value+count-1 as the fake's counter produces them.
  static std::vector<int16_t> counterRun(int first, int count) {
    std::vector<int16_t> v;
    for (int i = 0; i < count; ++i) v.push_back(static_cast<int16_t>(first + i));
    return v;
  }
  std::vector<int32_t> recordingLog() const {
    return readInt32File(folder / kRecordingLogFile, 2).value_or(std::vector<int32_t>{});
  }

  TempFolder folder;
  ScriptedInteraction ui;
  FakeWaveIn device;
  SoundRecorder recorder{device, ui, folder.path()};
  RecordingObserver observer;
};

}  // namespace velmora::testing
