#pragma once
// The Audio > Edit commands that change or copy samples (Cut, Copy, Paste, Silence, Undo)
// on the document, with "You need to select an area!" when there is nothing to act on.
#include "core/interaction.h"
#include "document/recording_document.h"

namespace velmora {

// True when the samples changed (everything but a copy), so the display starts afresh.
bool runEditCommand(int commandId, RecordingDocument& document, Interaction& ui);

}  // namespace velmora
