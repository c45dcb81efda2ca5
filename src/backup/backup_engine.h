#pragma once
// Backup of the working folder's clients into a dated folder, as a security copy (the
// working data stay) or a send to backup (the recordings leave, dated ".bkp" placeholders
// stay until they are attached again).
//
// backUp(request):
//   1. the chosen folder must not be the working folder (msg::TargetIsWorkingFolder, nothing made);
//   2. the dated folder is made in it (an existing one is used);
//   3. an earlier backup there asks msg::AskReplaceBackup; No fails and leaves it whole;
//   4. pacb.dbf is copied, p_ok.txt started; for every client: its files are copied (never
//      placeholders), datas.txt written, its code added to p_ok.txt, and in a send its data freed;
//   5. p_ok.txt goes; msg::BackupDone with the folder, or msg::BackupFailed.
// A failed or cancelled copy removes the backup folder; a failed send first brings back
// the clients already sent. A recording leaves the working folder only after its copy in the
// backup is complete and on disk.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "backup/backup_names.h"
#include "backup/backup_progress.h"
#include "core/interaction.h"

namespace velmora {

struct BackupRequest {
  std::filesystem::path workingFolder;
  std::filesystem::path targetFolder;  // the folder the user chose
  UtcDate date;
  int language = 0;
  bool send = false;
  std::optional<std::vector<int>> clientCodes;  // nothing: every client of the register
};

enum class OperationStatus { Done, Failed, Refused };

struct BackupResult {
  OperationStatus status = OperationStatus::Failed;
  std::filesystem::path backupFolder;
};

// Shows the closing message (146 or 147) itself, except for a refused target.
BackupResult backUp(const BackupRequest& request, Interaction& ui, BackupProgress& progress);

}  // namespace velmora
