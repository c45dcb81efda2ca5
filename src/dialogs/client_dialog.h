#pragma once
// "Client": a client's personal information, for a new client (Insert) or an existing one
// (Change). OK checks the name, the type and the birth date and leaves the edited record in
// record(); the caller stores it (append or update) and opens the client.
//
//   ClientDialog d(ui, ClientDialog::Insert, language, parent);
//   d.setRecord(record);            // code (new or existing) and, when editing, its fields
//   if (d.exec() == QDialog::Accepted) store(d.record());
#include <QDialog>
#include <array>

#include "clients/client_record.h"
#include "core/interaction.h"
#include "presentation/birth_date_entry.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class LimitedTextEdit;

class ClientDialog : public QDialog {
  Q_OBJECT
 public:
  enum Mode { Insert = 1, Edit = 2 };

  ClientDialog(Interaction& ui, Mode mode, int language, QWidget* parent = nullptr);

  void setRecord(const ClientRecord& record);
  const ClientRecord& record() const { return record_; }
  Mode mode() const { return mode_; }

  void accept() override;

  // For tests and keyboard order checks.
  QLineEdit* nameEdit() const { return name_; }
  QLineEdit* dateEdit(DateBox box) const { return dateEdits_[static_cast<size_t>(box)]; }
  QLineEdit* addressEdit() const { return address_; }
  QLineEdit* codeEdit() const { return code_; }
  QButtonGroup* typeGroup() const { return types_; }
  QPushButton* okButton() const { return ok_; }
  bool dateComplete(DateBox box) const { return complete_[static_cast<size_t>(box)]; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createUi();
  void onDateEdited(DateBox box);
  void focusTarget(FocusTarget target);

  Interaction& ui_;
  Mode mode_;
  int language_;
  ClientRecord record_;
  std::array<bool, 3> complete_{};
  QLineEdit* code_;
  QLineEdit* name_;
  QButtonGroup* types_;
  std::array<QLineEdit*, 3> dateEdits_{};
  QLineEdit* address_;
  QLineEdit* city_;
  QComboBox* state_;
  QLineEdit* zip_;
  QLineEdit* homePhone_;
  QLineEdit* workPhone_;
  LimitedTextEdit* observations_;
  QPushButton* ok_;
};

}  // namespace velmora
