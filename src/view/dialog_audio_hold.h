#pragma once
// While a settings dialog is open (Properties, Record settings) a running playback is held
// (PlaybackHold) and a running take stops storing samples; both go on when the dialog closes
// (this object goes).
#include "view/playback_hold.h"

namespace velmora {

class TakeController;

class DialogAudioHold {
 public:
  // Either may be null (no audio attached).
  DialogAudioHold(TakeController* take, PlaybackController* playback);
  ~DialogAudioHold();
  DialogAudioHold(const DialogAudioHold&) = delete;
  DialogAudioHold& operator=(const DialogAudioHold&) = delete;

 private:
  TakeController* take_ = nullptr;  // set only when we paused it
  PlaybackHold playback_;
};

}  // namespace velmora
