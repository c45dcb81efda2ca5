#pragma once
// The few Xlib and RandR calls the display-mode layer needs, loaded at run time from the
// system's libX11 and libXrandr: a machine without an X server (or without those libraries)
// simply offers no display modes, and building needs no X development packages.
#include <memory>
#include <vector>

#include "platform/display_modes.h"

namespace velmora {

class XrandrLibrary {
 public:
  // Connects to $DISPLAY; nullptr when there is no X server or no RandR library.
  static std::unique_ptr<XrandrLibrary> open();
  ~XrandrLibrary();
  XrandrLibrary(const XrandrLibrary&) = delete;
  XrandrLibrary& operator=(const XrandrLibrary&) = delete;

  // The screen sizes RandR offers, each at the screen's colour depth.
  std::vector<ScreenMode> sizes() const;
  ScreenMode current() const;
  // Switches to the size of that width and height; false when RandR refused.
  bool setSize(int width, int height);

 private:
  XrandrLibrary() = default;
  struct Api;
  std::unique_ptr<Api> api_;
};

}  // namespace velmora
