#include "view/dialog_audio_hold.h"

#include "view/take_controller.h"

namespace velmora {

DialogAudioHold::DialogAudioHold(TakeController* take, PlaybackController* playback) : playback_(playback) {
  if (take && take->isRecording() && !take->isPaused()) {
    take->pauseOrResume();
    take_ = take;
  }
}

DialogAudioHold::~DialogAudioHold() {
  // Only a take we paused, and only if it still runs.
  if (take_ && take_->isRecording() && take_->isPaused()) take_->pauseOrResume();
}

}  // namespace velmora
