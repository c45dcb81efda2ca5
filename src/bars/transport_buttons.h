#pragma once
// The record and playback groups both bars carry: record, record-pause and rate buttons,
// play and playback-pause buttons. They start disabled; the recording and playback code
// enables them and changes their icons through the accessors.
#include <QGroupBox>
#include <QIcon>
#include <QToolButton>
#include <QWidget>

namespace velmora {

enum class BarIcon { Play, Stop, Record, SmallArrow, Pause };
QIcon barIcon(BarIcon which);

class TransportButtons : public QWidget {
  Q_OBJECT
 public:
  explicit TransportButtons(QWidget* parent = nullptr);

  QToolButton* recordButton() const { return record_; }
  QToolButton* recordPauseButton() const { return recordPause_; }
  QToolButton* rateButton() const { return rate_; }
  QToolButton* playButton() const { return play_; }
  QToolButton* playPauseButton() const { return playPause_; }

  // Sets the group titles and button tips in the active language.
  void retranslate();

 private:
  QToolButton* record_;
  QToolButton* recordPause_;
  QToolButton* rate_;
  QToolButton* play_;
  QToolButton* playPause_;
  QGroupBox* recordGroup_;
  QGroupBox* playGroup_;
};

}  // namespace velmora
