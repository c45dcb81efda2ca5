#include "dialogs/properties_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

PropertiesDialog::PropertiesDialog(const AudioProperties& properties, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::PropertiesTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QString::fromStdString(velmora::tr(str::InformationsGroup)), this);
  auto* grid = new QGridLayout(group);
  const auto field = [&](int row, const QString& label, const std::string& value, const QString& unit) {
    grid->addWidget(new QLabel(label, group), row, 0);
    auto* edit = new QLineEdit(QString::fromStdString(value), group);
    edit->setReadOnly(true);
    grid->addWidget(edit, row, 1);
    if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, group), row, 2);
    return edit;
  };
  path_ = field(0, QString::fromStdString(velmora::tr(str::SoundFileLabel)), properties.path, {});
  path_->setMinimumWidth(320);
  rate_ = field(1, QString::fromStdString(velmora::tr(str::RateLabel)), properties.rate, QStringLiteral("Hz"));
  seconds_ = field(2, QString::fromStdString(velmora::tr(str::TimeLabel)), properties.seconds, QString::fromStdString(velmora::tr(str::SecondsUnit)));
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace velmora
