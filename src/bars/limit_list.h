#pragma once
// The "Limit" list both bars show: the frequency limits of the recording's rate, with the
// rate's default entry selected.
#include <QComboBox>
#include <vector>

namespace velmora {

// Refills `combo` for `sampleRate`; returns the limits in list order (Hz).
std::vector<int> fillLimitList(QComboBox& combo, int sampleRate);
// The selected limit in Hz, or 0 when nothing is selected.
int selectedLimit(const QComboBox& combo, const std::vector<int>& limitsHz);

}  // namespace velmora
