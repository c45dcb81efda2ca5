// The recorder's failure paths: each shows its message and leaves no device open and no
// take half stored.
#include <signal.h>
#include <sys/resource.h>

#include "recorder_test_support.h"

namespace velmora::testing {
namespace {

constexpr int kSamplesPerBuffer = RecorderFixture::kBufferBytes / 2;

// Lowers the process's file-size limit for its lifetime (writes beyond it fail with EFBIG).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  sighandler_t previousHandler_ = nullptr;
};

TEST_F(RecorderFixture, DeviceThatCannotOpenShowsTheSystemTextAndStartsNothing) {
  device.failNext("open", WaveResult::Allocated);
  EXPECT_FALSE(startTake());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].id, 0);
  EXPECT_EQ(ui.shown[0].text, waveResultText(WaveResult::Allocated));
  EXPECT_TRUE(recorder.isDeviceClosed());
  EXPECT_TRUE(recorder.isStopRequested());
  EXPECT_FALSE(std::filesystem::exists(folder / kRecordingLogFile));
  EXPECT_EQ(device.countOf("prepare"), 0);
}

TEST_F(RecorderFixture, FailedPrepareAtStartClosesTheDevice) {
  // Four prepares pass, the fifth fails.
  for (int i = 0; i < 4; ++i) device.failNext("prepare", WaveResult::Ok);
  device.failNext("prepare", WaveResult::NoMemory);
  // multimap keeps insertion order for equal keys: four Ok, then NoMemory.
  EXPECT_FALSE(startTake());
  EXPECT_EQ(device.countOf("prepare"), 5);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{0, 57697}));
  EXPECT_EQ(ui.shown[0].text, waveResultText(WaveResult::NoMemory));
  EXPECT_FALSE(device.isOpen());
  EXPECT_EQ(recorder.buffersInUse(), 0);
  EXPECT_EQ(device.countOf("add"), 0);
}

TEST_F(RecorderFixture, DeviceThatCannotStartGives57698AndHandsEveryBufferBack) {
  device.failNext("start", WaveResult::HandleBusy);
  EXPECT_FALSE(startTake());
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57698}));
  device.deliver();
  EXPECT_FALSE(device.isOpen());
  EXPECT_EQ(recorder.buffersInUse(), 0);
  EXPECT_FALSE(std::filesystem::exists(target()));
  // The next start works normally.
  ASSERT_TRUE(startTake());
  device.fill(1);
  EXPECT_TRUE(recorder.stopTake());
  EXPECT_EQ(readWav(target()).samples.size(), static_cast<size_t>(kSamplesPerBuffer));
}

TEST_F(RecorderFixture, OtherStartResultsCountAsStarted) {
  device.failNext("start", WaveResult::Error);
  EXPECT_TRUE(startTake());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RecorderFixture, ReplacementThatCannotBePreparedShows57697AndLeavesTheSlotFree) {
  startAndOpen();
  device.fill(1);
  device.failNext("prepare", WaveResult::NoMemory);
  device.deliver();
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57697}));
  EXPECT_EQ(device.queued(), 99u);
  EXPECT_EQ(recorder.buffersInUse(), 99);
  device.fill(1);
  device.deliver();
  EXPECT_EQ(device.queued(), 99u);  // later returns are replaced again
}

TEST_F(RecorderFixture, UnprepareFailureShows57701AndKeepsTheBuffer) {
  startAndOpen();
  device.fill(1);
  device.failNext("unprepare", WaveResult::Error);
  device.deliver();
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57701}));
  EXPECT_EQ(recorder.bytesRecorded(), 0);
}

TEST_F(RecorderFixture, ResetAndCloseFailuresShowTheirCodes) {
  startAndOpen();
  device.failNext("reset", WaveResult::Error);
  recorder.resetInput();
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57703}));
  device.failNext("close", WaveResult::Error);
  recorder.requestStop();
  device.deliver();
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57703, 57704}));
  EXPECT_TRUE(device.isOpen());  // the handle is kept
  EXPECT_FALSE(recorder.isDeviceClosed());
}

TEST_F(RecorderFixture, FailedWriteToTheTemporaryFileStopsTheTakeAndKeepsWhatWasWritten) {
  startAndOpen();
  device.fill(3);
  device.deliver();
  {
    FileSizeLimit full(3 * kBufferBytes);
    device.fill(1);
    device.deliverOne();  // this buffer's write fails
  }
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57702}));
  EXPECT_TRUE(recorder.isStopRequested());
  device.deliver();  // the reset hands the rest back; the take ends by itself
  EXPECT_TRUE(recorder.isDeviceClosed());
  EXPECT_EQ(observer.closed, 1);
  EXPECT_TRUE(recorder.wavWritten());
  EXPECT_TRUE(recorder.stopTake());  // the view's stop after the fact returns at once
  EXPECT_EQ(readWav(target()).samples, (std::vector<int16_t>(counterRun(0, 3 * kSamplesPerBuffer))));
}

TEST_F(RecorderFixture, FailedWriteWhilePausedAndDryStillEndsTheTake) {
  startAndOpen();
  device.fill(2);
  device.deliver();
  recorder.pause();
  device.fill(99);
  device.deliver();
  ASSERT_EQ(device.queued(), 1u);
  recorder.resume();
  {
    FileSizeLimit full(2 * kBufferBytes);
    device.fill(1);
    device.deliverOne();
  }
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57702}));
  device.deliver();
  EXPECT_TRUE(recorder.isDeviceClosed());
  EXPECT_FALSE(device.stalled);
  EXPECT_EQ(readWav(target()).samples.size(), 2u * kSamplesPerBuffer);
}

TEST_F(RecorderFixture, MissingWorkingFolderRefusesTheTakeBeforeOpeningTheDevice) {
  SoundRecorder elsewhere(device, ui, folder / "missing");
  EXPECT_FALSE(elsewhere.start(target(), 3));
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57702}));
  EXPECT_EQ(device.countOf("open"), 0);
}

TEST_F(RecorderFixture, WavThatCannotBeCreatedShows210AndKeepsTheTemporaryFile) {
  const auto badTarget = folder / "no such folder" / "take.wav";
  ASSERT_TRUE(recorder.start(badTarget, 3));
  device.fill(2);
  EXPECT_FALSE(recorder.stopTake());
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{210}));
  EXPECT_NE(ui.shown[0].text.find(badTarget.string()), std::string::npos);
  EXPECT_TRUE(recorder.isDeviceClosed());
  EXPECT_EQ(std::filesystem::file_size(recorder.tempFilePath()), 2u * kBufferBytes);
}

TEST_F(RecorderFixture, RecorderDestroyedMidTakeStopsTheDeviceAndHearsNothingMore) {
  {
    SoundRecorder shortLived(device, ui, folder.path());
    ASSERT_TRUE(shortLived.start(target(), 3));
    device.fill(2);
  }
  EXPECT_FALSE(device.isOpen());
  EXPECT_EQ(device.pendingNotifications(), 0u);
}

}  // namespace
}  // namespace velmora::testing
