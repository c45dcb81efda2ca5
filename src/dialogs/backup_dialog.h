#pragma once
// "Backup/Restore": a security copy of all clients, a send to backup of chosen clients, a
// full restore and an attach of chosen clients. Each command asks for its clients and its
// folder, closes the open recording (with the save question) and runs the engine off the UI
// thread behind the wait dialog; the engine shows the closing message.
//
//   BackupDialog d(ui, workingFolder, language, [&] { view->closeRecording(); }, parent);
//   d.exec();
#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "clients/client_record.h"
#include "core/interaction.h"

class QPushButton;

namespace velmora {

class BackupWaitDialog;

class BackupDialog : public QDialog {
  Q_OBJECT
 public:
  BackupDialog(Interaction& ui, std::filesystem::path workingFolder, int language, std::function<void()> closeRecording,
               QWidget* parent = nullptr);

  void createBackup();    // all clients, nothing removed
  void sendToBackup();    // chosen clients, their recordings leave
  void restoreBackup();   // everything replaced by the backup
  void attachFiles();     // chosen clients' files come back

  // The client choice (the selection dialog unless a test replaces it); nothing on Cancel.
  std::function<std::optional<std::vector<int>>(const std::vector<ClientEntry>&, int promptId)> chooseClients;

  BackupWaitDialog* waitDialog() const { return wait_; }
  QPushButton* button(int index) const { return buttons_[index]; }

 private:
  void backUpClients(bool send);
  void restoreClients(bool attach);
  std::optional<std::vector<ClientEntry>> registerEntries();

  Interaction& ui_;
  std::filesystem::path workingFolder_;
  int language_;
  std::function<void()> closeRecording_;
  BackupWaitDialog* wait_ = nullptr;
  QPushButton* buttons_[4] = {};
};

}  // namespace velmora
