#pragma once
// The values and places of the spectral pane's axis labels that depend on the engines; the
// view formats the numbers (decimal comma) and draws the text and ticks.
//
//   Spectrogram frequency axis: top frequency F = (rate / 2) / zoom (Spectrogram::
//     topFrequencyHz), N = 8 divisions for a pane of 300 rows or more, else 4; label i
//     (0..N) shows i x F / N Hz (integer division) as "%.1f kHz", its text top at
//     paneTop + paneHeight - 8 - i x (paneHeight - 6) / N.
//   Power-spectrum level axis: labels from -10 dB upward in steps of 10 dB, N + 1 of them;
//     each is centred on the height where the curve draws that level
//     (power_spectrum_curve.h), so the scale reads true against the curve.
//   Power-spectrum frequency axis: seven labels k = 0..6, for k <= 5 at
//     x = paneLeft + k x paneWidth / 5.5 showing k x F / 5.5, the last at the right edge
//     showing F; F from PowerSpectrum::topFrequencyHz.
#include <vector>

namespace velmora {

struct AxisLabel {
  double value = 0;  // kHz for frequencies, dB for levels
  int x = 0;         // frequency axis under the pane: the tick's x
  int textTop = 0;   // vertical axes: the top of the 11 px label text
};

inline constexpr int kAxisLabelTextHeight = 11;

// 8, or 4 for a pane lower than 300 rows.
int axisDivisions(int paneHeight);

std::vector<AxisLabel> spectrogramFrequencyLabels(double topFrequencyHz, int paneTop, int paneHeight);
std::vector<AxisLabel> powerSpectrumLevelLabels(int paneTop, int paneHeight);
std::vector<AxisLabel> powerSpectrumFrequencyLabels(double topFrequencyHz, int paneLeft, int paneWidth);

}  // namespace velmora
