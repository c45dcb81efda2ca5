#pragma once
// "Insert Text": the text of a new or edited label, at most 150 characters. Every change of
// the text is announced (the view shows it on the label band as it is typed). OK accepts,
// Escape or the close box cancels.
#include <QDialog>
#include <QLineEdit>

namespace velmora {

class InsertTextDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InsertTextDialog(const QString& text, QWidget* parent = nullptr);

  QLineEdit* editor() const { return edit_; }
  QString text() const { return edit_->text(); }

 signals:
  void textTyped(const QString& text);

 private:
  QLineEdit* edit_;
};

}  // namespace velmora
