#include "dialogs/print_options_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>
#include "core/string_ids.h"
#include "core/string_table.h"

#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

PrintOptionsDialog::PrintOptionsDialog(const QString& title, const PrintOptions& kept, bool notesFileExists,
                                       QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  grayScale_ = new QCheckBox(QString::fromStdString(velmora::tr(str::GrayScaleEntry)), this);
  grayScale_->setObjectName("grayScale");
  grayScale_->setChecked(kept.grayScale);
  personal_ = new QCheckBox(QString::fromStdString(velmora::tr(str::PersonalInformation)), this);
  personal_->setObjectName("personalInformation");
  personal_->setChecked(kept.personalInformation);
  notes_ = new QCheckBox(QString::fromStdString(velmora::tr(str::NotesBox)), this);
  notes_->setObjectName("notes");
  notes_->setChecked(kept.notes && notesFileExists);
  notes_->setEnabled(notesFileExists);
  voiceReport_ = new QCheckBox(QString::fromStdString(velmora::tr(str::PrintVoiceReport)), this);
  voiceReport_->setObjectName("voiceReport");
  voiceReport_->setChecked(kept.voiceReport);
  for (QCheckBox* box : {grayScale_, personal_, notes_, voiceReport_}) layout->addWidget(box);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

PrintOptions PrintOptionsDialog::options() const {
  return PrintOptions{grayScale_->isChecked(), personal_->isChecked(), notes_->isChecked(), voiceReport_->isChecked()};
}

}  // namespace velmora
