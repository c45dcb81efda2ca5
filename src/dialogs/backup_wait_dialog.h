#pragma once
// "Wait, Copying Data...": the client's name (or the phase text), the bar over the client's
// files, the bar of the current file, the file's name, the operation label and Cancel.
// It only shows; BackupRunner feeds it from the engine's thread.
#include <QDialog>
#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

namespace velmora {

class BackupWaitDialog : public QDialog {
  Q_OBJECT
 public:
  explicit BackupWaitDialog(QWidget* parent = nullptr);

  // Shown for an operation: Cancel enabled and its flag cleared.
  void start();
  void clientStarted(const QString& name, int entryCount);
  void fileStarted(const QString& label, const QString& fileName);
  void fileProgress(int permille);
  void entryDone();
  // A phase that cannot be cancelled.
  void phase(const QString& text);

  bool cancelRequested() const { return cancel_.load(); }
  QPushButton* cancelButton() const { return cancelButton_; }
  QProgressBar* filesBar() const { return files_; }
  QProgressBar* fileBar() const { return file_; }

 protected:
  void reject() override;  // Escape and the close box press Cancel; the dialog stays

 private:
  std::atomic<bool> cancel_{false};
  QLabel* client_ = nullptr;
  QLabel* operation_ = nullptr;
  QLabel* fileName_ = nullptr;
  QProgressBar* files_ = nullptr;
  QProgressBar* file_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace velmora
