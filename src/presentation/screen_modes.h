#pragma once
// Listing and changing the display mode, for a forced screen size (conf.dat). The interface
// keeps the start-up screen check apart from the windowing system; the platform implements it.
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

}  // namespace velmora
