#include "document/label_set.h"

#include <algorithm>

namespace velmora {

size_t LabelSet::visibleCount() const {
  return static_cast<size_t>(std::count_if(entries_.begin(), entries_.end(), [](const TextLabel& l) { return !l.hidden; }));
}

void LabelSet::clear() {
  if (!entries_.empty()) modified_ = true;
  entries_.clear();
}

void LabelSet::load(std::vector<TextLabel> labels) {
  entries_ = std::move(labels);
  if (entries_.size() > kLabelSlots) entries_.resize(kLabelSlots);
  for (TextLabel& l : entries_) {
    l.hidden = false;
    l.shiftedByEdit = false;
  }
  modified_ = false;
}

bool LabelSet::canAdd() const { return visibleCount() < kLabelSlots; }

std::optional<size_t> LabelSet::add(TextLabel label) {
  if (!canAdd()) return std::nullopt;
  label.hidden = false;
  label.shiftedByEdit = false;
  modified_ = true;
  const auto freeSlot = std::find_if(entries_.begin(), entries_.end(),
                                     [](const TextLabel& l) { return l.hidden && !l.shiftedByEdit; });
  if (freeSlot != entries_.end()) {
    *freeSlot = std::move(label);
    return static_cast<size_t>(freeSlot - entries_.begin());
  }
  if (entries_.size() < kLabelSlots) {
    entries_.push_back(std::move(label));
    return entries_.size() - 1;
  }
  // Every slot is taken and some hold labels a cut removed: the new label wins over the undo.
  const auto cutAway = std::find_if(entries_.begin(), entries_.end(), [](const TextLabel& l) { return l.hidden; });
  *cutAway = std::move(label);
  return static_cast<size_t>(cutAway - entries_.begin());
}

void LabelSet::remove(size_t index) {
  if (index >= entries_.size() || entries_[index].hidden) return;
  entries_[index].hidden = true;
  entries_[index].shiftedByEdit = false;
  modified_ = true;
}

void LabelSet::shift(TextLabel& label, int32_t delta) {
  label.zoom.start += delta;
  label.zoom.end += delta;
  label.samples.start += delta;
  label.samples.end += delta;
  label.shiftedByEdit = true;
  modified_ = true;
}

void LabelSet::shiftForCut(int32_t a, int32_t b) {
  forgetShifts();
  if (b <= a) return;
  for (TextLabel& l : entries_) {
    if (l.hidden) continue;
    const int32_t start = l.samples.start;
    if (start > a && start < b) {
      shift(l, a - b);
      l.hidden = true;
    } else if (start >= b) {
      shift(l, a - b);
    }
  }
}

void LabelSet::shiftForPaste(int32_t at, int32_t length) {
  forgetShifts();
  if (length <= 0) return;
  for (TextLabel& l : entries_)
    if (!l.hidden && l.samples.start >= at) shift(l, length);
}

void LabelSet::undoShift(LastEdit undone, int32_t length) {
  int32_t delta = 0;
  if (undone == LastEdit::Cut) delta = length;
  if (undone == LastEdit::Paste) delta = -length;
  for (TextLabel& l : entries_) {
    if (!l.shiftedByEdit) continue;
    shift(l, delta);
    l.hidden = false;
    l.shiftedByEdit = false;
  }
}

void LabelSet::forgetShifts() {
  for (TextLabel& l : entries_) l.shiftedByEdit = false;
}

size_t utf8CharacterCount(std::string_view utf8) {
  return static_cast<size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string cleanLabelText(std::string_view utf8) {
  std::string out;
  size_t characters = 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    const bool startsCharacter = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (startsCharacter && ++characters > kLabelTextCharacters) break;
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      out += ' ';
    } else if (c == ';' && (i + 1 == utf8.size() || utf8[i + 1] == ';')) {
      // A space after it keeps every character and the field end unambiguous.
      out += "; ";
    } else {
      out += c;
    }
  }
  // A cut after "; " would leave the ';' last again.
  if (!out.empty() && out.back() == ';') out += ' ';
  return out;
}

}  // namespace velmora
