#pragma once
// The start-up screen check and the forced screen modes of conf.dat.
//
//  1. conf.dat 0..3 forces 800x600, 1024x768, 1280x800 or 1280x1024: change the display
//     mode to it (nothing to do when it is current with more than 256 colours).
//  2. Otherwise: fewer than 8 bits of colour or a screen under 800x600 opens "Attention!"
//     and quits; a width of 1024 or more, exactly 800, or a height of exactly 600 is
//     accepted; any other width (801..1023) gets msg::ScreenTooLarge, the display settings, and
//     quits.
//  3. At exit a mode we changed is put back.
#include <functional>
#include <optional>

#include "core/interaction.h"
#include "presentation/screen_modes.h"
#include "presentation/screen_probe.h"

namespace velmora {

struct ScreenCheckResult {
  bool ok = false;
  int screenWidth = 0;
  int screenHeight = 0;
};

// The size a conf.dat value forces, or nothing for 4 and anything out of range.
std::optional<ScreenMode> forcedScreenSize(int screenModeSetting);

// The "Attention!" dialog's text and caption as a Yes/No question.
Message attentionQuestion();

class ScreenModeChanger {
 public:
  ScreenModeChanger(DisplayModes& modes, Interaction& ui) : modes_(modes), ui_(ui) {}
  // Changes to width x height; false (after its message) when that is not possible.
  bool change(int width, int height);
  // Puts back the mode that change() replaced, if any.
  void restore();
  bool resolutionChanged() const { return changed_; }

 private:
  DisplayModes& modes_;
  Interaction& ui_;
  bool changed_ = false;
  ScreenMode saved_;
  int savedColourCount_ = -1;
};

ScreenCheckResult checkScreen(int screenModeSetting, const ScreenProbe& screen, ScreenModeChanger& changer,
                              Interaction& ui, const std::function<bool()>& startDisplaySettings);

}  // namespace velmora
