#include "backup/restore_steps.h"

#include <algorithm>
#include <string>
#include <vector>

#include "backup/backup_names.h"
#include "backup/mp3_decoder.h"
#include "backup/safe_copy.h"
#include "clients/recording_names.h"
#include "core/atomic_file.h"
#include "core/file_times.h"
#include "core/message_ids.h"
#include "core/string_ids.h"

namespace velmora {

namespace {

constexpr int kPermille = 1000;

bool endsWithIgnoringCase(const std::string& name, std::string_view suffix) {
  return name.size() > suffix.size() && asciiLower(name.substr(name.size() - suffix.size())) == suffix;
}

// The placeholder of a restored recording steps aside until the whole restore is done.
void setPlaceholderAside(const std::filesystem::path& workingClientFolder, const std::string& targetName) {
  const std::filesystem::path placeholder = workingClientFolder / withLastThree(targetName, "bkp");
  if (!isRegularNoLink(placeholder)) return;
  std::error_code ec;
  std::filesystem::rename(placeholder, placeholder.string() + "1", ec);
}

bool removeFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::remove(path, ec);
}

}  // namespace

std::vector<std::string> folderEntryNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

StepResult copyBack(const std::filesystem::path& backupClientFolder, const std::filesystem::path& workingClientFolder,
                    Interaction& ui, BackupProgress& progress, bool cancellable) {
  for (const std::string& name : folderEntryNames(backupClientFolder)) {
    const std::filesystem::path source = backupClientFolder / name;
    // Short names are not the program's files; dot names are an interrupted copy's temporaries.
    if (name.size() < 5 || name.front() == '.') {
      progress.entryDone();
      continue;
    }
    if (!isPlainFileName(name) || !isRegularNoLink(source)) {
      progress.skipped(backupClientFolder.string(), name);
      progress.entryDone();
      continue;
    }
    const std::string kind = lastThree(name);
    const bool mp3 = kind == "mp3";
    const std::string targetName = mp3 ? withLastThree(name, "wav") : name;
    const std::filesystem::path target = workingClientFolder / targetName;
    bool copied = false;
    if (mp3) {
      progress.fileStarted(str::Decompressing, name);
      copied = decompressToWav(source, target);
      if (copied) progress.fileProgress(kPermille);
      else if (!askYesNo(ui, msg::AskContinueNotDecompressed, name.c_str())) return StepResult::Failed;
    } else {
      progress.fileStarted(str::Copying, name);
      const CopyResult r = copyFileSafely(source, target, [&](uint64_t done, uint64_t total) {
        progress.fileProgress(total ? static_cast<int>(done * kPermille / total) : kPermille);
        return !(cancellable && progress.cancelRequested());
      });
      if (r == CopyResult::Cancelled) return StepResult::Cancelled;
      copied = r == CopyResult::Copied;
      if (!copied && !askYesNo(ui, msg::AskContinueCopyFailed, name.c_str())) return StepResult::Failed;
    }
    if (copied && (mp3 || kind == "wav")) setPlaceholderAside(workingClientFolder, targetName);
    progress.entryDone();
    if (cancellable && progress.cancelRequested()) return StepResult::Cancelled;
  }
  syncFolder(workingClientFolder);
  return StepResult::Done;
}

bool restoreDates(const std::filesystem::path& workingClientFolder, Interaction& ui, BackupProgress& progress) {
  const std::filesystem::path datesPath = workingClientFolder / kDatesFileName;
  const std::vector<std::string> names = folderEntryNames(workingClientFolder);
  const bool anySound = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
    return endsWithIgnoringCase(n, ".wav") && isRegularNoLink(workingClientFolder / n);
  });
  if (!anySound) {
    // Nothing to date; the dates file has served its purpose all the same.
    if (isRegularNoLink(datesPath)) removeFile(datesPath);
    return true;
  }
  std::string text;
  if (!isRegularNoLink(datesPath) || !readSmallFile(datesPath, text, kMaxDatesFileBytes)) {
    showMessage(ui, msg::DatesFileMissing);
    return false;
  }
  for (const DatesRecord& record : parseDatesFile(text)) {
    if (!isPlainFileName(record.name)) {
      progress.skipped(datesPath.string(), record.name);
      continue;
    }
    const std::filesystem::path file = workingClientFolder / record.name;
    const uint64_t windowsTime = (static_cast<uint64_t>(record.high) << 32) | record.low;
    if (!isRegularNoLink(file) || !setFileTime(file, fromWindowsFileTime(windowsTime)))
      showMessage(ui, msg::OriginalDateUnreadable, record.name.c_str());
  }
  removeFile(datesPath);
  return true;
}

void retirePlaceholders(const std::filesystem::path& workingClientFolder) {
  for (const std::string& name : folderEntryNames(workingClientFolder))
    if (endsWithIgnoringCase(name, ".bkp1") && isRegularNoLink(workingClientFolder / name))
      removeFile(workingClientFolder / name);
}

void rollBackClient(const std::filesystem::path& workingClientFolder) {
  for (const std::string& name : folderEntryNames(workingClientFolder)) {
    if (!endsWithIgnoringCase(name, ".bkp1") || !isRegularNoLink(workingClientFolder / name)) continue;
    const std::string stem = name.substr(0, name.size() - 5);
    // The placeholder first, so that at every moment the recording is either listed as
    // sent to backup or present; then the restored sound goes.
    std::error_code ec;
    std::filesystem::rename(workingClientFolder / name, workingClientFolder / (stem + ".bkp"), ec);
    if (!ec) removeFile(workingClientFolder / (stem + ".wav"));
  }
  syncFolder(workingClientFolder);
}

}  // namespace velmora
