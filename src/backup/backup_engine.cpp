#include "backup/backup_engine.h"

#include <algorithm>

#include "backup/restore_steps.h"
#include "backup/safe_copy.h"
#include "clients/client_register.h"
#include "clients/recording_names.h"
#include "core/atomic_file.h"
#include "core/file_times.h"
#include "core/message_ids.h"
#include "core/string_ids.h"

namespace velmora {

namespace {

constexpr int kPermille = 1000;

struct Client {
  int code = 0;
  std::string name;
};

class BackupRun {
 public:
  BackupRun(const BackupRequest& request, const std::filesystem::path& backupFolder, Interaction& ui,
            BackupProgress& progress)
      : request_(request), folder_(backupFolder), ui_(ui), progress_(progress) {}

  bool copy();

 private:
  std::filesystem::path workingClient(int code) const { return clientFolder(request_.workingFolder, code); }
  std::filesystem::path backupClient(int code) const { return folder_ / clientFolderName(code); }
  bool listClients();
  StepResult copyClientFiles(int code);
  std::optional<std::string> datesText(int code);
  void freeClientData(int code);
  // The failure after the copy started: a send brings the clients already sent back.
  bool fail(bool removeFolder);
  bool rollBackSend();
  void removeBackupFolder();

  const BackupRequest& request_;
  std::filesystem::path folder_;
  Interaction& ui_;
  BackupProgress& progress_;
  std::vector<Client> clients_;
  std::string finished_;  // p_ok.txt's text
};

bool BackupRun::listClients() {
  ClientRegister reg(ui_);
  reg.setFileName(request_.workingFolder / kRegisterFileName);
  if (reg.query("") < 0) return false;
  for (const ClientEntry& e : reg.entries()) {
    const int code = recordFromEntry(e).code;
    if (code < 0) continue;
    const auto& wanted = request_.clientCodes;
    if (wanted && std::find(wanted->begin(), wanted->end(), code) == wanted->end()) continue;
    clients_.push_back(Client{code, e.name});
  }
  return true;
}

bool BackupRun::copy() {
  const std::filesystem::path backupRegister = folder_ / kRegisterFileName;
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(backupRegister, ec)) &&
      !askYesNo(ui_, msg::AskReplaceBackup))
    return false;
  const std::filesystem::path workingRegister = request_.workingFolder / kRegisterFileName;
  if (!isRegularNoLink(workingRegister)) {
    showMessage(ui_, msg::RegisterNotInFolder);
    return false;
  }
  if (copyFileSafely(workingRegister, backupRegister) != CopyResult::Copied) {
    showMessage(ui_, msg::RegisterNotCopied);
    return false;
  }
  if (!listClients()) return false;
  if (!writePrivateFile(folder_ / kProgressFileName, "")) {
    showMessage(ui_, msg::TemporaryFileNotCreated);
    return false;
  }
  for (const Client& client : clients_) {
    ensureFolderNoLink(backupClient(client.code));
    const std::filesystem::path source = workingClient(client.code);
    if (!isFolderNoLink(source)) continue;  // a client without a folder is skipped
    progress_.clientStarted(client.name, client.code, static_cast<int>(folderEntryNames(source).size()));
    if (copyClientFiles(client.code) != StepResult::Done) return fail(true);
    const std::optional<std::string> dates = datesText(client.code);
    if (!dates) return fail(false);
    if (!writePrivateFile(backupClient(client.code) / kDatesFileName, *dates)) {
      showMessage(ui_, msg::DatesFileNotCreated);
      return fail(false);
    }
    finished_ += std::to_string(client.code) + ";";
    if (!writePrivateFile(folder_ / kProgressFileName, finished_)) {
      showMessage(ui_, msg::TemporaryFileNotMade);
      return fail(false);
    }
    if (request_.send) {
      progress_.fileStarted(str::WaitLabel, tr(str::FreeingData));
      freeClientData(client.code);
    }
    progress_.clientFinished(client.code);
  }
  std::filesystem::remove(folder_ / kProgressFileName, ec);
  syncFolder(folder_);
  return true;
}

StepResult BackupRun::copyClientFiles(int code) {
  const std::filesystem::path source = workingClient(code);
  const std::filesystem::path target = backupClient(code);
  for (const std::string& name : folderEntryNames(source)) {
    // Placeholders are never copied; dot names are temporaries of an interrupted write.
    if (!isCopiedName(name) || name.front() == '.' || !isRegularNoLink(source / name)) {
      progress_.entryDone();
      continue;
    }
    progress_.fileStarted(str::Copying, name);
    const CopyResult r = copyFileSafely(source / name, target / name, [this](uint64_t done, uint64_t total) {
      progress_.fileProgress(total ? static_cast<int>(done * kPermille / total) : kPermille);
      return !progress_.cancelRequested();
    });
    if (r == CopyResult::Cancelled) return StepResult::Cancelled;
    if (r == CopyResult::Failed && !askYesNo(ui_, msg::AskContinueCopyFailed, name.c_str())) return StepResult::Failed;
    progress_.entryDone();
    if (progress_.cancelRequested()) return StepResult::Cancelled;
  }
  return StepResult::Done;
}

std::optional<std::string> BackupRun::datesText(int code) {
  const std::filesystem::path folder = workingClient(code);
  std::string text;
  for (const std::string& name : folderEntryNames(folder)) {
    if (name.size() <= 4 || asciiLower(name.substr(name.size() - 4)) != ".wav" || !isRegularNoLink(folder / name))
      continue;
    const uint64_t t = toWindowsFileTime(fileTime(folder / name).value_or(FileTime{}));
    const auto high = static_cast<uint32_t>(t >> 32);
    if (high == 0 && !askYesNo(ui_, msg::AskContinueWithoutCreationDate, name.c_str())) return std::nullopt;
    text += formatDatesLine(DatesRecord{name, high, static_cast<uint32_t>(t & 0xFFFFFFFFu)});
  }
  return text;
}

void BackupRun::freeClientData(int code) {
  const std::filesystem::path folder = workingClient(code);
  const std::filesystem::path copies = backupClient(code);
  for (const std::string& name : folderEntryNames(folder)) {
    const std::filesystem::path file = folder / name;
    if (!isCopiedName(name) || name.front() == '.' || !isRegularNoLink(file)) continue;
    // Only a file whose copy is in the backup, whole, may leave.
    std::error_code e1, e2;
    const auto size = std::filesystem::file_size(file, e1);
    if (!isRegularNoLink(copies / name) || std::filesystem::file_size(copies / name, e2) != size || e1 || e2)
      continue;
    if (lastThree(name) == "wav") {
      const std::optional<FileTime> t = fileTime(file);
      if (!writePrivateFile(folder / withLastThree(name, "bkp"), "", t ? &*t : nullptr)) continue;
    }
    std::filesystem::remove(file, e1);
  }
  syncFolder(folder);
}

bool BackupRun::fail(bool removeFolder) {
  // The backup stays whenever it may hold the only copy of a sent recording.
  const bool allBack = !request_.send || rollBackSend();
  if (removeFolder && allBack) removeBackupFolder();
  return false;
}

bool BackupRun::rollBackSend() {
  progress_.phase(str::RestoringFiles);
  std::string text;
  if (!readSmallFile(folder_ / kProgressFileName, text, kMaxProgressFileBytes)) text = finished_;
  for (const int code : parseProgressCodes(text)) {
    const std::filesystem::path source = backupClient(code);
    const std::filesystem::path target = workingClient(code);
    if (!isFolderNoLink(source) || !isFolderNoLink(target)) return false;
    if (copyBack(source, target, ui_, progress_, false) != StepResult::Done) return false;
    retirePlaceholders(target);
    if (!restoreDates(target, ui_, progress_) && !askYesNo(ui_, msg::AskContinueWithoutDates)) return false;
  }
  return true;
}

void BackupRun::removeBackupFolder() {
  progress_.phase(str::RemovingBackupFolder);
  std::error_code ec;
  for (const std::string& name : folderEntryNames(folder_)) {
    const std::filesystem::path entry = folder_ / name;
    if (isFolderNoLink(entry)) {
      for (const std::string& inner : folderEntryNames(entry))
        if (!isFolderNoLink(entry / inner)) std::filesystem::remove(entry / inner, ec);
    }
    std::filesystem::remove(entry, ec);  // a file, a link itself, or the emptied folder
  }
  if (!std::filesystem::remove(folder_, ec)) showMessage(ui_, msg::BackupFolderNotRemoved);
}

}  // namespace

BackupResult backUp(const BackupRequest& request, Interaction& ui, BackupProgress& progress) {
  BackupResult result;
  if (sameFolder(request.targetFolder, request.workingFolder)) {
    showMessage(ui, msg::TargetIsWorkingFolder);
    result.status = OperationStatus::Refused;
    return result;
  }
  result.backupFolder = request.targetFolder / datedBackupFolderName(request.date, request.language);
  bool ok = ensureFolderNoLink(result.backupFolder);
  if (ok) ok = BackupRun(request, result.backupFolder, ui, progress).copy();
  progress.finished();
  if (ok) {
    showMessage(ui, msg::BackupDone, result.backupFolder.string().c_str());
    result.status = OperationStatus::Done;
  } else {
    showMessage(ui, msg::BackupFailed);
  }
  return result;
}

}  // namespace velmora
