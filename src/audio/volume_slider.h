#pragma once
// How a vertical volume slider shows a volume: the control's range, a page of a seventh of
// it, and the position counted from the top (maximum - value), so louder is higher.
#include "audio/volume_control.h"

namespace velmora {

struct VolumeSliderSetup {
  bool enabled = false;
  int minimum = 0;
  int maximum = 0;
  int pageStep = 0;
  int position = 0;
};

// Disabled (and 0 .. 0) without a valid volume.
VolumeSliderSetup volumeSliderSetup(const VolumeControl* volume);
// The slider's position for a value, and the value a slider position stands for.
inline int sliderPositionFor(const VolumeControl& volume, int value) { return volume.maximum() - value; }
inline int volumeForPosition(const VolumeControl& volume, int position) { return volume.maximum() - position; }

}  // namespace velmora
