#include "view/insert_text_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "document/label_set.h"

namespace velmora {

InsertTextDialog::InsertTextDialog(const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Insert Text"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Text:"), this));
  edit_ = new QLineEdit(this);
  edit_->setMaxLength(static_cast<int>(kLabelTextCharacters));
  edit_->setText(text);
  layout->addWidget(edit_, 1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  layout->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(edit_, &QLineEdit::textChanged, this, &InsertTextDialog::textTyped);
}

}  // namespace velmora
