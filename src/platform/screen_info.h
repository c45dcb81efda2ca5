#pragma once
// The screen the start-up check reads, as Qt sees it.
#include "presentation/screen_probe.h"

namespace velmora {

// The primary screen (size in device-independent pixels, colour depth).
class QtScreenProbe : public ScreenProbe {
 public:
  ScreenInfo current() const override;
};

}  // namespace velmora
