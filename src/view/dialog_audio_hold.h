#pragma once
// While a settings dialog is open a running playback is paused and a running take stops
// storing samples; both go on when the dialog closes (this object goes).
namespace velmora {

class PlaybackController;
class TakeController;

class DialogAudioHold {
 public:
  // Either may be null (no audio attached).
  DialogAudioHold(TakeController* take, PlaybackController* playback);
  ~DialogAudioHold();
  DialogAudioHold(const DialogAudioHold&) = delete;
  DialogAudioHold& operator=(const DialogAudioHold&) = delete;

 private:
  TakeController* take_ = nullptr;       // set only when we paused it
  PlaybackController* playback_ = nullptr;
};

}  // namespace velmora
