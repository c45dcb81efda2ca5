#pragma once
// Text labels on the recording: each covers a stretch of samples and remembers the range
// that was shown when it was made (a marker click zooms back to it). A deleted label keeps
// its slot, hidden, and a new label takes the first free slot; there are 50 slots.
//
// Edits move the labels with the samples: a cut hides the labels it removes and moves the
// later ones left, a paste moves the later ones right; both mark what they touched so an
// undo can put it back, and the next edit or copy forgets the marks.
//
// The set remembers whether it changed since it was loaded, so closing a recording whose
// labels nobody touched leaves the label file as it was.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/edit_state.h"
#include "document/sample_range.h"

namespace velmora {

inline constexpr size_t kLabelSlots = 50;
inline constexpr size_t kLabelTextCharacters = 150;

struct TextLabel {
  SampleRange zoom;      // visible range when made or last moved
  SampleRange samples;   // first and last sample covered
  std::string text;      // UTF-8, at most kLabelTextCharacters characters
  bool hidden = false;   // a free slot, or a label being moved or edited, or cut away by an edit
  bool shiftedByEdit = false;  // moved or hidden by the last edit (undo puts it back)
};

class LabelSet {
 public:
  const std::vector<TextLabel>& entries() const { return entries_; }
  // In-place changes through this must be followed by markModified().
  std::vector<TextLabel>& entries() { return entries_; }
  // Labels that are shown (slots not hidden).
  size_t visibleCount() const;
  bool empty() const { return entries_.empty(); }
  // All slots gone.
  void clear();
  // The labels of a freshly read file: all visible, nothing to store.
  void load(std::vector<TextLabel> labels);

  // Whether add() would find a slot (refused only when 50 labels are shown).
  bool canAdd() const;
  // The slot the label went into: the first free one, else a new one at the end; none when
  // 50 labels are shown. A slot hidden by an edit is taken only when nothing else is left.
  std::optional<size_t> add(TextLabel label);
  // Deleting hides the label; its slot becomes free.
  void remove(size_t index);

  bool modified() const { return modified_; }
  void markModified() { modified_ = true; }

  // Cut of the samples [a, b): labels starting inside are hidden, those at or after b move
  // left by b - a. Like every edit it first forgets the marks of the one before.
  void shiftForCut(int32_t a, int32_t b);
  // Paste of `length` samples at `at`: labels starting at or after it move right.
  void shiftForPaste(int32_t at, int32_t length);
  // Undo of the last cut or paste of `length` samples: the labels it touched go back.
  void undoShift(LastEdit undone, int32_t length);
  // Copy and the start of a new edit: the last edit can no longer be undone.
  void forgetShifts();

 private:
  void shift(TextLabel& label, int32_t delta);

  std::vector<TextLabel> entries_;
  bool modified_ = false;
};

// A text as labels keep it: control characters become spaces, a text ends at 150
// characters, and a ';' is never left next to another ';' or at the end (the label file
// ends every field with ";;", so such a text could not be read back).
std::string cleanLabelText(std::string_view utf8);
// Characters (code points) of a UTF-8 text.
size_t utf8CharacterCount(std::string_view utf8);

}  // namespace velmora
