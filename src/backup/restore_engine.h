#pragma once
// A backup folder brought back into the working folder: a full restore (the register and
// every client) or an attach (the files of chosen clients of the current register, which is
// how recordings sent to backup come back).
//
// restoreBackup(request):
//   1. the source must not be the working folder (msg::SelectBackupFolder);
//   2. full restore: the working register keeps a safety copy pacb.dbf1 and the backup's
//      register replaces it in one rename (msg::RegisterNotCopied when it cannot), so the
//      working register is at every moment the old one or the restored one;
//   3. for every client (attach: every chosen one): its folder is made, the backup's files
//      copied back (restore_steps.h) and the dates restored;
//   4. success: the X.bkp1 files and the safety copy go (msg::ProcessFinished); failure or
//      Cancel: the clients are rolled back, the safety copy put back (msg::ProcessNotFinished).
#include <filesystem>
#include <vector>

#include "backup/backup_engine.h"
#include "backup/backup_progress.h"
#include "core/interaction.h"

namespace velmora {

struct RestoreRequest {
  std::filesystem::path workingFolder;
  std::filesystem::path sourceFolder;
  bool attach = false;
  std::vector<int> attachCodes;  // the clients chosen for an attach
};

// Shows the closing message (149 or 150) itself, except for a refused source.
OperationStatus restoreBackup(const RestoreRequest& request, Interaction& ui, BackupProgress& progress);

}  // namespace velmora
