#pragma once
// Playing the open recording from the analysis view: the Play command and the bar's play
// button play (or, while playing, stop), the playback-pause button holds and resumes.
//
// What plays: a marked selection in an unzoomed view as one block (no cursor); nothing
// marked in an unzoomed view, the whole recording in blocks; a zoomed view, the selection
// or else the visible range in blocks. Every completed block moves the play cursor; when
// the player closes the cursor goes away and the bars return to idle.
#include <cstdint>
#include <functional>
#include <vector>

#include "audio/sound_player.h"
#include "core/interaction.h"
#include "document/recording_document.h"
#include "presentation/live_signal.h"
#include "view/view_display.h"
#include "view/view_host.h"

namespace velmora {

class PlaybackController : public PlayerObserver {
 public:
  PlaybackController(const RecordingDocument& document, ViewDisplay& display, ViewHost& host, SoundPlayer& player,
                     std::function<void()> stateChanged);
  // Nothing plays while a take runs.
  void setRecordingQuery(std::function<bool()> isRecording) { isRecording_ = std::move(isRecording); }
  ~PlaybackController() override;
  PlaybackController(const PlaybackController&) = delete;
  PlaybackController& operator=(const PlaybackController&) = delete;

  // Plays, or stops a running playback (paused or not).
  void playCommand();
  void pauseOrResume();
  // Plays back what a paused take has recorded so far (the samples are handed over).
  bool playTake(std::vector<int16_t> samples, int sampleRateHz);
  bool isPlayingTake() const { return isPlaying() && !takeSamples_.empty(); }
  // Stops what plays and waits for the close (the samples are about to change).
  void stop();
  // The "Update Rate" changed: playback of an unzoomed view carries on from where it is
  // with blocks of the new size.
  void blockSizeChanged();
  bool isPlaying() const { return player_.isOpen() && player_.observer() == this; }
  bool isPaused() const { return isPlaying() && player_.isPaused(); }

  // PlayerObserver
  void blockPlayed(const PlayedBlock& block) override;
  void playbackClosed() override;

 private:
  bool startPlaying();
  bool playFrom(int64_t startSample);
  void setBarsPlaying(bool blocks);
  void setBarsIdle();

  bool takeRunning() const { return isRecording_ && isRecording_(); }

  const RecordingDocument& document_;
  ViewDisplay& display_;
  ViewHost& host_;
  SoundPlayer& player_;
  std::function<void()> stateChanged_;
  std::function<bool()> isRecording_;
  bool wholeRecording_ = false;  // blocks of an unzoomed view (restarted on a new size)
  int64_t playedEnd_ = -1;       // where the cursor rests when playback ends
  std::vector<int16_t> takeSamples_;  // a paused take being played back
  LiveSignal live_;
};

}  // namespace velmora
