#include "view/edit_commands.h"

#include "core/message_ids.h"
#include "document/sound_edits.h"
#include "presentation/command_ids.h"

namespace velmora {

bool runEditCommand(int commandId, RecordingDocument& document, Interaction& ui) {
  EditOutcome outcome = EditOutcome::Unavailable;
  switch (commandId) {
    case cmd::Cut: outcome = cutSamples(document); break;
    case cmd::Copy: outcome = copySamples(document); break;
    case cmd::Paste: outcome = pasteSamples(document); break;
    case cmd::Silence: outcome = silenceSamples(document); break;
    case cmd::Undo: outcome = undoEdit(document); break;
    default: return false;
  }
  if (outcome == EditOutcome::NeedsArea) showMessage(ui, msg::SelectArea);
  return outcome == EditOutcome::Done && commandId != cmd::Copy;
}

}  // namespace velmora
