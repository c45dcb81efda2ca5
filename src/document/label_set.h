#pragma once
// Text labels on the recording: each covers a stretch of samples and remembers the range
// that was shown when it was made (a marker click zooms back to it). A deleted label keeps
// its slot, hidden, and a new label takes the first hidden slot; there are 50 slots.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/sample_range.h"

namespace velmora {

inline constexpr size_t kLabelSlots = 50;
inline constexpr size_t kLabelTextBytes = 150;

struct TextLabel {
  SampleRange zoom;      // visible range when made or last moved
  SampleRange samples;   // first and last sample covered
  std::string text;      // UTF-8, at most kLabelTextBytes bytes
  bool isMarker = false;
  bool hidden = false;
  int fontHeight = 0;
  bool shiftedByEdit = false;
};

class LabelSet {
 public:
  const std::vector<TextLabel>& entries() const { return entries_; }
  std::vector<TextLabel>& entries() { return entries_; }
  // Labels that are shown (slots not hidden).
  size_t visibleCount() const;
  bool empty() const { return entries_.empty(); }
  void clear() { entries_.clear(); }

 private:
  std::vector<TextLabel> entries_;
};

}  // namespace velmora
