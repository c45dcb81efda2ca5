#include "dialogs/backup_wait_dialog.h"

#include <QGridLayout>
#include <algorithm>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace {
constexpr int kFileBarSteps = 1000;
constexpr int kMinimumWidth = 420;
}  // namespace

BackupWaitDialog::BackupWaitDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::CopyingDataTitle)));
  // Nothing else of the program is used while the copy runs.
  setWindowModality(Qt::ApplicationModal);
  setMinimumWidth(kMinimumWidth);
  auto* grid = new QGridLayout(this);
  client_ = new QLabel(this);
  operation_ = new QLabel(QString::fromStdString(velmora::tr(str::CompactingLabel)), this);
  fileName_ = new QLabel(this);
  files_ = new QProgressBar(this);
  file_ = new QProgressBar(this);
  file_->setRange(0, kFileBarSteps);
  cancelButton_ = new QPushButton(QString::fromStdString(velmora::tr(str::CancelButton)), this);
  grid->addWidget(client_, 0, 0, 1, 2);
  grid->addWidget(files_, 1, 0, 1, 2);
  grid->addWidget(operation_, 2, 0);
  grid->addWidget(fileName_, 2, 1);
  grid->addWidget(file_, 3, 0, 1, 2);
  grid->addWidget(cancelButton_, 4, 1, Qt::AlignRight);
  connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel_.store(true); });
}

void BackupWaitDialog::start() {
  cancel_.store(false);
  cancelButton_->setEnabled(true);
  client_->clear();
  fileName_->clear();
  files_->setRange(0, 1);
  files_->setValue(0);
  file_->setValue(0);
  show();
}

void BackupWaitDialog::clientStarted(const QString& name, int entryCount) {
  client_->setText(name);
  files_->setRange(0, std::max(1, entryCount));
  files_->setValue(0);
}

void BackupWaitDialog::fileStarted(const QString& label, const QString& fileName) {
  operation_->setText(label);
  fileName_->setText(fileName);
  file_->setValue(0);
}

void BackupWaitDialog::fileProgress(int permille) { file_->setValue(permille); }

void BackupWaitDialog::entryDone() {
  if (files_->value() < files_->maximum()) files_->setValue(files_->value() + 1);
}

void BackupWaitDialog::phase(const QString& text) {
  client_->setText(text);
  cancelButton_->setEnabled(false);
}

void BackupWaitDialog::reject() {
  if (cancelButton_->isEnabled()) cancel_.store(true);
}

}  // namespace velmora
