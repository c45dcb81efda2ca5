#pragma once
// Deleting a client's or a recording's files, the steps after the user said Yes.
//
// A client (the caller asked confirmClientDeletion() and, when it is the open client, closed
// the open recording and cleared the view first):
//   1. the register record's number, from a "CODIGO = %d" query made before anything goes;
//   2. in the client folder every "*.wav", "*.dat", "*.ddt", "*.txt", "*.mrk", "*.rtf" and
//      "*.f0" file, pattern by pattern in that order, extensions matched without regard to
//      case; a file that will not go is passed over silently;
//   3. the folder itself; when it still holds other files (backup placeholders "*.bkp"
//      survive on purpose, so the client's copies in a backup can still be found): msg::ClientFolderNotDeleted,
//      and the deletion goes on;
//   4. the register record; when the query found none: msg::DatabaseError and no record is deleted.
//      The "Other Files" pseudo-client has no record.
//
// A recording (the caller asked confirmRecordingDeletion()):
//   1. the sound file: msg::ErrorDeletingFile when it exists and cannot be deleted; the steps go on;
//   2. its notes, date and labels files, silently, except that the recordings list reports a
//      notes file like the sound file;
//   3. emptying the view when it showed that recording is the caller's step.
#include <filesystem>

#include "core/interaction.h"

namespace velmora {

class ClientRegister;

// msg::AskDeleteClient ("All Information about this Client will be deleted!") - true for Yes.
bool confirmClientDeletion(Interaction& ui);
// msg::AskDeleteRecording ("All Information about this File will be deleted!") - true for Yes.
bool confirmRecordingDeletion(Interaction& ui);

struct ClientDeletion {
  bool folderRemoved = false;
  bool recordDeleted = false;
};

ClientDeletion deleteClient(Interaction& ui, ClientRegister& clientRegister,
                            const std::filesystem::path& workingFolder, int clientCode);

// Step 2 alone: the files of the patterns above, in their order.
void deleteClientFiles(const std::filesystem::path& clientFolderPath);

enum class NotesFailure { Silent, Reported };

// True when the sound file is gone afterwards.
bool deleteRecordingFiles(Interaction& ui, const std::filesystem::path& wavPath, NotesFailure notes);

}  // namespace velmora
