#pragma once
// "Attention!": a click in the label band while more than 20 seconds are shown. It says the
// file is too large and asks for a zoom into a shorter stretch first; "OK" closes it.
#include <QDialog>

namespace velmora {

class TooLargeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TooLargeDialog(QWidget* parent = nullptr);
};

}  // namespace velmora
