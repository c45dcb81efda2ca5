#pragma once
// How a vertical volume slider shows a volume: the control's range, a page of a seventh of
// it, and the handle's position counted down from the top (maximum - value), so louder is
// higher. Qt's vertical slider has its maximum at the top already, so our widgets take the
// volume's value as theirs and the position is what a person sees.
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

}  // namespace velmora
