#include "backup/restore_engine.h"

#include <unistd.h>

#include <algorithm>

#include "backup/backup_names.h"
#include "backup/restore_steps.h"
#include "backup/safe_copy.h"
#include "clients/client_register.h"
#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "core/string_ids.h"

namespace velmora {

namespace {

struct Client {
  int code = 0;
  std::string name;
  bool chosen = false;
};

class RestoreRun {
 public:
  RestoreRun(const RestoreRequest& request, Interaction& ui, BackupProgress& progress)
      : request_(request), ui_(ui), progress_(progress),
        register_(request.workingFolder / kRegisterFileName),
        safetyCopy_(register_.string() + kRegisterSafetySuffix) {}

  bool run();

 private:
  bool replaceRegister();
  void putSafetyCopyBack();
  bool listClients();
  bool fail();

  const RestoreRequest& request_;
  Interaction& ui_;
  BackupProgress& progress_;
  std::filesystem::path register_;
  std::filesystem::path safetyCopy_;
  bool hadRegister_ = false;
  std::vector<Client> clients_;
};

bool RestoreRun::replaceRegister() {
  const std::filesystem::path source = request_.sourceFolder / kRegisterFileName;
  if (!isRegularNoLink(source)) {
    showMessage(ui_, msg::RegisterNotCopied);
    return false;
  }
  std::error_code ec;
  std::filesystem::remove(safetyCopy_, ec);  // left by an interrupted restore
  hadRegister_ = isRegularNoLink(register_);
  // A second name for the old register, so that replacing it is a single rename and no
  // moment passes without a register.
  if (hadRegister_ && ::link(register_.c_str(), safetyCopy_.c_str()) != 0 &&
      copyFileSafely(register_, safetyCopy_) != CopyResult::Copied) {
    showMessage(ui_, msg::RegisterNotCopied);
    return false;
  }
  syncFolder(request_.workingFolder);
  if (copyFileSafely(source, register_) != CopyResult::Copied) {
    showMessage(ui_, msg::RegisterNotCopied);
    putSafetyCopyBack();
    return false;
  }
  return true;
}

void RestoreRun::putSafetyCopyBack() {
  if (request_.attach) return;
  std::error_code ec;
  if (hadRegister_) std::filesystem::rename(safetyCopy_, register_, ec);
  else std::filesystem::remove(register_, ec);
  syncFolder(request_.workingFolder);
}

bool RestoreRun::listClients() {
  if (!isRegularNoLink(register_)) {
    showMessage(ui_, msg::RegisterNotInFolder);
    return false;
  }
  ClientRegister reg(ui_);
  reg.setFileName(register_);
  if (reg.query("") < 0) return false;
  for (const ClientEntry& e : reg.entries()) {
    const int code = recordFromEntry(e).code;
    if (code < 0) continue;
    const auto& wanted = request_.attachCodes;
    const bool chosen = !request_.attach || std::find(wanted.begin(), wanted.end(), code) != wanted.end();
    clients_.push_back(Client{code, e.name, chosen});
  }
  return true;
}

bool RestoreRun::fail() {
  progress_.phase(str::RestoringFiles);
  for (const Client& c : clients_) {
    const std::filesystem::path folder = clientFolder(request_.workingFolder, c.code);
    if (isFolderNoLink(folder)) rollBackClient(folder);
  }
  putSafetyCopyBack();
  return false;
}

bool RestoreRun::run() {
  if (!request_.attach && !replaceRegister()) return false;
  if (!listClients()) {
    putSafetyCopyBack();
    return false;
  }
  for (const Client& client : clients_) {
    if (!client.chosen) continue;
    const std::filesystem::path target = clientFolder(request_.workingFolder, client.code);
    if (!ensureFolderNoLink(target)) return fail();
    const std::filesystem::path source = request_.sourceFolder / clientFolderName(client.code);
    if (!isFolderNoLink(source)) {
      if (!request_.attach) continue;
      if (!askYesNo(ui_, msg::AskContinueFilesMissing, client.name.c_str())) return fail();
      continue;
    }
    progress_.clientStarted(client.name, client.code, static_cast<int>(folderEntryNames(source).size()));
    if (copyBack(source, target, ui_, progress_, true) != StepResult::Done) return fail();
    if (!restoreDates(target, ui_, progress_) && !askYesNo(ui_, msg::AskContinueWithoutDates)) return fail();
    progress_.clientFinished(client.code);
  }
  for (const Client& c : clients_) {
    const std::filesystem::path folder = clientFolder(request_.workingFolder, c.code);
    if (isFolderNoLink(folder)) retirePlaceholders(folder);
  }
  std::error_code ec;
  std::filesystem::remove(safetyCopy_, ec);
  syncFolder(request_.workingFolder);
  return true;
}

}  // namespace

OperationStatus restoreBackup(const RestoreRequest& request, Interaction& ui, BackupProgress& progress) {
  if (sameFolder(request.sourceFolder, request.workingFolder)) {
    showMessage(ui, msg::SelectBackupFolder);
    return OperationStatus::Refused;
  }
  const bool ok = RestoreRun(request, ui, progress).run();
  progress.finished();
  showMessage(ui, ok ? msg::ProcessFinished : msg::ProcessNotFinished);
  return ok ? OperationStatus::Done : OperationStatus::Failed;
}

}  // namespace velmora
