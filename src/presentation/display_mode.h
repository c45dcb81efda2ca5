#pragma once
// The view's display mode: one program-wide value that says what the panes show.
// The numbers are kept because other parts compare them ("above 8" means a file is shown).
#include <optional>

namespace velmora {

enum DisplayMode : int {
  ModeLiveSpectrogram = 1,
  ModeLivePowerSpectrum = 2,
  ModeSpectrogram = 9,
  ModePowerSpectrum = 10,
  ModeEmpty = 16,
};

inline bool isPowerSpectrumMode(int mode) { return mode == ModePowerSpectrum || mode == ModeLivePowerSpectrum; }
inline bool isSpectrogramMode(int mode) { return mode == ModeSpectrogram || mode == ModeLiveSpectrogram; }
inline bool isFileMode(int mode) { return mode == ModeSpectrogram || mode == ModePowerSpectrum; }

// Opening a file keeps the power spectrum when it was shown, else the spectrogram.
DisplayMode modeAfterOpening(int previousMode);
// Stopping a take turns the live mode into its file mode.
DisplayMode modeAfterRecordingStopped(int previousMode);
// The Mode menu's "Spectrogram": nothing when a spectrogram mode is active already.
std::optional<DisplayMode> modeForSpectrogramCommand(int currentMode, bool hasSamples);
std::optional<DisplayMode> modeForPowerSpectrumCommand(int currentMode, bool hasSamples);

}  // namespace velmora
