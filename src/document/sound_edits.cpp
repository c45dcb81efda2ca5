#include "document/sound_edits.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace velmora {

std::optional<SampleRange> editRange(const RecordingDocument& document) {
  if (!document.isOpen()) return std::nullopt;
  if (document.isZoomed()) return document.visibleRange().clampedTo(document.sampleCount());
  if (!document.hasSelection()) return std::nullopt;
  return document.selection().clampedTo(document.sampleCount());
}

int32_t pastePoint(const RecordingDocument& document) {
  if (document.isZoomed()) return document.visibleRange().start;
  return document.selection().clampedTo(document.sampleCount()).start;
}

namespace {

// Labels are rewritten on close only when they changed; a label moved by an edit did.
void markLabelsMoved(LabelSet& labels) {
  if (!labels.empty()) labels.markModified();
}

}  // namespace

EditOutcome cutSamples(RecordingDocument& document) {
  const std::optional<SampleRange> range = editRange(document);
  if (!range || range->empty()) return EditOutcome::NeedsArea;
  // Cutting everything would leave no recording to show or undo into.
  if (range->length() >= document.sampleCount()) return EditOutcome::Unavailable;
  EditState& edit = document.editState();
  const auto s = static_cast<ptrdiff_t>(range->start);
  const auto e = static_cast<ptrdiff_t>(range->end);
  document.labels().shiftForCut(range->start, range->end);
  markLabelsMoved(document.labels());
  document.editSamples([&](std::vector<int16_t>& samples) {
    edit.editBuffer.assign(samples.begin() + s, samples.begin() + e);
    samples.erase(samples.begin() + s, samples.begin() + e);
    edit.range = *range;
    edit.lastEdit = LastEdit::Cut;
  });
  return EditOutcome::Done;
}

EditOutcome copySamples(RecordingDocument& document) {
  if (document.isZoomed()) return EditOutcome::Unavailable;
  const std::optional<SampleRange> range = editRange(document);
  if (!range || range->empty()) return EditOutcome::NeedsArea;
  const std::vector<int16_t>& samples = document.sound().samples;
  EditState& edit = document.editState();
  edit.editBuffer.assign(samples.begin() + range->start, samples.begin() + range->end);
  edit.range = *range;
  edit.lastEdit = LastEdit::Copy;
  document.labels().forgetShifts();
  document.editStateChanged();
  return EditOutcome::Done;
}

EditOutcome pasteSamples(RecordingDocument& document) {
  EditState& edit = document.editState();
  if (!document.isOpen() || !edit.canPaste()) return EditOutcome::Unavailable;
  const int32_t at = pastePoint(document);
  const auto length = static_cast<int32_t>(edit.editBuffer.size());
  document.labels().shiftForPaste(at, length);
  markLabelsMoved(document.labels());
  document.editSamples([&](std::vector<int16_t>& samples) {
    samples.insert(samples.begin() + at, edit.editBuffer.begin(), edit.editBuffer.end());
    // A copied piece is pasted once.
    std::vector<int16_t>().swap(edit.editBuffer);
    edit.range = {at, at + length};
    edit.lastEdit = LastEdit::Paste;
  });
  return EditOutcome::Done;
}

EditOutcome silenceSamples(RecordingDocument& document) {
  if (document.isZoomed()) return EditOutcome::Unavailable;
  const std::optional<SampleRange> range = editRange(document);
  if (!range || range->empty()) return EditOutcome::NeedsArea;
  EditState& edit = document.editState();
  document.labels().forgetShifts();
  document.editSamples([&](std::vector<int16_t>& samples) {
    const auto first = samples.begin() + range->start;
    const auto last = samples.begin() + range->end;
    edit.editBuffer.assign(first, last);
    std::fill(first, last, int16_t{0});
    edit.range = *range;
    edit.lastEdit = LastEdit::Silence;
  });
  return EditOutcome::Done;
}

EditOutcome undoEdit(RecordingDocument& document) {
  EditState& edit = document.editState();
  if (!document.isOpen() || !edit.canUndo()) return EditOutcome::Unavailable;
  const LastEdit undone = edit.lastEdit;
  const SampleRange range = edit.range;
  LabelSet& labels = document.labels();
  labels.undoShift(undone, range.length());
  labels.forgetShifts();
  if (undone != LastEdit::Silence) markLabelsMoved(labels);
  document.editSamples([&](std::vector<int16_t>& samples) {
    const auto at = samples.begin() + range.start;
    switch (undone) {
      case LastEdit::Cut: samples.insert(at, edit.editBuffer.begin(), edit.editBuffer.end()); break;
      case LastEdit::Paste: samples.erase(at, at + range.length()); break;
      case LastEdit::Silence: std::copy(edit.editBuffer.begin(), edit.editBuffer.end(), at); break;
      default: break;
    }
    edit.clear();
  });
  return EditOutcome::Done;
}

}  // namespace velmora
