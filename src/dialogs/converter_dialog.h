#pragma once
// "Convert File ?": the import's question for a file that is not mono at 11025, 22050 or
// 44100 Hz. Shows the source's name, rate and channels; the therapist picks the target rate
// and, for a stereo source, the channel that is kept (or their mix).
#include <QDialog>
#include <optional>

#include "audio/import_pipeline.h"

class QComboBox;
class QRadioButton;

namespace velmora {

class ConverterDialog : public QDialog {
  Q_OBJECT
 public:
  ConverterDialog(const ConversionOffer& offer, QWidget* parent = nullptr);

  ConversionChoice choice() const;
  QComboBox* rateList() const { return rates_; }
  QRadioButton* channelButton(StereoChoice channel) const;

  // Shows the dialog; nothing when the therapist cancels.
  static std::optional<ConversionChoice> ask(const ConversionOffer& offer, QWidget* parent);

 private:
  QComboBox* rates_ = nullptr;
  QRadioButton* left_ = nullptr;
  QRadioButton* right_ = nullptr;
  QRadioButton* mix_ = nullptr;
  bool stereo_ = false;
};

}  // namespace velmora
