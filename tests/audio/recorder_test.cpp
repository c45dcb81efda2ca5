// The recorder over a scripted input: slot bookkeeping, pause, stop and the take's WAV.
#include "recorder_test_support.h"

#include "audio/record_format.h"

namespace velmora::testing {
namespace {

constexpr int kSamplesPerBuffer = RecorderFixture::kBufferBytes / 2;

TEST(RecordFormat, CodesPickRateAndSampleSize) {
  struct Case {
    int code;
    uint32_t rate;
    uint16_t bits;
  } cases[] = {{0, 8000, 8}, {1, 8000, 16}, {3, 11025, 16}, {4, 22050, 8}, {5, 22050, 16}, {7, 44100, 16}, {9, 50000, 16}};
  for (const auto& c : cases) {
    auto f = recordFormat(c.code);
    ASSERT_TRUE(f) << c.code;
    EXPECT_EQ(f->samplesPerSecond, c.rate) << c.code;
    EXPECT_EQ(f->bitsPerSample, c.bits) << c.code;
    EXPECT_EQ(f->channels, 1);
    EXPECT_EQ(f->blockAlign, c.bits / 8);
    EXPECT_EQ(f->averageBytesPerSecond, c.rate * (c.bits / 8u));
  }
  EXPECT_FALSE(recordFormat(-1));
  EXPECT_FALSE(recordFormat(10));
  EXPECT_EQ(recordFormatCodeForRate(44100), 7);
  EXPECT_FALSE(recordFormatCodeForRate(48000));
}

TEST(InputBufferBytes, StartsAt2048AndAllocatesEvenSizes) {
  EXPECT_EQ(inputBufferBytes(), 2048);
  setInputBufferBytes(459);
  EXPECT_EQ(evenInputBufferBytes(), 458);
  setInputBufferBytes(1);
  EXPECT_EQ(evenInputBufferBytes(), 2);
  setInputBufferBytes(kStartInputBufferBytes);
  // The "Update Rate" rule at the default factor 2.5.
  EXPECT_EQ(updateRateBufferBytes(11025, 2.5), 459);
  EXPECT_EQ(updateRateBufferBytes(44100, 2.5), 1837);
}

TEST_F(RecorderFixture, StartQueuesAHundredEvenBuffersInSlotOrderAndStarts) {
  EXPECT_TRUE(recorder.isDeviceClosed());
  EXPECT_EQ(recorder.sampleRateHz(), 11025);  // every run starts at code 3
  ASSERT_TRUE(startTake());
  EXPECT_FALSE(recorder.isDeviceClosed());
  EXPECT_EQ(device.openedFormat, WaveFormat::pcm(11025));
  ASSERT_EQ(device.queued(), 100u);
  for (auto* h : device.queue()) EXPECT_EQ(h->bufferBytes, 458u);
  EXPECT_TRUE(device.started);
  EXPECT_EQ(device.countOf("prepare"), 100);
  EXPECT_EQ(recorder.buffersInUse(), 100);
  EXPECT_EQ(recordingLog(), (std::vector<int32_t>{0, kUpdateRateIndex}));
  EXPECT_TRUE(std::filesystem::exists(recorder.tempFilePath()));
  device.deliver();
  EXPECT_EQ(observer.opened, 1);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RecorderFixture, EveryReturnedBufferIsStoredFreedAndReplaced) {
  startAndOpen();
  ASSERT_EQ(device.fill(250), 100);  // the fake fills only what is queued...
  device.deliver();                  // ...and the replacements arrive on delivery
  ASSERT_EQ(device.fill(150), 100);
  device.deliver();
  ASSERT_EQ(device.fill(50), 50);
  device.deliver();
  EXPECT_EQ(device.queued(), 100u);
  EXPECT_EQ(recorder.buffersInUse(), 100);
  EXPECT_EQ(device.countOf("unprepare"), 250);
  EXPECT_EQ(recorder.bytesRecorded(), 250LL * kBufferBytes);
  EXPECT_EQ(std::filesystem::file_size(recorder.tempFilePath()), 250u * kBufferBytes);
  ASSERT_EQ(observer.buffers.size(), 250u);
  EXPECT_EQ(observer.buffers[0].sampleCount, static_cast<size_t>(kSamplesPerBuffer));
  EXPECT_FALSE(observer.buffers[0].paused);
}

TEST_F(RecorderFixture, StopWritesTheWholeTakeAndClosesTheDevice) {
  startAndOpen();
  device.fill(7);
  device.deliver();
  device.fillPartly(100);  // half a buffer when the stop comes
  EXPECT_TRUE(recorder.stopTake());
  EXPECT_FALSE(device.stalled);
  EXPECT_TRUE(recorder.isDeviceClosed());
  EXPECT_FALSE(device.isOpen());
  EXPECT_EQ(recorder.buffersInUse(), 0);
  EXPECT_EQ(observer.closed, 1);
  auto wav = readWav(target());
  ASSERT_EQ(wav.code, WavOk);
  EXPECT_EQ(wav.format, WaveFormat::pcm(11025));
  EXPECT_EQ(wav.samples, counterRun(0, 7 * kSamplesPerBuffer + 50));
  EXPECT_EQ(recordingLog(), (std::vector<int32_t>{1, kUpdateRateIndex}));
  EXPECT_FALSE(std::filesystem::exists(recorder.tempFilePath()));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RecorderFixture, BuffersOnTheirWayWhenTheStopComesAreKept) {
  startAndOpen();
  device.fill(3);  // returned by the device, not yet handled
  EXPECT_TRUE(recorder.stopTake());
  auto wav = readWav(target());
  EXPECT_EQ(wav.samples.size(), 3u * kSamplesPerBuffer);
}

TEST_F(RecorderFixture, StopRightAfterStartGivesAnEmptyDataChunk) {
  ASSERT_TRUE(startTake());
  EXPECT_TRUE(recorder.stopTake());
  auto wav = readWav(target());
  ASSERT_EQ(wav.code, WavOk);
  EXPECT_TRUE(wav.samples.empty());
  EXPECT_EQ(std::filesystem::file_size(target()), 46u);
}

TEST_F(RecorderFixture, PausedCaptureIsNeitherCountedNorWrittenAndResumeQueuesTen) {
  startAndOpen();
  device.fill(5);
  device.deliver();
  recorder.pause();
  // The device keeps filling its queue while paused; all of it is dropped and nothing is
  // queued again, so the device runs dry.
  EXPECT_EQ(device.fill(100), 100);
  device.deliver();
  EXPECT_EQ(device.queued(), 0u);
  EXPECT_EQ(recorder.buffersInUse(), 0);
  EXPECT_EQ(recorder.bytesRecorded(), 5LL * kBufferBytes);
  EXPECT_TRUE(observer.buffers.back().paused);
  device.captureDropped(1000);
  const int16_t resumedAt = device.nextSample();
  recorder.resume();
  EXPECT_EQ(device.queued(), 10u);
  device.fill(10);
  device.deliver();
  EXPECT_EQ(device.queued(), 10u);  // each return replaced one for one
  EXPECT_TRUE(recorder.stopTake());
  auto wav = readWav(target());
  auto expected = counterRun(0, 5 * kSamplesPerBuffer);
  auto after = counterRun(resumedAt, 10 * kSamplesPerBuffer);
  expected.insert(expected.end(), after.begin(), after.end());
  EXPECT_EQ(wav.samples, expected);
}

TEST_F(RecorderFixture, StopWhilePausedQueuesOneBufferSoTheResetEndsTheTake) {
  startAndOpen();
  device.fill(2);
  device.deliver();
  recorder.pause();
  device.fill(100);
  device.deliver();
  ASSERT_EQ(device.queued(), 0u);
  const int addsBefore = device.countOf("add");
  EXPECT_TRUE(recorder.stopTake());
  EXPECT_EQ(device.countOf("add"), addsBefore + 1);
  EXPECT_FALSE(device.stalled);
  EXPECT_TRUE(recorder.isDeviceClosed());
  EXPECT_EQ(readWav(target()).samples, counterRun(0, 2 * kSamplesPerBuffer));
}

TEST_F(RecorderFixture, NewBufferSizeTakesEffectAtTheNextAllocation) {
  startAndOpen();
  device.fill(3);
  setInputBufferBytes(600);
  device.deliver();
  ASSERT_EQ(device.queued(), 100u);
  EXPECT_EQ(device.queue().front()->bufferBytes, 458u);
  EXPECT_EQ(device.queue().back()->bufferBytes, 600u);
  EXPECT_EQ(device.queue()[96]->bufferBytes, 458u);
  EXPECT_EQ(device.queue()[97]->bufferBytes, 600u);
}

TEST_F(RecorderFixture, ResetInputRestartsCaptureWithBuffersOfTheNewSize) {
  startAndOpen();
  device.fill(2);
  device.deliver();
  device.fillPartly(100);
  setInputBufferBytes(300);
  const int startsBefore = device.countOf("start");
  recorder.resetInput();
  EXPECT_FALSE(device.started);
  device.deliver();
  EXPECT_TRUE(device.started);
  EXPECT_GT(device.countOf("start"), startsBefore);
  ASSERT_EQ(device.queued(), 100u);
  for (auto* h : device.queue()) EXPECT_EQ(h->bufferBytes, 300u);
  EXPECT_EQ(recorder.bytesRecorded(), 2LL * kBufferBytes + 100);
  device.fill(1);
  device.deliver();
  EXPECT_TRUE(recorder.stopTake());
  EXPECT_EQ(readWav(target()).samples, counterRun(0, 2 * kSamplesPerBuffer + 50 + 150));
}

TEST_F(RecorderFixture, ATakeAt44100HzHasTheRightHeader) {
  ASSERT_TRUE(recorder.setFormat(7));
  EXPECT_FALSE(recorder.setFormat(12));
  EXPECT_EQ(recorder.sampleRateHz(), 44100);
  startAndOpen();
  device.fill(1);
  device.deliver();
  ASSERT_TRUE(recorder.stopTake());
  auto wav = readWav(target());
  EXPECT_EQ(wav.format.samplesPerSecond, 44100u);
  EXPECT_EQ(wav.format.averageBytesPerSecond, 88200u);
  EXPECT_EQ(wav.format.blockAlign, 2);
}

TEST_F(RecorderFixture, StartDuringATakeIsRefusedAndTheTakeRunsOn) {
  startAndOpen();
  device.fill(2);
  device.deliver();
  EXPECT_FALSE(recorder.start(folder / "other.wav", kUpdateRateIndex));
  EXPECT_FALSE(recorder.isStopRequested());
  EXPECT_EQ(recorder.targetName(), target());
  device.fill(1);
  device.deliver();
  EXPECT_EQ(device.queued(), 100u);
  EXPECT_TRUE(recorder.stopTake());
  EXPECT_EQ(readWav(target()).samples.size(), 3u * kSamplesPerBuffer);
  EXPECT_FALSE(std::filesystem::exists(folder / "other.wav"));
}

TEST_F(RecorderFixture, ASecondTakeStartsFromNothing) {
  startAndOpen();
  device.fill(4);
  ASSERT_TRUE(recorder.stopTake());
  ASSERT_TRUE(startTake());
  EXPECT_EQ(recorder.bytesRecorded(), 0);
  EXPECT_FALSE(recorder.isStopRequested());
  device.fill(1);
  ASSERT_TRUE(recorder.stopTake());
  EXPECT_EQ(readWav(target()).samples.size(), static_cast<size_t>(kSamplesPerBuffer));
}

}  // namespace
}  // namespace velmora::testing
