#pragma once
// SoundRecorder: the one wave-input engine. A take streams from the input device through
// 100 rotating buffers into the temporary file "grav.tmp" of the working folder (memory does
// not grow with the take) and becomes a WAV file at the target when the device has drained
// after a stop.
//
// Calling sequence (UI thread only):
//   SoundRecorder recorder(device, ui, workingFolder);   setFormat(code) (kStartRecordFormatCode at program start)
//   (the view first stops any playback: player.reset(); player.waitClosed(); sets
//    inputBufferBytes from the "Update Rate" entry and chooses the target name)
//   start(target, updateRateIndex)  opens the device, queues 100 buffers of
//                                   evenInputBufferBytes(), starts capture, writes vl1.log (0);
//                                   false (message shown) when the take could not start, or
//                                   while another take runs
//   pause() / resume()              a paused take drops what it captures; resume queues 10
//                                   fresh buffers
//   resetInput()                    after inputBufferBytes changed mid-take (the Audio menu's
//                                   buffer sizes): capture restarts with buffers of the new size
//   stopTake()                      queues one buffer when paused, requests the stop and runs the
//                                   event loop until the device has closed; true when the WAV
//                                   was written (else msg::WavNotWritten was shown). Then the view
//                                   asks whether to keep it, writes the .ddt and loads it.
// Stages of every returned buffer (waveInData): the observer sees it (live display), then it
// is unprepared, appended to grav.tmp unless paused, freed, and replaced by a fresh buffer
// (or, once a stop was requested and every buffer is back, the WAV is written and the device
// closed). waveInClosed writes vl1.log (1) and tells the observer.
//
// The view forwards nothing: the device notifies the recorder directly, and the recorder
// tells its observer. If takeClosed() arrives while the view still shows a take (the take
// stopped itself after a failed write to grav.tmp), the view runs its stop steps as for a
// user stop; stopTake() then returns at once with the outcome.
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "audio/temp_sample_file.h"
#include "audio/wave_format.h"
#include "audio/wave_in_device.h"
#include "core/interaction.h"

namespace velmora {

struct TakeBuffer {
  const int16_t* samples = nullptr;  // 16-bit takes; the raw bytes are in `bytes`
  size_t sampleCount = 0;
  const char* bytes = nullptr;
  size_t byteCount = 0;
  bool paused = false;    // captured while the take is paused: not stored
  bool stopping = false;  // returned after the stop request
};

// What the view hears of a take. Default bodies do nothing.
class RecorderObserver {
 public:
  virtual ~RecorderObserver() = default;
  virtual void takeOpened() {}                          // clear the live F0 readout counter
  virtual void takeBufferReturned(const TakeBuffer&) {}  // advance the live position, draw
  virtual void takeClosed() {}                          // the device has closed
};

class SoundRecorder : public WaveInListener {
 public:
  static constexpr int kSlots = 100;
  static constexpr int kResumeBuffers = 10;
  static constexpr const char* kTempFileName = "grav.tmp";

  SoundRecorder(WaveInDevice& device, Interaction& ui, std::filesystem::path workingFolder);
  ~SoundRecorder() override;
  SoundRecorder(const SoundRecorder&) = delete;
  SoundRecorder& operator=(const SoundRecorder&) = delete;

  void setObserver(RecorderObserver* observer) { observer_ = observer; }

  // Applies a record format code (0..9); false for any other code.
  bool setFormat(int code);
  const WaveFormat& format() const { return format_; }
  int sampleRateHz() const { return static_cast<int>(format_.samplesPerSecond); }

  // Starts a take that will become `target`. False (message shown, device closed) on failure.
  bool start(const std::filesystem::path& target, int updateRateIndex);
  void pause();
  void resume();
  bool stopTake();
  void requestStop();
  // Runs the event loop until the device reports closed; false when the program quits first.
  bool waitClosed();
  void resetInput();

  // Writes a WAV of this recorder's format; on failure shows msg::WavNotWritten with the name.
  bool writeWav(const std::filesystem::path& name, size_t byteCount, const void* samples);

  bool isDeviceClosed() const { return deviceClosed_; }
  bool isPaused() const { return paused_; }
  bool isStopRequested() const { return stopRequested_; }
  long long bytesRecorded() const { return bytesRecorded_; }
  bool wavWritten() const { return wavPending_ == -1 && wavOk_; }
  int buffersInUse() const;
  const std::filesystem::path& targetName() const { return targetName_; }
  std::chrono::steady_clock::time_point startTime() const { return startTime_; }
  std::filesystem::path tempFilePath() const { return workingFolder_ / kTempFileName; }

  // WaveInListener
  void waveInOpened() override;
  void waveInData(WaveHeader* header) override;
  void waveInClosed() override;

 private:
  enum class Allocation { Ok, NoMemory, PrepareFailed };
  bool openDevice();
  void failStart();
  bool prepareAll();
  int allocateOne();
  Allocation allocateSlot(int slot, WaveResult* prepareResult);
  bool queueSlot(int slot);
  void queueFreshBuffer();
  void freeSlot(int slot);
  int slotOf(const WaveHeader* header) const;
  void bufferDone(WaveHeader* header);
  void finishIfDrained();
  void storeTake();
  void closeDevice();
  void releaseAll();
  void showDeviceError(WaveResult result);

  WaveInDevice& device_;
  Interaction& ui_;
  std::filesystem::path workingFolder_;
  RecorderObserver* observer_ = nullptr;

  std::array<std::unique_ptr<WaveHeader>, kSlots> headers_;
  std::array<std::unique_ptr<char[]>, kSlots> buffers_;
  bool stopRequested_ = false;
  long long bytesRecorded_ = 0;
  bool deviceClosed_ = true;
  WaveFormat format_;
  int wavPending_ = 0;  // 1 while a take's WAV is owed, -1 once written (or attempted)
  bool wavOk_ = false;
  std::filesystem::path targetName_;
  std::chrono::steady_clock::time_point startTime_;
  TempSampleFile tempFile_;
  bool paused_ = false;
  int updateRateIndex_ = 3;
};

}  // namespace velmora
