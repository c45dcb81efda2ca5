#pragma once
// The fixed lists of the control bars and the values their entries stand for.
#include <string>
#include <vector>

namespace velmora {

// "Limit": the entries of a rate come from the spectrogram engine; when a rate is given
// to the bar its list is rebuilt and the third entry chosen.
inline constexpr int kRateLimitIndex = 2;
std::string limitEntryText(int hz);  // "%d Hz   "

// "Band": analysis bandwidths in Hz.
const std::vector<int>& bandChoicesHz();
inline constexpr int kDefaultBandIndex = 1;

// "Update Rate": the entries' milliseconds and buffer factors of each bar.
const std::vector<double>& spectrogramUpdateRateFactors();   // 1, 1.5, 2, 2.5, 3, 4
const std::vector<double>& powerSpectrumUpdateRateFactors(); // 3, 5, 6, 7, 8, 10
inline constexpr int kDefaultUpdateRateIndex = 3;
// The index the bar starts with: the one carried over from the last run, else 3.
int initialUpdateRateIndex(int preference, int entryCount);

// "FFT Size" entries.
const std::vector<int>& fftSizeChoices();
inline constexpr int kDefaultFftSizeIndex = 1;

// The dB slider: track geometry and the value of a marker position.
inline constexpr int kDbTrackLeft = 210;
inline constexpr int kDbTrackWidth = 198;
inline constexpr int kDefaultDbValue = 70;
int dbMarkerX(int db, int trackLeft = kDbTrackLeft);
int dbValueAt(int markerX, int trackLeft = kDbTrackLeft);

}  // namespace velmora
