#include "view/insert_text_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "document/label_set.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

InsertTextDialog::InsertTextDialog(const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::InsertTextTitle)));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromStdString(velmora::tr(str::TextLabel)), this));
  edit_ = new QLineEdit(this);
  edit_->setMaxLength(static_cast<int>(kLabelTextCharacters));
  edit_->setText(text);
  layout->addWidget(edit_, 1);
  auto* ok = new QPushButton(QString::fromStdString(velmora::tr(str::OkButton)), this);
  ok->setDefault(true);
  layout->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(edit_, &QLineEdit::textChanged, this, &InsertTextDialog::textTyped);
}

}  // namespace velmora
