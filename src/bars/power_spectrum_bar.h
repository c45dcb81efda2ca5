#pragma once
// The control bar of the power-spectrum mode: record and playback groups, "Colors",
// "Update Rate", "Limit", "LTAS", "Visualisation" and "FFT Size".
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "bars/combo_focus_watch.h"
#include "bars/transport_buttons.h"

namespace velmora {

class PowerSpectrumBar : public QWidget {
  Q_OBJECT
 public:
  explicit PowerSpectrumBar(int updateRatePreference, QWidget* parent = nullptr);

  int setRate(int sampleRate);
  int selectedLimitHz() const;
  int selectedFftSize() const;

  TransportButtons* transport() const { return transport_; }
  ComboFocusWatch* comboFocus() const { return comboFocus_; }
  QPushButton* coloursButton() const { return colours_; }
  QComboBox* updateRateCombo() const { return updateRate_; }
  QComboBox* limitCombo() const { return limit_; }
  QCheckBox* ltasBox() const { return ltas_; }
  QComboBox* visualisationCombo() const { return visualisation_; }
  QComboBox* fftSizeCombo() const { return fftSize_; }

  // Sets the captions, boxes, entries and tips in the active language.
  void retranslate();

 signals:
  void limitChanged(int hz);
  void updateRateChanged(int index);
  void ltasToggled(bool on);
  void lineModeChanged(bool line);
  void fftSizeChanged(int points);
  void colourChosen(QColor colour);
  void focusBackToView();

 private:
  void createUi(int updateRatePreference);
  void connectUi();

  TransportButtons* transport_ = nullptr;
  ComboFocusWatch* comboFocus_ = nullptr;
  QPushButton* colours_ = nullptr;
  QComboBox* updateRate_ = nullptr;
  QComboBox* limit_ = nullptr;
  QCheckBox* ltas_ = nullptr;
  QComboBox* visualisation_ = nullptr;
  QComboBox* fftSize_ = nullptr;
  std::vector<int> limits_;
  std::vector<std::pair<QLabel*, int>> captions_;  // caption label, string id
};

}  // namespace velmora
