#include "dialogs/report_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/language.h"
#include "core/message_ids.h"
#include "core/report_info.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

ReportInfoDialog::ReportInfoDialog(Interaction& ui, const std::filesystem::path& workingFolder, int language, QWidget* parent)
    : QDialog(parent), ui_(ui), folder_(workingFolder) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::ReportTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  clinic_ = new QLineEdit(this);
  clinic_->setObjectName("clinicName");
  registration_ = new QLineEdit(this);
  registration_->setObjectName("registration");
  form->addRow(new QLabel(QString::fromStdString(velmora::tr(str::ClinicNameLabel)), this));
  form->addRow(clinic_);
  auto* regLabel = new QLabel(QString::fromStdString(velmora::tr(str::RegistrationLabel)), this);
  form->addRow(regLabel, registration_);
  if (language == English) {
    regLabel->hide();
    registration_->hide();
  }
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  if (auto info = readReportInfo(folder_)) {
    clinic_->setText(QString::fromStdString(info->clinicName));
    registration_->setText(QString::fromStdString(info->registration));
  }
  resize(420, 120);
}

void ReportInfoDialog::accept() {
  if (!writeReportInfo(folder_, ReportInfo{clinic_->text().toStdString(), registration_->text().toStdString()}))
    showMessage(ui_, msg::ErrorSavingFile);
  QDialog::accept();
}

}  // namespace velmora
