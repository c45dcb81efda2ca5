#include "view/too_large_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

TooLargeDialog::TooLargeDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Attention!"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("The File is too large!"), this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout->addWidget(title);
  auto* hint = new QLabel(QStringLiteral("Select (Zoom) a small area (max. 20 seconds) to add texts!"), this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace velmora
