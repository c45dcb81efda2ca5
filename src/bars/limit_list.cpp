#include "bars/limit_list.h"

#include "analysis/spectrogram.h"
#include "presentation/bar_choices.h"

namespace velmora {

std::vector<int> fillLimitList(QComboBox& combo, int sampleRate) {
  std::vector<int> limits = frequencyLimitsForRate(sampleRate);
  combo.clear();
  for (int hz : limits) combo.addItem(QString::fromStdString(limitEntryText(hz)));
  if (limits.size() > static_cast<size_t>(kRateLimitIndex)) combo.setCurrentIndex(kRateLimitIndex);
  return limits;
}

int selectedValue(const QComboBox& combo, const std::vector<int>& values, int fallback) {
  const int i = combo.currentIndex();
  if (i < 0 || i >= static_cast<int>(values.size())) return fallback;
  return values[static_cast<size_t>(i)];
}

}  // namespace velmora
