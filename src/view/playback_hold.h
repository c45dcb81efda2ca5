#pragma once
// Holds a running playback while a modal dialog is open (the client dialogs, the notes
// editor) and lets it go on when the dialog closes. A playback already paused by the
// therapist stays paused; one stopped meanwhile (the recording was closed) stays stopped.
#include "view/playback_controller.h"

namespace velmora {

class PlaybackHold {
 public:
  explicit PlaybackHold(PlaybackController* playback)
      : playback_(playback && playback->isPlaying() && !playback->isPaused() ? playback : nullptr) {
    if (playback_) playback_->pauseOrResume();
  }
  ~PlaybackHold() {
    if (playback_ && playback_->isPaused()) playback_->pauseOrResume();
  }
  PlaybackHold(const PlaybackHold&) = delete;
  PlaybackHold& operator=(const PlaybackHold&) = delete;

 private:
  PlaybackController* playback_;
};

}  // namespace velmora
