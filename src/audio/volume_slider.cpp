#include "audio/volume_slider.h"

namespace velmora {

VolumeSliderSetup volumeSliderSetup(const VolumeControl* volume) {
  VolumeSliderSetup s;
  if (!volume || !volume->isValid()) return s;
  s.enabled = true;
  s.minimum = volume->minimum();
  s.maximum = volume->maximum();
  s.pageStep = (s.maximum - s.minimum) / 7;
  const int v = volume->value();
  s.position = s.maximum - (v < 0 ? s.minimum : v);
  return s;
}

}  // namespace velmora
