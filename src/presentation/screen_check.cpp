#include "presentation/screen_check.h"

#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

std::optional<ScreenMode> forcedScreenSize(int screenModeSetting) {
  switch (screenModeSetting) {
    case 0: return ScreenMode{800, 600, 0};
    case 1: return ScreenMode{1024, 768, 0};
    case 2: return ScreenMode{1280, 800, 0};
    case 3: return ScreenMode{1280, 1024, 0};
    default: return std::nullopt;
  }
}

Message attentionQuestion() {
  Message m;
  m.id = msg::AskChangeScreen;
  m.caption = tr(str::AttentionTitle);
  m.icon = MessageIcon::Warning;
  m.text = tr(str::ScreenResolutionQuestion);
  return m;
}

namespace {
// A restart cannot be done for the user here: say so and count the change as failed.
void reportRestartNeeded(Interaction& ui) {
  askYesNo(ui, msg::AskRestartForResolution);
}
}  // namespace

bool ScreenModeChanger::change(int width, int height) {
  const ScreenMode now = modes_.current();
  if (now.width == width && now.height == height && modes_.currentColourCount() == -1) return true;
  std::optional<ScreenMode> chosen;
  for (const ScreenMode& m : modes_.modes()) {
    if (m.width != width || m.height != height) continue;
    if (!chosen || m.bitsPerPixel > chosen->bitsPerPixel) chosen = m;
  }
  if (!chosen) {
    showMessage(ui_, msg::ResolutionNotSet);
    return false;
  }
  const int colours = modes_.currentColourCount();
  switch (modes_.apply(*chosen)) {
    case ModeChangeResult::Changed:
      saved_ = now;
      savedColourCount_ = colours;
      changed_ = true;
      return true;
    case ModeChangeResult::RestartRequired:
      reportRestartNeeded(ui_);
      return false;
    case ModeChangeResult::Failed:
      break;
  }
  ui_.showMessage(Message{msg::ResolutionChangeFailed, tr(msg::ResolutionChangeFailed), " ", MessageIcon::Warning});
  return false;
}

void ScreenModeChanger::restore() {
  if (!changed_) return;
  for (const ScreenMode& m : modes_.modes()) {
    if (m.width != saved_.width || m.height != saved_.height) continue;
    const bool fits = savedColourCount_ == -1 ? m.bitsPerPixel > 8 : m.bitsPerPixel == savedColourCount_;
    if (!fits) continue;
    if (modes_.apply(m) == ModeChangeResult::RestartRequired) reportRestartNeeded(ui_);
    break;
  }
  changed_ = false;
}

ScreenCheckResult checkScreen(int screenModeSetting, const ScreenProbe& screen, ScreenModeChanger& changer,
                              Interaction& ui, const std::function<bool()>& startDisplaySettings) {
  ScreenCheckResult result;
  if (const std::optional<ScreenMode> forced = forcedScreenSize(screenModeSetting)) {
    result.screenWidth = forced->width;
    result.screenHeight = forced->height;
    result.ok = changer.change(forced->width, forced->height);
    return result;
  }
  const ScreenInfo info = screen.current();
  if (info.planes * info.bitsPerPixel < 8 || info.width < 800 || info.height < 600) {
    if (ui.askYesNo(attentionQuestion()) && !startDisplaySettings()) showMessage(ui, msg::DisplayPropertiesUnavailable);
    return result;
  }
  if (info.width >= 1024 || info.width == 800 || info.height == 600) {
    result.ok = true;
    result.screenWidth = info.width;
    result.screenHeight = info.height;
    return result;
  }
  showMessage(ui, msg::ScreenTooLarge);
  if (!startDisplaySettings()) showMessage(ui, msg::DisplaySettingsNotStarted);
  return result;
}

}  // namespace velmora
