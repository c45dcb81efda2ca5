#pragma once
// What the start-up screen check reads of the screen, behind a small interface so the
// check can be run against a fake screen; the platform reads the real one.
namespace velmora {

struct ScreenInfo {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  int planes = 1;
};

class ScreenProbe {
 public:
  virtual ~ScreenProbe() = default;
  virtual ScreenInfo current() const = 0;
};

}  // namespace velmora
