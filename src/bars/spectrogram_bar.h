#pragma once
// The control bar of the spectrogram mode: record and playback groups, "Colors",
// "Update Rate", "Band", "Limit", the "F0", "Formants" and "Spectrogram" boxes and the dB
// slider. It only reports choices; the view applies them.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "bars/db_slider.h"
#include "bars/combo_focus_watch.h"
#include "bars/transport_buttons.h"

namespace velmora {

class SpectrogramBar : public QWidget {
  Q_OBJECT
 public:
  explicit SpectrogramBar(int updateRatePreference, QWidget* parent = nullptr);

  // Rebuilds "Limit" for the rate and selects its third entry; returns that limit in Hz.
  int setRate(int sampleRate);
  int selectedLimitHz() const;
  int selectedBandHz() const;
  int selectedUpdateRateIndex() const { return updateRate_->currentIndex(); }

  TransportButtons* transport() const { return transport_; }
  ComboFocusWatch* comboFocus() const { return comboFocus_; }
  QPushButton* coloursButton() const { return colours_; }
  QComboBox* updateRateCombo() const { return updateRate_; }
  QComboBox* bandCombo() const { return band_; }
  QComboBox* limitCombo() const { return limit_; }
  QCheckBox* f0Box() const { return f0_; }
  QCheckBox* formantsBox() const { return formants_; }
  QCheckBox* spectrogramBox() const { return spectrogram_; }
  DbSlider* dbSlider() const { return db_; }

  // Sets the captions, boxes and tips in the active language.
  void retranslate();

 signals:
  void bandChanged(int hz);
  void limitChanged(int hz);
  void updateRateChanged(int index);
  void f0Toggled(bool on);
  void formantsToggled(bool on);
  void spectrogramToggled(bool on);
  void schemeChosen(int scheme);
  void levelsChanged(int db);
  void focusBackToView();

 private:
  void createUi(int updateRatePreference);
  void connectUi();

  TransportButtons* transport_ = nullptr;
  ComboFocusWatch* comboFocus_ = nullptr;
  QPushButton* colours_ = nullptr;
  QComboBox* updateRate_ = nullptr;
  QComboBox* band_ = nullptr;
  QComboBox* limit_ = nullptr;
  QCheckBox* f0_ = nullptr;
  QCheckBox* formants_ = nullptr;
  QCheckBox* spectrogram_ = nullptr;
  DbSlider* db_ = nullptr;
  std::vector<int> limits_;
  std::vector<std::pair<QLabel*, int>> captions_;  // caption label, string id
};

// A labelled combo box as both bars lay them out.
// The caption takes the text of string `label` and is listed in `captions` for retranslation.
QComboBox* addLabelledCombo(QWidget* bar, int label, const QStringList& items,
                            std::vector<std::pair<QLabel*, int>>& captions);

}  // namespace velmora
