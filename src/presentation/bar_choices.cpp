#include "presentation/bar_choices.h"

#include <algorithm>

#include "core/text_format.h"

namespace velmora {

std::string limitEntryText(int hz) { return formatv("%d Hz   ", hz); }

const std::vector<int>& bandChoicesHz() {
  static const std::vector<int> bands = {10, 40, 80, 150, 300, 400};
  return bands;
}

const std::vector<double>& spectrogramUpdateRateFactors() {
  static const std::vector<double> f = {1.0, 1.5, 2.0, 2.5, 3.0, 4.0};
  return f;
}

const std::vector<double>& powerSpectrumUpdateRateFactors() {
  static const std::vector<double> f = {3.0, 5.0, 6.0, 7.0, 8.0, 10.0};
  return f;
}

int initialUpdateRateIndex(int preference, int entryCount) {
  if (preference >= 0 && preference < entryCount) return preference;
  return std::min(kDefaultUpdateRateIndex, entryCount - 1);
}

const std::vector<int>& fftSizeChoices() {
  static const std::vector<int> sizes = {256, 512, 1024};
  return sizes;
}

int dbMarkerX(int db, int trackLeft) { return trackLeft + 2 * db - 4; }

int dbValueAt(int markerX, int trackLeft) {
  const int x = std::clamp(markerX, trackLeft - 4, trackLeft + kDbTrackWidth - 4);
  return (x - trackLeft + 4) / 2;
}

}  // namespace velmora
