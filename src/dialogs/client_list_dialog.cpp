#include "dialogs/client_list_dialog.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "clients/client_deletion.h"
#include "clients/client_register.h"
#include "core/language.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "dialogs/client_dialog.h"
#include "dialogs/client_type_icon.h"
#include "core/string_table.h"

namespace velmora {

namespace {
constexpr int kCodeColumnWidth = 60;
constexpr int kRowsWithoutScrolling = 10;

std::string codeCondition(int code) { return "CODIGO=" + std::to_string(code); }
}  // namespace

ClientListDialog::ClientListDialog(Interaction& ui, ClientRegister& clientRegister, const std::filesystem::path& workingFolder,
                                   int language, int openClientCode, QWidget* parent)
    : QDialog(parent), ui_(ui), register_(clientRegister), folder_(workingFolder), language_(language),
      openClientCode_(openClientCode) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::SelectClientTitle)));
  auto* grid = new QGridLayout(this);
  list_ = new QTreeWidget(this);
  list_->setObjectName("clients");
  list_->setColumnCount(2);
  list_->setHeaderLabels({QString::fromStdString(velmora::tr(str::CodeHeader)), QString::fromStdString(velmora::tr(str::NameHeader))});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setColumnWidth(0, kCodeColumnWidth);
  search_ = new QLineEdit(this);
  search_->setObjectName("search");
  search_->installEventFilter(this);
  auto* searchButton = new QPushButton(QString::fromStdString(velmora::tr(str::SearchButton)), this);
  open_ = new QPushButton(QString::fromStdString(velmora::tr(str::OpenClientButton)), this);
  info_ = new QPushButton(QString::fromStdString(velmora::tr(str::PersonalInformationButton)), this);
  delete_ = new QPushButton(QString::fromStdString(velmora::tr(str::DeleteClientButton)), this);
  auto* newClient = new QPushButton(QString::fromStdString(velmora::tr(str::NewClientButton)), this);
  auto* otherFiles = new QPushButton(QString::fromStdString(velmora::tr(str::OtherFilesButton)), this);
  auto* close = new QPushButton(QString::fromStdString(velmora::tr(str::CloseItem)), this);
  for (QPushButton* b : {searchButton, open_, info_, delete_, newClient, otherFiles, close}) b->setAutoDefault(false);

  grid->addWidget(list_, 0, 0, 7, 2);
  grid->addWidget(search_, 7, 0);
  grid->addWidget(searchButton, 7, 1);
  grid->addWidget(open_, 0, 2);
  grid->addWidget(info_, 1, 2);
  grid->addWidget(delete_, 2, 2);
  grid->addWidget(newClient, 3, 2);
  grid->addWidget(otherFiles, 4, 2);
  grid->addWidget(close, 6, 2);

  connect(searchButton, &QPushButton::clicked, this, &ClientListDialog::search);
  connect(open_, &QPushButton::clicked, this, &ClientListDialog::openSelected);
  connect(info_, &QPushButton::clicked, this, &ClientListDialog::editSelected);
  connect(delete_, &QPushButton::clicked, this, &ClientListDialog::deleteSelected);
  connect(newClient, &QPushButton::clicked, this, [this] { done(NewClient); });
  connect(otherFiles, &QPushButton::clicked, this, [this] { done(OtherFiles); });
  connect(close, &QPushButton::clicked, this, [this] { done(Cancelled); });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &ClientListDialog::updateButtons);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) { openSelected(); });

  editClient = [this](ClientRecord& record) {
    ClientDialog dialog(ui_, ClientDialog::Edit, language_, this);
    dialog.setRecord(record);
    if (dialog.exec() != QDialog::Accepted) return false;
    record = dialog.record();
    return true;
  };
  resize(520, 360);
  fill();
}

void ClientListDialog::fill() {
  list_->clear();
  if (register_.query("") >= 0) {
    for (const ClientEntry& e : register_.entries()) {
      const ClientRecord r = recordFromEntry(e);
      auto* item = new QTreeWidgetItem(list_, {QString::asprintf("%03d", r.code), QString::fromStdString(r.name)});
      item->setIcon(0, clientTypeIcon(r.type));
      item->setData(0, Qt::UserRole, r.code);
    }
  }
  fitNameColumn(list_->topLevelItemCount(), language_ == Korean ? 211 : 170);
  updateButtons();
}

void ClientListDialog::fitNameColumn(int clientCount, int smallListWidth) {
  list_->setColumnWidth(1, clientCount <= kRowsWithoutScrolling ? smallListWidth : 153);
}

int ClientListDialog::nameColumnWidth() const { return list_->columnWidth(1); }

void ClientListDialog::updateButtons() {
  const bool selected = !list_->selectedItems().isEmpty();
  open_->setEnabled(selected);
  info_->setEnabled(selected);
  delete_->setEnabled(selected);
}

bool ClientListDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the search box searches instead of pressing a button.
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      search();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ClientListDialog::search() {
  const QString text = search_->text();
  if (text.isEmpty()) {
    showMessage(ui_, msg::TypeNameToSearch);
    search_->setFocus();
    return;
  }
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->text(1).startsWith(text, Qt::CaseInsensitive)) {
      list_->setCurrentItem(item);
      list_->scrollToItem(item);
      list_->setFocus();
      return;
    }
  }
  showMessage(ui_, msg::ClientNotFound);
}

int ClientListDialog::selectedCode() {
  const auto items = list_->selectedItems();
  if (items.isEmpty()) {
    showMessage(ui_, msg::SelectItem);
    return -1;
  }
  return items.first()->data(0, Qt::UserRole).toInt();
}

void ClientListDialog::openSelected() {
  const int code = selectedCode();
  if (code < 0) return;
  if (register_.query(codeCondition(code)) < 0) return;
  const ClientEntry* entry = register_.entry(0);
  if (!entry) return;
  chosen_ = recordFromEntry(*entry);
  done(Chosen);
}

void ClientListDialog::editSelected() {
  const int code = selectedCode();
  if (code < 0) return;
  const int recordNumber = register_.query(codeCondition(code));
  const ClientEntry* entry = register_.entry(0);
  if (recordNumber <= 0 || !entry) {
    showMessage(ui_, msg::ErrorReadingFile);
    return;
  }
  ClientRecord record = recordFromEntry(*entry);
  if (!editClient(record)) return;
  register_.update(recordNumber, record);
  QTreeWidgetItem* item = list_->selectedItems().first();
  item->setText(1, QString::fromStdString(record.name));
  item->setIcon(0, clientTypeIcon(record.type));
  if (code == openClientCode_ && onOpenClientEdited) onOpenClientEdited(record);
}

void ClientListDialog::deleteSelected() {
  const int code = selectedCode();
  if (code < 0) return;
  if (!confirmClientDeletion(ui_)) return;
  if (code == openClientCode_) {
    if (onOpenClientDeleting) onOpenClientDeleting();
    openClientDeleted_ = true;
  }
  deleteClient(ui_, register_, folder_, code);
  delete list_->selectedItems().first();
  register_.query("");
  if (register_.count() <= kRowsWithoutScrolling) fitNameColumn(register_.count(), 171);
  updateButtons();
}

}  // namespace velmora
