#pragma once
// "Select a Client": the register's clients with a name search; opens, edits, deletes or
// creates a client, or switches to "Other Files". exec() gives a ClientListResult.
//
//   ClientListDialog d(ui, clientRegister, workingFolder, language, openClientCode, parent);
//   d.onOpenClientEdited = [&](const ClientRecord& r) { ... title ... };
//   d.onOpenClientDeleting = [&] { ... close the recording, empty the view ... };
//   switch (d.exec()) { case ClientListDialog::Chosen: use(d.chosen()); ... }
#include <QDialog>
#include <filesystem>
#include <functional>

#include "clients/client_record.h"
#include "core/interaction.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace velmora {

class ClientRegister;

class ClientListDialog : public QDialog {
  Q_OBJECT
 public:
  enum ClientListResult { Chosen = 1, Cancelled = 2, NewClient = 5, OtherFiles = 6 };

  ClientListDialog(Interaction& ui, ClientRegister& clientRegister, const std::filesystem::path& workingFolder,
                   int language, int openClientCode, QWidget* parent = nullptr);

  const ClientRecord& chosen() const { return chosen_; }
  // Whether the open client was deleted from here (the caller then has no client).
  bool openClientDeleted() const { return openClientDeleted_; }

  std::function<void(const ClientRecord&)> onOpenClientEdited;
  std::function<void()> onOpenClientDeleting;
  // Runs the client dialog in edit mode; tests replace it. Gives true for OK.
  std::function<bool(ClientRecord&)> editClient;

  void search();
  void openSelected();
  void editSelected();
  void deleteSelected();
  int nameColumnWidth() const;

  QTreeWidget* list() const { return list_; }
  QLineEdit* searchEdit() const { return search_; }
  QPushButton* openButton() const { return open_; }
  QPushButton* infoButton() const { return info_; }
  QPushButton* deleteButton() const { return delete_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fill();
  void fitNameColumn(int clientCount, int smallListWidth);
  void updateButtons();
  int selectedCode();  // -1 after msg::SelectItem

  Interaction& ui_;
  ClientRegister& register_;
  std::filesystem::path folder_;
  int language_;
  int openClientCode_;
  bool openClientDeleted_ = false;
  ClientRecord chosen_;
  QTreeWidget* list_;
  QLineEdit* search_;
  QPushButton* open_;
  QPushButton* info_;
  QPushButton* delete_;
};

}  // namespace velmora
