#pragma once
// Writing the edited samples back: the "Save Changes?" question and what each answer does.
//   "Save this File" (the default: Enter) writes over the recording: a client's recording
//       under its own number with the prefix of the document's rate (qv for 44100 Hz, wv
//       otherwise); an "Other Files" recording over its own path, after asking whether a
//       stereo file opened as mono may be written as mono.
//   "Save as new File" writes the client's next free number (none left: nothing written),
//       or in "Other Files" a path chosen in a save dialog.
//   "Don´t save" (Escape) writes nothing; the document stays changed so the question comes
//       back when the recording is closed.
// The WAV replaces its target atomically and keeps an existing file's time; the ".ddt" date
// file follows it. A WAV that cannot be written is reported and leaves the document changed,
// so the edit is never thought saved when it is not.
#include <filesystem>
#include <string>

#include "core/interaction.h"
#include "document/recording_document.h"

namespace velmora {

struct SaveClient {
  int code = -1;                         // kNoClient, a client, or kOtherFilesCode
  std::filesystem::path workingFolder;   // holds the client folders and "Other Files"
};

enum class SaveResult {
  NotNeeded,  // nothing open or nothing changed: no question
  NotSaved,   // "Don´t save", a refused question or no number left: nothing written
  Saved,      // written over the recording
  SavedAsNew, // written as a new file; the document now stands for it
  Failed,     // the WAV could not be written (reported); still changed
};

// The "Save Changes?" dialog's buttons: 0 "Save this File" (default), 1 "Save as new
// File"; cancel (Escape) is "Don´t save".
ChoiceRequest saveChangesRequest();

SaveResult saveChanges(RecordingDocument& document, Interaction& ui, const SaveClient& client);

}  // namespace velmora
