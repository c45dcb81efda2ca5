#pragma once
// The steps a restore, an attach and the roll back of a send to backup share, each on one
// client folder of the working folder.
//
//   copyBack        every file of the backup's client folder into the working one (MP3 files
//                   decoded to WAV); a restored recording's placeholder X.bkp becomes X.bkp1
//   restoreDates    datas.txt gives each sound file its date back; datas.txt is then deleted
//   retirePlaceholders   the X.bkp1 files go once the whole operation succeeded
//   rollBackClient  after a failure: each X.bkp1 brings back X.bkp and its X.wav goes
//
// Names from the backup are taken only as plain file names of regular files; anything else
// is skipped and told to the progress sink, so nothing is ever written outside the working
// client folder.
#include <filesystem>

#include "backup/backup_progress.h"
#include "core/interaction.h"

namespace velmora {

enum class StepResult { Done, Failed, Cancelled };

// Cancel is looked at only when `cancellable` (the roll back of a send runs to its end).
StepResult copyBack(const std::filesystem::path& backupClientFolder, const std::filesystem::path& workingClientFolder,
                    Interaction& ui, BackupProgress& progress, bool cancellable);

// False after msg::DatesFileMissing (no or unreadable datas.txt while sound files are there).
bool restoreDates(const std::filesystem::path& workingClientFolder, Interaction& ui, BackupProgress& progress);

void retirePlaceholders(const std::filesystem::path& workingClientFolder);

void rollBackClient(const std::filesystem::path& workingClientFolder);

// Names of a folder's entries, sorted (the order the steps handle them in).
std::vector<std::string> folderEntryNames(const std::filesystem::path& folder);

}  // namespace velmora
