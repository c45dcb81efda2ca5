#include "dialogs/client_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/message_ids.h"
#include "core/string_ids.h"
#include "dialogs/limited_text_edit.h"
#include "core/string_table.h"

namespace velmora {

namespace {

QLineEdit* lineEdit(QWidget* parent, int maxCharacters, const char* objectName) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(maxCharacters);
  edit->setObjectName(objectName);
  return edit;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string ss(const QString& s) { return s.toStdString(); }
}  // namespace

ClientDialog::ClientDialog(Interaction& ui, Mode mode, int language, QWidget* parent)
    : QDialog(parent), ui_(ui), mode_(mode), language_(language) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::ClientTitle)));
  createUi();
}

void ClientDialog::createUi() {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  code_ = lineEdit(this, 8, "code");
  code_->setReadOnly(true);
  code_->setFocusPolicy(Qt::NoFocus);
  name_ = lineEdit(this, 59, "name");
  form->addRow(QString::fromStdString(velmora::tr(str::CodeLabel)), code_);
  form->addRow(QString::fromStdString(velmora::tr(str::NameLabel)), name_);

  auto* typeBox = new QGroupBox(this);
  auto* typeLayout = new QHBoxLayout(typeBox);
  types_ = new QButtonGroup(this);
  const int typeNames[] = {str::ManType, str::WomanType, str::ChildType, str::SingerType};
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(QString::fromStdString(velmora::tr(typeNames[i])), typeBox);
    types_->addButton(radio, i);
    typeLayout->addWidget(radio);
  }
  form->addRow(typeBox);

  // The date boxes stand in the language's order; each catalog writes the hint in that order.
  auto* dateRow = new QHBoxLayout;
  const char* dateNames[] = {"day", "month", "year"};
  const int dateLimits[] = {2, 2, 4};
  for (int i = 0; i < 3; ++i) {
    dateEdits_[static_cast<size_t>(i)] = lineEdit(this, dateLimits[i], dateNames[i]);
    dateEdits_[static_cast<size_t>(i)]->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), dateEdits_[static_cast<size_t>(i)]));
    dateEdits_[static_cast<size_t>(i)]->setFixedWidth(i == 2 ? 56 : 36);
  }
  const DateBoxOrder order = dateBoxOrder(language_);
  const DateBox boxes[] = {order.first, order.second, order.third};
  for (int i = 0; i < 3; ++i) {
    dateRow->addWidget(dateEdit(boxes[i]));
    if (i < 2) dateRow->addWidget(new QLabel("/", this));
  }
  dateRow->addStretch();
  form->addRow(QString::fromStdString(velmora::tr(str::BirthDateLabel)), dateRow);
  form->addRow("", new QLabel(QString::fromStdString(velmora::tr(str::BirthDateHint)), this));
  for (int i = 0; i < 3; ++i) {
    const auto box = static_cast<DateBox>(i);
    connect(dateEdit(box), &QLineEdit::textEdited, this, [this, box] { onDateEdited(box); });
  }

  address_ = lineEdit(this, 59, "address");
  city_ = lineEdit(this, 29, "city");
  state_ = new QComboBox(this);
  state_->setEditable(true);
  state_->lineEdit()->setMaxLength(3);
  state_->setObjectName("state");
  zip_ = lineEdit(this, 11, "zip");
  homePhone_ = lineEdit(this, 13, "homePhone");
  workPhone_ = lineEdit(this, 13, "workPhone");
  observations_ = new LimitedTextEdit(this);
  observations_->setObjectName("observations");
  observations_->setTabChangesFocus(true);
  observations_->setTextWithLimit({}, 99);
  observations_->setFixedHeight(60);
  form->addRow(QString::fromStdString(velmora::tr(str::AddressLabel)), address_);
  form->addRow(QString::fromStdString(velmora::tr(str::CityLabel)), city_);
  form->addRow(QString::fromStdString(velmora::tr(str::StateLabel)), state_);
  form->addRow(QString::fromStdString(velmora::tr(str::ZipLabelMixed)), zip_);
  form->addRow(QString::fromStdString(velmora::tr(str::HomePhoneLabel)), homePhone_);
  form->addRow(QString::fromStdString(velmora::tr(str::WorkPhoneLabel)), workPhone_);
  form->addRow(QString::fromStdString(velmora::tr(str::ObservationsFieldLabel)), observations_);
  layout->addLayout(form);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(qs(velmora::tr(mode_ == Insert ? str::InsertCaption : str::ChangeCaption)), QDialogButtonBox::AcceptRole);
  auto* cancel = buttons->addButton(QString::fromStdString(velmora::tr(str::CancelButton)), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  QWidget* chain[] = {name_, types_->button(0), types_->button(1), types_->button(2), types_->button(3),
                      dateEdit(boxes[0]), dateEdit(boxes[1]), dateEdit(boxes[2]), address_, city_, state_, zip_,
                      homePhone_, workPhone_, observations_, ok_, cancel};
  for (size_t i = 0; i + 1 < std::size(chain); ++i) setTabOrder(chain[i], chain[i + 1]);
  if (mode_ == Insert) types_->button(ClientMan)->setChecked(true);
}

void ClientDialog::setRecord(const ClientRecord& record) {
  record_ = record;
  code_->setText(QString::asprintf("%03d", record.code));
  if (mode_ == Insert) return;
  name_->setText(qs(record.name));
  if (auto* b = types_->button(record.type)) b->setChecked(true);
  address_->setText(qs(record.address));
  city_->setText(qs(record.city));
  state_->setEditText(qs(record.state));
  zip_->setText(qs(record.zip));
  homePhone_->setText(qs(record.homePhone));
  workPhone_->setText(qs(record.workPhone));
  observations_->setTextWithLimit(qs(record.observations), 99);
  if (auto date = parseBirthDate(record.birthDate)) {
    dateEdit(DateBox::Day)->setText(QString::asprintf("%02d", date->day));
    dateEdit(DateBox::Month)->setText(QString::asprintf("%02d", date->month));
    dateEdit(DateBox::Year)->setText(QString::asprintf("%04d", date->year));
    complete_ = {true, true, true};
  }
}

void ClientDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  name_->setFocus();
  if (mode_ == Edit) name_->end(false);  // caret after the name
}

void ClientDialog::onDateEdited(DateBox box) {
  QLineEdit* edit = dateEdit(box);
  const DateBoxVerdict v = judgeDateBox(box, ss(edit->text()), language_);
  complete_[static_cast<size_t>(box)] = v.complete;
  if (v.clearBox) {
    showMessage(ui_, v.messageId);
    edit->clear();
    complete_[static_cast<size_t>(box)] = false;
    return;
  }
  focusTarget(v.moveFocus);
}

void ClientDialog::focusTarget(FocusTarget target) {
  switch (target) {
    case FocusTarget::Day: dateEdit(DateBox::Day)->setFocus(); break;
    case FocusTarget::Month: dateEdit(DateBox::Month)->setFocus(); break;
    case FocusTarget::Year: dateEdit(DateBox::Year)->setFocus(); break;
    case FocusTarget::Address: address_->setFocus(); break;
    case FocusTarget::None: break;
  }
}

void ClientDialog::accept() {
  if (name_->text().trimmed().size() < 2 && name_->text().size() < 2) {
    showMessage(ui_, msg::NameMissing);
    name_->setFocus();
    return;
  }
  if (types_->checkedId() < 0) {
    showMessage(ui_, msg::TypeMissing);
    return;
  }
  const BirthDateDecision date =
      decideBirthDate(ss(dateEdit(DateBox::Day)->text()), ss(dateEdit(DateBox::Month)->text()),
                      ss(dateEdit(DateBox::Year)->text()), complete_[0], complete_[1], complete_[2]);
  if (date.messageId) {
    showMessage(ui_, date.messageId);
    if (date.focusYear) dateEdit(DateBox::Year)->setFocus();
    return;
  }
  record_.name = ss(name_->text());
  record_.type = types_->checkedId();
  record_.birthDate = date.stored;
  record_.address = ss(address_->text());
  record_.city = ss(city_->text());
  record_.state = ss(state_->currentText().left(3));
  record_.zip = ss(zip_->text());
  record_.homePhone = ss(homePhone_->text());
  record_.workPhone = ss(workPhone_->text());
  record_.observations = ss(observations_->toPlainText());
  QDialog::accept();
}

}  // namespace velmora
