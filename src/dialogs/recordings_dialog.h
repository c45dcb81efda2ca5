#pragma once
// "<client> - Files": the open client's recordings, newest first, to open one or delete one.
// Rows sent to backup can be neither opened nor deleted (msg::SentToBackup). The caller supplies the
// deletion of a recording's files, and learns which numbers were deleted.
//
//   RecordingsDialog d(ui, workingFolder, code, clientName, language, parent);
//   d.setDeleteDisabled(true);                // for "Compare with File..."
//   d.setDeleter([&](int n) { return deleteRecordingFiles(...); });
//   if (d.exec() == QDialog::Accepted) open(d.chosenNumber(), d.chosenState());
#include <QDialog>
#include <filesystem>
#include <functional>
#include <vector>

#include "clients/recordings_list.h"
#include "core/interaction.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class RecordingsDialog : public QDialog {
  Q_OBJECT
 public:
  RecordingsDialog(Interaction& ui, const std::filesystem::path& workingFolder, int clientCode,
                   const std::string& clientName, int language, QWidget* parent = nullptr);

  void setDeleteDisabled(bool disabled);
  void setDeleter(std::function<bool(int number)> deleter) { deleter_ = std::move(deleter); }

  int chosenNumber() const { return chosenNumber_; }
  RecordingState chosenState() const { return chosenState_; }
  const std::vector<int>& deletedNumbers() const { return deleted_; }

  QTreeWidget* list() const { return list_; }
  QPushButton* openButton() const { return open_; }
  QPushButton* deleteButton() const { return delete_; }

  void openSelected();
  void deleteSelected();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fill();
  void updateButtons();
  // The selected row's entry, or nothing after the documented message.
  const RecordingRow* selectedRow();

  Interaction& ui_;
  std::filesystem::path folder_;
  int clientCode_;
  int language_;
  bool deleteDisabled_ = false;
  std::function<bool(int)> deleter_;
  std::vector<RecordingRow> rows_;
  std::vector<int> deleted_;
  int chosenNumber_ = -1;
  RecordingState chosenState_ = RecordingState::WvDated;
  QTreeWidget* list_;
  QPushButton* open_;
  QPushButton* delete_;
};

}  // namespace velmora
