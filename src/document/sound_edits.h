#pragma once
// Cut, Copy, Paste, Silence and Undo on the open recording, with the one edit memory of
// the document: a new copy or edit replaces what the one before left there, so only the
// last step can be undone and a copied piece can be pasted once. Every edit (not a copy)
// shows the whole file again, unmarks the selection, changes the document and moves the
// labels with the samples. No edit copies the sample block more than once.
#include <optional>

#include "document/recording_document.h"

namespace velmora {

enum class EditOutcome {
  Done,
  NeedsArea,    // no usable range: "You need to select an area!"
  Unavailable,  // the command is grayed in this state; nothing happens
};

// The stretch the edits work on: the zoomed range when zoomed, else the marked selection
// (ordered). None when nothing is marked and the view is not zoomed.
std::optional<SampleRange> editRange(const RecordingDocument& document);
// Where Paste inserts: the start of the edit range, or of the click point kept as an empty
// selection.
int32_t pastePoint(const RecordingDocument& document);

EditOutcome cutSamples(RecordingDocument& document);
EditOutcome copySamples(RecordingDocument& document);
EditOutcome pasteSamples(RecordingDocument& document);
EditOutcome silenceSamples(RecordingDocument& document);
EditOutcome undoEdit(RecordingDocument& document);

}  // namespace velmora
