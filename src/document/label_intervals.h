#pragma once
// Labels as time intervals, for tools that work in seconds (Praat and spreadsheets).
// A label covers startSample / rate .. endSample / rate.
//
// To intervals (one tier, as a TextGrid needs it): the shown labels sorted by start, held
// inside the recording; a label that runs into the next one ends where the next begins,
// and a label left with no length (the same start as the next, or wholly outside the
// recording) is left out. Both are counted so the caller can say so.
//
// From intervals: each interval with text (not only spaces) becomes a label made while the
// whole recording was shown; at most 50, each text cleaned as labels keep it.
#include <cstdint>
#include <vector>

#include "document/label_set.h"
#include "document/text_grid.h"

namespace velmora {

struct LabelIntervals {
  std::vector<TextGridInterval> intervals;
  int shortened = 0;
  int leftOut = 0;
};

LabelIntervals labelIntervals(const LabelSet& labels, int rateHz, int32_t sampleCount);

struct LabelsFromIntervals {
  std::vector<TextLabel> labels;
  int leftOut = 0;  // intervals with text past the 50th, or with no length in the recording
};

LabelsFromIntervals labelsFromIntervals(const std::vector<TextGridInterval>& intervals, int rateHz,
                                        int32_t sampleCount);

}  // namespace velmora
