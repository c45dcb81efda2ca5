#include "view/too_large_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

TooLargeDialog::TooLargeDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::AttentionTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QString::fromStdString(velmora::tr(str::FileTooLarge)), this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout->addWidget(title);
  auto* hint = new QLabel(QString::fromStdString(velmora::tr(str::SelectSmallArea)), this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  auto* ok = new QPushButton(QString::fromStdString(velmora::tr(str::OkButton)), this);
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace velmora
