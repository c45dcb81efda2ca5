// The player over a scripted output: opening, block playback with its queue-ahead, stop,
// pause, single blocks and the failure messages.
#include <gtest/gtest.h>

#include <numeric>

#include "audio/sound_player.h"
#include "fakes/fake_wave_devices.h"
#include "fakes/scripted_interaction.h"

namespace velmora::testing {
namespace {

class PlaybackObserver : public PlayerObserver {
 public:
  std::vector<PlayedBlock> blocks;
  int opened = 0;
  int closed = 0;
  void playbackOpened() override { ++opened; }
  void blockPlayed(const PlayedBlock& b) override { blocks.push_back(b); }
  void playbackClosed() override { ++closed; }
};

class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    samples.resize(200000);
    std::iota(samples.begin(), samples.end(), int16_t{0});
  }
  bool openPlayer() { return player.open(WaveFormat::pcm(11025), &observer); }
  BlockPlayRequest wholeFile(int64_t length) const { return {0, length, 1024, false, false, 600}; }
  const char* byteAt(int64_t sample) const { return reinterpret_cast<const char*>(samples.data() + sample); }

  std::vector<int16_t> samples;
  ScriptedInteraction ui;
  FakeWaveOut device;
  SoundPlayer player{device, ui};
  PlaybackObserver observer;
};

TEST_F(PlayerTest, OpenAsksWhetherTheFormatPlaysThenOpens) {
  ASSERT_TRUE(openPlayer());
  EXPECT_EQ(device.calls, (std::vector<std::string>{"query", "open"}));
  EXPECT_TRUE(player.isOpen());
  device.deliver();
  EXPECT_EQ(observer.opened, 1);
}

TEST_F(PlayerTest, UnsupportedFormatOrBusyDeviceGives57705) {
  device.failNext("query", WaveResult::BadFormat);
  EXPECT_FALSE(openPlayer());
  EXPECT_EQ(device.countOf("open"), 0);
  device.failNext("open", WaveResult::Allocated);
  EXPECT_FALSE(openPlayer());
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57705, 57705}));
  EXPECT_FALSE(player.isOpen());
}

TEST_F(PlayerTest, LongFileQueuesAHundredAheadAndOneMorePerCompletedBlock) {
  const int64_t length = 1500 + 500 * 1024;
  samples.resize(static_cast<size_t>(length));
  ASSERT_TRUE(openPlayer());
  ASSERT_TRUE(player.playBlocks(samples.data(), length, wholeFile(length)));
  EXPECT_EQ(player.blockCount(), 500);
  EXPECT_EQ(device.queued(), 100u);
  EXPECT_EQ(device.writtenBytes.front(), 3000u);  // the lead block goes first
  device.complete(1);
  device.deliver();
  EXPECT_EQ(player.queuedBlocks(), 101);
  EXPECT_EQ(device.queued(), 100u);
  device.playToEnd();
  EXPECT_FALSE(player.isOpen());
  EXPECT_EQ(observer.closed, 1);
  EXPECT_EQ(player.completedBlocks(), 500);
  // The written blocks tile the whole file, each starting where the last one ended.
  ASSERT_EQ(device.writtenData.size(), 500u);
  int64_t nextByte = 0;
  for (size_t i = 0; i < device.writtenData.size(); ++i) {
    EXPECT_EQ(device.writtenData[i], byteAt(0) + nextByte) << i;
    nextByte += device.writtenBytes[i];
  }
  EXPECT_EQ(nextByte, 2 * length);
  EXPECT_EQ(observer.blocks.back().playPositionSamples, length);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(PlayerTest, ShortFilePlaysAsOneBlockAndCloses) {
  ASSERT_TRUE(openPlayer());
  ASSERT_TRUE(player.playBlocks(samples.data(), 1000, wholeFile(1000)));
  ASSERT_EQ(device.writtenBytes, (std::vector<uint32_t>{2000}));
  device.playToEnd();
  EXPECT_FALSE(player.isOpen());
  ASSERT_EQ(observer.blocks.size(), 1u);
  EXPECT_EQ(observer.blocks[0].blockCount, 1);
}

TEST_F(PlayerTest, ZoomedRangeQueuesEveryBlockAtOnceFromItsStart) {
  ASSERT_TRUE(openPlayer());
  BlockPlayRequest zoomed{5000, 60000, 1024, true, true, 600};
  ASSERT_TRUE(player.playBlocks(samples.data(), static_cast<int64_t>(samples.size()), zoomed));
  EXPECT_EQ(device.queued(), static_cast<size_t>(player.blockCount()));
  EXPECT_EQ(device.writtenData.front(), byteAt(5000));
  device.playToEnd();
  EXPECT_EQ(observer.blocks.back().playPositionSamples, 65000);
  const auto total = std::accumulate(device.writtenBytes.begin(), device.writtenBytes.end(), int64_t{0});
  EXPECT_EQ(total, 2 * 60000);
}

TEST_F(PlayerTest, RangeBeyondTheRecordingIsCutAtItsEnd) {
  ASSERT_TRUE(openPlayer());
  ASSERT_TRUE(player.playBlocks(samples.data(), 10000, {8000, 50000, 1024, true, true, 600}));
  const auto total = std::accumulate(device.writtenBytes.begin(), device.writtenBytes.end(), int64_t{0});
  EXPECT_EQ(total, 2 * 2000);
}

TEST_F(PlayerTest, NegativeLengthGives57671AndPlaysNothing) {
  ASSERT_TRUE(openPlayer());
  EXPECT_FALSE(player.playBlocks(samples.data(), 1000, {0, -5, 1024, false, false, 600}));
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57671}));
  EXPECT_TRUE(device.writtenBytes.empty());
}

TEST_F(PlayerTest, StopReturnsEveryQueuedBlockQueuesNothingMoreAndCloses) {
  const int64_t length = 1500 + 500 * 1024;
  samples.resize(static_cast<size_t>(length));
  ASSERT_TRUE(openPlayer());
  ASSERT_TRUE(player.playBlocks(samples.data(), length, wholeFile(length)));
  device.complete(3);
  device.deliver();
  player.stop();
  EXPECT_TRUE(player.isStopping());
  EXPECT_TRUE(player.isUserStopped());
  EXPECT_TRUE(player.waitClosed());
  EXPECT_FALSE(device.stalled);
  EXPECT_FALSE(player.isStopping());
  EXPECT_FALSE(player.isOpen());
  EXPECT_EQ(device.writtenBytes.size(), 103u);
  EXPECT_EQ(player.completedBlocks(), 103);
  EXPECT_TRUE(observer.blocks.back().stopping);
}

TEST_F(PlayerTest, PauseHoldsRestartResumesAndPlayWhilePausedResets) {
  ASSERT_TRUE(openPlayer());
  ASSERT_TRUE(player.playBlocks(samples.data(), 20000, wholeFile(20000)));
  player.pause();
  EXPECT_TRUE(player.isPaused());
  EXPECT_EQ(device.complete(1), 0);
  player.restart();
  EXPECT_FALSE(player.isPaused());
  EXPECT_EQ(device.complete(1), 1);
  player.pause();
  // Play again while paused: the paused device is reset, drains, closes and opens anew.
  ASSERT_TRUE(openPlayer());
  EXPECT_FALSE(device.stalled);
  EXPECT_EQ(observer.closed, 1);
  EXPECT_EQ(device.countOf("open"), 2);
  EXPECT_FALSE(player.isPaused());
  EXPECT_FALSE(player.isStopping());
}

TEST_F(PlayerTest, SelectionPlaysAsOneBlockWithoutCursorMoves) {
  ASSERT_TRUE(openPlayer());
  ASSERT_TRUE(player.playSingle(samples.data() + 300, 4000));
  ASSERT_EQ(device.writtenBytes, (std::vector<uint32_t>{4000}));
  EXPECT_EQ(device.writtenData[0], byteAt(300));
  device.playToEnd();
  ASSERT_EQ(observer.blocks.size(), 1u);
  EXPECT_TRUE(observer.blocks[0].single);
  EXPECT_FALSE(player.isOpen());
  // The next selection plays through a fresh open.
  ASSERT_TRUE(openPlayer());
  ASSERT_TRUE(player.playSingle(samples.data(), 10));
  device.playToEnd();
  EXPECT_EQ(observer.closed, 2);
  EXPECT_FALSE(player.isOpen());
}

TEST_F(PlayerTest, SelectionFailuresShowTheirTextsAndCloseTheDevice) {
  ASSERT_TRUE(openPlayer());
  device.failNext("prepare", WaveResult::NoMemory);
  EXPECT_FALSE(player.playSingle(samples.data(), 100));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, waveResultText(WaveResult::NoMemory));
  device.deliver();
  EXPECT_FALSE(player.isOpen());

  ASSERT_TRUE(openPlayer());
  device.failNext("write", WaveResult::Error);
  EXPECT_FALSE(player.playSingle(samples.data(), 100));
  EXPECT_EQ(ui.shownIds().back(), 57669);
  device.deliver();
  EXPECT_FALSE(player.isOpen());
}

TEST_F(PlayerTest, InitialBlockFailuresGive57672Or57669AndEndThePlayback) {
  ASSERT_TRUE(openPlayer());
  for (int i = 0; i < 3; ++i) device.failNext("prepare", WaveResult::Ok);
  device.failNext("prepare", WaveResult::NoMemory);
  EXPECT_FALSE(player.playBlocks(samples.data(), 100000, wholeFile(100000)));
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57672}));
  EXPECT_TRUE(player.waitClosed());
  EXPECT_FALSE(player.isOpen());

  ASSERT_TRUE(openPlayer());
  device.failNext("write", WaveResult::Error);
  EXPECT_FALSE(player.playBlocks(samples.data(), 100000, wholeFile(100000)));
  EXPECT_EQ(ui.shownIds().back(), 57669);
  EXPECT_TRUE(player.waitClosed());
}

TEST_F(PlayerTest, LaterBlockFailureGives57670AndThePlaybackStillEnds) {
  const int64_t length = 1500 + 300 * 1024;
  samples.resize(static_cast<size_t>(length));
  ASSERT_TRUE(openPlayer());
  ASSERT_TRUE(player.playBlocks(samples.data(), length, wholeFile(length)));
  device.failNext("prepare", WaveResult::NoMemory);
  device.complete(1);
  device.deliver();
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57670}));
  EXPECT_TRUE(player.waitClosed());
  EXPECT_FALSE(device.stalled);
}

TEST_F(PlayerTest, PausedTakePlaybackKeepsItsPositionAndRestoresTheVolume) {
  ASSERT_TRUE(openPlayer());
  player.setSavedVolume(0.5);
  ASSERT_TRUE(player.playBlocks(samples.data(), 5000, wholeFile(5000), /*pausedTake=*/true));
  device.playToEnd();
  EXPECT_EQ(player.playPositionSamples(), 0);
  EXPECT_DOUBLE_EQ(device.volume, 0.5);
}

TEST_F(PlayerTest, PlayerDestroyedMidPlaybackStopsTheDeviceAndHearsNothingMore) {
  {
    SoundPlayer shortLived(device, ui);
    ASSERT_TRUE(shortLived.open(WaveFormat::pcm(11025), &observer));
    ASSERT_TRUE(shortLived.playBlocks(samples.data(), 50000, wholeFile(50000)));
  }
  EXPECT_FALSE(device.isOpen());
  EXPECT_EQ(device.pendingNotifications(), 0u);
}

}  // namespace
}  // namespace velmora::testing
