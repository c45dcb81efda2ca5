#include "view/f0_setting_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace {
QComboBox* rangeBox(QWidget* parent, const QStringList& items, int current) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->addItems(items);
  box->setEditText(QString::number(current));
  return box;
}

QWidget* withHz(QWidget* parent, QComboBox* box) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(box);
  layout->addWidget(new QLabel(QStringLiteral("Hz"), row));
  return row;
}
}  // namespace

F0SettingDialog::F0SettingDialog(const F0DisplayRange& current, Interaction& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), range_(current) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::F0SettingTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QString::fromStdString(velmora::tr(str::F0RangeGroup)), this);
  auto* form = new QFormLayout(group);
  min_ = rangeBox(group, {"60", "70", "80", "90", "100", "200"}, current.minHz);
  max_ = rangeBox(group, {"250", "300", "400", "500", "600", "900", "1000", "1200"}, current.maxHz);
  form->addRow(QString::fromStdString(velmora::tr(str::MinLabel)), withHz(group, min_));
  form->addRow(QString::fromStdString(velmora::tr(str::MaxLabel)), withHz(group, max_));
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &F0SettingDialog::tryAccept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  // Wide enough for the title in every language (the frame's icon and buttons take the rest):
  // a window manager cuts a title wider than the window.
  setMinimumWidth(std::max(minimumSizeHint().width(), fontMetrics().horizontalAdvance(windowTitle()) + 140));
}

void F0SettingDialog::tryAccept() {
  const F0SettingResult result =
      validateF0Setting(min_->currentText().trimmed().toStdString(), max_->currentText().trimmed().toStdString());
  if (!result.accepted()) {
    ui_.showMessage(Message{0, f0SettingMessage(result.verdict), {}, MessageIcon::Warning});
    return;
  }
  range_ = result.range;
  accept();
}

void F0SettingDialog::keyPressEvent(QKeyEvent* event) {
  // Escape from OK or one of the lists checks like OK; elsewhere it cancels.
  if (event->key() == Qt::Key_Escape) {
    QWidget* focus = focusWidget();
    if (focus == ok_ || focus == min_ || focus == max_ || (focus && (focus->parent() == min_ || focus->parent() == max_))) {
      tryAccept();
      return;
    }
  }
  QDialog::keyPressEvent(event);
}

}  // namespace velmora
