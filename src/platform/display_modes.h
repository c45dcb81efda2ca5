#pragma once
// The system's display modes, for a forced screen size (conf.dat). It uses RandR when the
// program runs on X11; elsewhere (Wayland, offscreen) it offers no modes, which takes the
// documented "no mode of that size" path.
#include <memory>
#include <string>
#include <vector>

#include "presentation/screen_modes.h"

namespace velmora {

class XrandrLibrary;

class SystemDisplayModes : public DisplayModes {
 public:
  SystemDisplayModes();
  ~SystemDisplayModes() override;
  bool hasModeSwitching() const { return randr_ != nullptr; }
  std::vector<ScreenMode> modes() const override;
  ScreenMode current() const override;
  int currentColourCount() const override;
  ModeChangeResult apply(const ScreenMode& mode) override;

 private:
  std::unique_ptr<XrandrLibrary> randr_;
};

// Starts the desktop's display settings program, if one is installed; false when none starts.
bool startDisplaySettingsProgram();

}  // namespace velmora
