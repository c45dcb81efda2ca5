#pragma once
// "Select a Client" for the backup: the register's clients in a multiple-selection list
// (name and "%04d" code, each with its type's icon), "Select All", OK and Cancel. OK with no
// row selected shows msg::SelectAtLeastOneClient and the dialog stays.
//
//   ClientSelectionDialog d(ui, entries, tr(str::BackupClientsPrompt), parent);
//   if (d.exec() == QDialog::Accepted) codes = d.selectedCodes();
#include <QDialog>
#include <vector>

#include "clients/client_record.h"
#include "core/interaction.h"

class QCheckBox;
class QTreeWidget;

namespace velmora {

class ClientSelectionDialog : public QDialog {
  Q_OBJECT
 public:
  ClientSelectionDialog(Interaction& ui, const std::vector<ClientEntry>& entries, const std::string& prompt,
                        QWidget* parent = nullptr);

  std::vector<int> selectedCodes() const;
  QTreeWidget* list() const { return list_; }
  QCheckBox* selectAll() const { return selectAll_; }

  void accept() override;

 private:
  Interaction& ui_;
  std::vector<int> codes_;
  QTreeWidget* list_ = nullptr;
  QCheckBox* selectAll_ = nullptr;
};

}  // namespace velmora
