#include "document/label_intervals.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

bool hasText(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; });
}

int32_t sampleAt(double seconds, int rateHz, int32_t sampleCount) {
  const double s = std::round(seconds * rateHz);
  if (!(s > 0)) return 0;  // also NaN
  return s >= sampleCount ? sampleCount : static_cast<int32_t>(s);
}

}  // namespace

LabelIntervals labelIntervals(const LabelSet& labels, int rateHz, int32_t sampleCount) {
  LabelIntervals result;
  if (rateHz <= 0) return result;
  std::vector<const TextLabel*> shown;
  for (const TextLabel& l : labels.entries())
    if (!l.hidden) shown.push_back(&l);
  std::stable_sort(shown.begin(), shown.end(), [](const TextLabel* a, const TextLabel* b) {
    return a->samples.start < b->samples.start;
  });
  const double rate = rateHz;
  const double duration = sampleCount / rate;
  for (size_t k = 0; k < shown.size(); ++k) {
    const double start = std::clamp(shown[k]->samples.start / rate, 0.0, duration);
    double end = std::clamp(shown[k]->samples.end / rate, 0.0, duration);
    if (k + 1 < shown.size()) {
      const double next = std::clamp(shown[k + 1]->samples.start / rate, 0.0, duration);
      if (end > next) {
        end = next;
        ++result.shortened;
      }
    }
    if (end <= start) {
      ++result.leftOut;
      continue;
    }
    result.intervals.push_back({start, end, shown[k]->text});
  }
  return result;
}

LabelsFromIntervals labelsFromIntervals(const std::vector<TextGridInterval>& intervals, int rateHz,
                                        int32_t sampleCount) {
  LabelsFromIntervals result;
  for (const TextGridInterval& i : intervals) {
    if (!hasText(i.text)) continue;
    const int32_t start = sampleAt(i.xmin, rateHz, sampleCount);
    const int32_t end = sampleAt(i.xmax, rateHz, sampleCount);
    if (result.labels.size() >= kLabelSlots || end <= start || rateHz <= 0) {
      ++result.leftOut;
      continue;
    }
    TextLabel label;
    label.zoom = {0, sampleCount};
    label.samples = {start, end};
    label.text = cleanLabelText(i.text);
    result.labels.push_back(std::move(label));
  }
  return result;
}

}  // namespace velmora
