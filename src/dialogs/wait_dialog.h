#pragma once
// "Wait...": the progress of a long conversion (steps 0 .. 101) with a Cancel button. Cancel
// only asks; the work stops at its next step and the dialog closes when it has.
#include <QDialog>
#include <atomic>

class QProgressBar;
class QPushButton;

namespace velmora {

class WaitDialog : public QDialog {
  Q_OBJECT
 public:
  explicit WaitDialog(QWidget* parent = nullptr);

  void setStep(int step);
  bool cancelRequested() const { return cancelled_.load(); }
  QProgressBar* bar() const { return bar_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void reject() override;  // Escape and the window's close button cancel too

 private:
  QProgressBar* bar_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::atomic<bool> cancelled_{false};
};

}  // namespace velmora
