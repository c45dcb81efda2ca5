#pragma once
// The small "Compare" window that stays beside the panes while a comparison is open: the
// compared file's frequency-limit list and its play/stop button, with a pause button that
// is live only while the compared file plays.
#include <QDialog>

class QComboBox;
class QLabel;
class QToolButton;

namespace velmora {

class CompareWindow : public QDialog {
  Q_OBJECT
 public:
  // The list is filled for the compared file's rate, its third entry chosen.
  CompareWindow(int rateHz, QWidget* parent);

  QComboBox* limitList() const { return limits_; }
  QToolButton* playButton() const { return play_; }
  QToolButton* pauseButton() const { return pause_; }
  int selectedLimitHz() const;
  // The play button shows stop and the pause button comes alive while the file plays.
  void setPlaying(bool playing);
  // Title and caption in the language now chosen.
  void retranslate();

 signals:
  void limitChosen(int hz);
  void playClicked();
  void pauseClicked();

 private:
  QLabel* caption_;
  QComboBox* limits_;
  QToolButton* play_;
  QToolButton* pause_;
};

}  // namespace velmora
