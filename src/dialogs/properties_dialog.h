#pragma once
// "Properties": the open recording's file, rate and length, read-only.
#include <QDialog>
#include <QLineEdit>

#include "presentation/audio_properties.h"

namespace velmora {

class PropertiesDialog : public QDialog {
  Q_OBJECT
 public:
  PropertiesDialog(const AudioProperties& properties, QWidget* parent = nullptr);

  QLineEdit* pathField() const { return path_; }
  QLineEdit* rateField() const { return rate_; }
  QLineEdit* secondsField() const { return seconds_; }

 private:
  QLineEdit* path_;
  QLineEdit* rate_;
  QLineEdit* seconds_;
};

}  // namespace velmora
