#pragma once
// Listing and changing the display mode, for a forced screen size (conf.dat).
// The interface keeps the start-up logic independent of the windowing system. The system
// implementation uses RandR when the program runs on X11; elsewhere (Wayland, offscreen)
// it offers no modes, which takes the documented "no mode of that size" path.
#include <memory>
#include <string>
#include <vector>

namespace velmora {

struct ScreenMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  bool operator==(const ScreenMode&) const = default;
};

enum class ModeChangeResult { Changed, RestartRequired, Failed };

class DisplayModes {
 public:
  virtual ~DisplayModes() = default;
  virtual std::vector<ScreenMode> modes() const = 0;
  virtual ScreenMode current() const = 0;
  // Colour count of the current mode: -1 for more than 256 colours.
  virtual int currentColourCount() const = 0;
  virtual ModeChangeResult apply(const ScreenMode& mode) = 0;
};

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
