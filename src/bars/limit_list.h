#pragma once
// The bars' lists of numbers: the "Limit" list (the frequency limits of the recording's rate,
// the rate's default entry selected) and the value behind any list's selected entry.
#include <QComboBox>
#include <vector>

namespace velmora {

// Refills `combo` for `sampleRate`; returns the limits in list order (Hz).
std::vector<int> fillLimitList(QComboBox& combo, int sampleRate);
// The value of the selected entry of a list filled from `values`, or `fallback` when nothing
// (or something past the values) is selected.
int selectedValue(const QComboBox& combo, const std::vector<int>& values, int fallback);
// The selected limit in Hz, or 0 when nothing is selected.
inline int selectedLimit(const QComboBox& combo, const std::vector<int>& limitsHz) {
  return selectedValue(combo, limitsHz, 0);
}

}  // namespace velmora
