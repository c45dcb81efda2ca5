#pragma once
// One volume the program sets itself: the playback master, the wave output or the record
// input. The mixer objects (MixerVolume) and the sound server's default-sink volume both
// answer to it, so the start-up steps, the dialogs and the view's sliders do not care which
// one they move.
#include <functional>

namespace velmora {

class VolumeControl {
 public:
  using ChangeHandler = std::function<void(int value)>;

  virtual ~VolumeControl() = default;
  // The device was opened and its volume control found.
  virtual bool isValid() const = 0;
  // Outputs: switch the line on (unmute). Input: make the chosen source the record source.
  virtual void enable() = 0;
  // Outputs: switch the line off. Input: nothing.
  virtual void disable() = 0;
  // -1 when not valid.
  virtual int steps() const = 0;
  virtual int minimum() const = 0;
  virtual int maximum() const = 0;
  // The current value, -1 on failure.
  virtual int value() const = 0;
  // A value outside minimum .. maximum is ignored.
  virtual void setValue(int value) = 0;
  // Called on the UI thread with the new value when the volume changes, here or elsewhere.
  virtual void setChangeHandler(ChangeHandler handler) = 0;
};

}  // namespace velmora
