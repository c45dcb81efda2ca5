#pragma once
// "Report...": the clinic or professional name (and registration number) printed at the
// head of reports, kept in "info_vl.dat". OK rewrites the file (msg::ErrorSavingFile when it
// cannot be written); Cancel writes nothing.
#include <QDialog>
#include <filesystem>

#include "core/interaction.h"

class QLineEdit;

namespace velmora {

class ReportInfoDialog : public QDialog {
  Q_OBJECT
 public:
  // The registration box is left out of the English layout.
  ReportInfoDialog(Interaction& ui, const std::filesystem::path& workingFolder, int language, QWidget* parent = nullptr);

  QLineEdit* clinicEdit() const { return clinic_; }
  QLineEdit* registrationEdit() const { return registration_; }
  void accept() override;

 private:
  Interaction& ui_;
  std::filesystem::path folder_;
  QLineEdit* clinic_;
  QLineEdit* registration_;
};

}  // namespace velmora
