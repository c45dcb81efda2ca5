#include "dialogs/backup_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "backup/backup_engine.h"
#include "backup/restore_engine.h"
#include "clients/client_register.h"
#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "dialogs/backup_runner.h"
#include "dialogs/backup_wait_dialog.h"
#include "dialogs/client_selection_dialog.h"
#include "core/string_table.h"

namespace velmora {

namespace {
QString text(int id) { return QString::fromStdString(velmora::tr(id)); }
}  // namespace

BackupDialog::BackupDialog(Interaction& ui, std::filesystem::path workingFolder, int language,
                           std::function<void()> closeRecording, QWidget* parent)
    : QDialog(parent), ui_(ui), workingFolder_(std::move(workingFolder)), language_(language),
      closeRecording_(std::move(closeRecording)) {
  setWindowTitle(text(str::BackupRestoreTitle));
  auto* grid = new QGridLayout(this);
  const QString captions[4] = {text(str::CreateBackupTitle), text(str::SendToBackupButton), text(str::RestoreBackupTitle),
                               text(str::AttachFilesButton)};
  const int descriptions[4] = {str::CreateBackupHelp, str::SendToBackupHelp, str::RestoreBackupHelp,
                               str::AttachFilesHelp};
  for (int i = 0; i < 4; ++i) {
    buttons_[i] = new QPushButton(captions[i], this);
    buttons_[i]->setAutoDefault(false);
    auto* label = new QLabel(text(descriptions[i]), this);
    label->setWordWrap(true);
    grid->addWidget(buttons_[i], i, 0);
    grid->addWidget(label, i, 1);
  }
  auto* close = new QPushButton(text(str::CloseItem), this);
  grid->addWidget(close, 4, 0);
  grid->setColumnMinimumWidth(1, 320);
  connect(buttons_[0], &QPushButton::clicked, this, &BackupDialog::createBackup);
  connect(buttons_[1], &QPushButton::clicked, this, &BackupDialog::sendToBackup);
  connect(buttons_[2], &QPushButton::clicked, this, &BackupDialog::restoreBackup);
  connect(buttons_[3], &QPushButton::clicked, this, &BackupDialog::attachFiles);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  // Made hidden with the dialog, shown only while an operation runs.
  wait_ = new BackupWaitDialog(this);
  chooseClients = [this](const std::vector<ClientEntry>& entries, int promptId) -> std::optional<std::vector<int>> {
    ClientSelectionDialog d(ui_, entries, velmora::tr(promptId), this);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.selectedCodes();
  };
}

void BackupDialog::createBackup() { backUpClients(false); }
void BackupDialog::sendToBackup() { backUpClients(true); }
void BackupDialog::restoreBackup() { restoreClients(false); }
void BackupDialog::attachFiles() { restoreClients(true); }

std::optional<std::vector<ClientEntry>> BackupDialog::registerEntries() {
  ClientRegister reg(ui_);
  reg.setFileName(workingFolder_ / kRegisterFileName);
  if (reg.query("") < 0) return std::nullopt;
  return reg.entries();
}

void BackupDialog::backUpClients(bool send) {
  BackupRequest request;
  request.workingFolder = workingFolder_;
  request.language = language_;
  request.send = send;
  if (send) {
    const auto entries = registerEntries();
    if (!entries) return;
    request.clientCodes = chooseClients(*entries, str::BackupClientsPrompt);
    if (!request.clientCodes) return;
  }
  request.date = currentUtcDate();
  const auto folder = ui_.chooseFolder(velmora::tr(str::TargetFolderTitle), workingFolder_);
  if (!folder) return;
  request.targetFolder = *folder;
  // Refused before anything is closed or made.
  if (sameFolder(request.targetFolder, workingFolder_)) {
    showMessage(ui_, msg::TargetIsWorkingFolder);
    return;
  }
  if (closeRecording_) closeRecording_();
  BackupRunner(ui_, *wait_).run([&](Interaction& ui, BackupProgress& progress) { backUp(request, ui, progress); });
}

void BackupDialog::restoreClients(bool attach) {
  RestoreRequest request;
  request.workingFolder = workingFolder_;
  request.attach = attach;
  if (attach) {
    const auto entries = registerEntries();
    if (!entries) return;
    const auto codes = chooseClients(*entries, str::AttachClientsPrompt);
    if (!codes) return;
    request.attachCodes = *codes;
  }
  const auto folder = ui_.chooseFolder(velmora::tr(str::SourceFolderTitle), workingFolder_);
  if (!folder) return;
  request.sourceFolder = *folder;
  if (closeRecording_) closeRecording_();
  BackupRunner(ui_, *wait_).run(
      [&](Interaction& ui, BackupProgress& progress) { velmora::restoreBackup(request, ui, progress); });
}

}  // namespace velmora
