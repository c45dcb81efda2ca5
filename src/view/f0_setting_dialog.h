#pragma once
// "F0 Setting...": the F0 display range as two editable lists ("Min.:", "Max:"), checked on
// OK (and on Escape from OK or a list) with the range rules; a refusal shows its message
// through the interaction and keeps the dialog open.
#include <QComboBox>
#include <QDialog>

#include "analysis/f0_range.h"
#include "core/interaction.h"

namespace velmora {

class F0SettingDialog : public QDialog {
  Q_OBJECT
 public:
  F0SettingDialog(const F0DisplayRange& current, Interaction& ui, QWidget* parent = nullptr);

  QComboBox* minBox() const { return min_; }
  QComboBox* maxBox() const { return max_; }
  // The accepted range (meaningful after exec() returned Accepted).
  F0DisplayRange range() const { return range_; }
  // What OK does: validate, store and close, or show the refusal.
  void tryAccept();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Interaction& ui_;
  QComboBox* min_;
  QComboBox* max_;
  QWidget* ok_ = nullptr;
  F0DisplayRange range_;
};

}  // namespace velmora
