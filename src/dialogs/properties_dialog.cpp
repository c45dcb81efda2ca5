#include "dialogs/properties_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace velmora {

PropertiesDialog::PropertiesDialog(const AudioProperties& properties, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Properties"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Informations"), this);
  auto* grid = new QGridLayout(group);
  const auto field = [&](int row, const QString& label, const std::string& value, const QString& unit) {
    grid->addWidget(new QLabel(label, group), row, 0);
    auto* edit = new QLineEdit(QString::fromStdString(value), group);
    edit->setReadOnly(true);
    grid->addWidget(edit, row, 1);
    if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, group), row, 2);
    return edit;
  };
  path_ = field(0, QStringLiteral("Sound File: "), properties.path, {});
  path_->setMinimumWidth(320);
  rate_ = field(1, QStringLiteral("Rate:"), properties.rate, QStringLiteral("Hz"));
  seconds_ = field(2, QStringLiteral("Time:"), properties.seconds, QStringLiteral("seconds"));
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace velmora
