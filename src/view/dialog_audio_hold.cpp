#include "view/dialog_audio_hold.h"

#include "view/playback_controller.h"
#include "view/take_controller.h"

namespace velmora {

DialogAudioHold::DialogAudioHold(TakeController* take, PlaybackController* playback) {
  if (take && take->isRecording() && !take->isPaused()) {
    take->pauseOrResume();
    take_ = take;
  }
  if (playback && playback->isPlaying() && !playback->isPaused()) {
    playback->pauseOrResume();
    playback_ = playback;
  }
}

DialogAudioHold::~DialogAudioHold() {
  // Only what we paused, and only if it is still there to resume.
  if (take_ && take_->isRecording() && take_->isPaused()) take_->pauseOrResume();
  if (playback_ && playback_->isPlaying() && playback_->isPaused()) playback_->pauseOrResume();
}

}  // namespace velmora
