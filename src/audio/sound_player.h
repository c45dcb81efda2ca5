#pragma once
// SoundPlayer: the one wave-output engine. Plays a marked selection as one block, or a range
// in blocks (see block_plan.h) that are slices of the recording's own samples: a lead block
// of 1500 samples, up to 100 blocks queued ahead, and one more queued as each completes.
// When every queued block is back the device is closed.
//
// Calling sequence (UI thread only):
//   open(format, observer)               format query, then open; msg::PlaybackNotOpened on failure
//   playSingle(samples, bytes)        or playBlocks(samples, sampleCount, request)
//   pause() / restart()                  hold and resume
//   stop() (user) or reset()             every queued block comes back, then the device closes
//   waitClosed()                         runs the event loop until the device has closed
// The samples must stay untouched until observer.playbackClosed().
//
// The view's Play command, with s = samples per pixel and (a, b) the selection's columns:
//   player open      -> stop(); waitClosed()   (also when paused)
//   marked, unzoomed -> open; playSingle(samples + start*s, |b-a|*s*2 bytes)
//   nothing marked   -> open; playBlocks(samples, count, {0, count, inputBufferBytes()/2,
//                                                        false, waveformMode, paneWidth})
//   zoomed, a != b   -> open; playBlocks(samples, count, {start*s, |b-a|*s,
//                                                        inputBufferBytes()/2, true, ...})
//   restart after an "Update Rate" change: startSample = playPositionSamples().
// The pause button: isPaused() ? restart() : pause(). A failed playBlocks/playSingle has
// already shown its message and ends the playback itself (the close still arrives).
// The observer hears every completed block (blockPlayed: the play position for the cursor
// and the live drawing) and the close. The view forwards nothing: the device notifies the
// player directly. A comparison pane passes its own observer, so its blocks go to it.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "audio/block_plan.h"
#include "audio/wave_format.h"
#include "audio/wave_out_device.h"
#include "core/interaction.h"

namespace velmora {

struct PlayedBlock {
  int64_t playPositionSamples = 0;  // from the start of the recording, after this block
  int64_t blockSamples = 0;
  const int16_t* samples = nullptr;  // the block just played
  int completedBlocks = 0;
  int blockCount = 0;
  bool stopping = false;             // returned by a reset: draw nothing but the cursor
  bool single = false;               // a marked selection played as one block: no cursor
};

class PlayerObserver {
 public:
  virtual ~PlayerObserver() = default;
  virtual void playbackOpened() {}
  virtual void blockPlayed(const PlayedBlock&) {}
  virtual void playbackClosed() {}
};

class SoundPlayer : public WaveOutListener {
 public:
  static constexpr int kSingleSlots = 100;

  SoundPlayer(WaveOutDevice& device, Interaction& ui);
  ~SoundPlayer() override;
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // True when the device is open (newly, or still open and reused).
  bool open(const WaveFormat& format, PlayerObserver* observer);
  bool playSingle(const int16_t* samples, size_t byteCount);
  // `samples` is the whole recording of `sampleCount` samples; the request names the range.
  // pausedTake: the range is the part of a paused take (its play position does not advance,
  // and the saved volume is restored at the end).
  bool playBlocks(const int16_t* samples, int64_t sampleCount, const BlockPlayRequest& request,
                  bool pausedTake = false);
  void pause();
  void restart();
  void reset();
  void stop();
  void close();
  bool waitClosed();
  void releaseSingles();

  void setSavedVolume(double volume) { savedVolume_ = volume; }
  // Open from a successful open() until the device reports closed.
  bool isOpen() const { return open_; }
  bool isPaused() const { return paused_; }
  bool isStopping() const { return stopping_; }
  bool isUserStopped() const { return userStopped_; }
  PlayerObserver* observer() const { return observer_; }
  int blockCount() const { return plan_.blockCount; }
  int queuedBlocks() const { return queued_; }
  int completedBlocks() const { return completed_; }
  int64_t playPositionSamples() const { return playPosition_; }

  // WaveOutListener
  void waveOutOpened() override;
  void waveOutDone(WaveHeader* header) override;
  void waveOutClosed() override;

 private:
  bool queueBlock(int block, int prepareFailureMessage);
  void abandonBlocks();
  bool isSingle(const WaveHeader* header) const;
  void showDeviceError(WaveResult result);

  WaveOutDevice& device_;
  Interaction& ui_;
  PlayerObserver* observer_ = nullptr;
  bool open_ = false;
  bool stopping_ = false;
  bool userStopped_ = false;
  bool paused_ = false;
  double savedVolume_ = 0;
  std::array<std::unique_ptr<WaveHeader>, kSingleSlots> singleHeaders_;
  int currentSingle_ = 0;

  // The running playback.
  const int16_t* base_ = nullptr;
  int64_t rangeStart_ = 0;
  int64_t rangeEnd_ = 0;
  BlockPlan plan_;
  std::vector<WaveHeader> blockHeaders_;
  int queued_ = 0;
  int completed_ = 0;
  int64_t playPosition_ = 0;
  bool pausedTake_ = false;
};

}  // namespace velmora
