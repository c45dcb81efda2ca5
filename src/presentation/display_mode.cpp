#include "presentation/display_mode.h"

namespace velmora {

DisplayMode modeAfterOpening(int previousMode) {
  return isPowerSpectrumMode(previousMode) ? ModePowerSpectrum : ModeSpectrogram;
}

DisplayMode modeAfterRecordingStopped(int previousMode) {
  if (previousMode == ModeLivePowerSpectrum) return ModePowerSpectrum;
  if (previousMode == ModeLiveSpectrogram) return ModeSpectrogram;
  return static_cast<DisplayMode>(previousMode);
}

std::optional<DisplayMode> modeForSpectrogramCommand(int currentMode, bool hasSamples) {
  if (isSpectrogramMode(currentMode)) return std::nullopt;
  return hasSamples ? ModeSpectrogram : ModeLiveSpectrogram;
}

std::optional<DisplayMode> modeForPowerSpectrumCommand(int /*currentMode*/, bool hasSamples) {
  return hasSamples ? ModePowerSpectrum : ModeLivePowerSpectrum;
}

}  // namespace velmora
