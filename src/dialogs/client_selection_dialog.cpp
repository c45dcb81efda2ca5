#include "dialogs/client_selection_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/text_format.h"
#include "dialogs/client_type_icon.h"
#include "core/string_table.h"

namespace velmora {

namespace {

constexpr int kListWidth = 360;
constexpr int kListHeight = 260;

}  // namespace

ClientSelectionDialog::ClientSelectionDialog(Interaction& ui, const std::vector<ClientEntry>& entries,
                                             const std::string& prompt, QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::SelectClientTitle)));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromStdString(prompt), this));
  list_ = new QTreeWidget(this);
  list_->setObjectName("clients");
  list_->setColumnCount(2);
  list_->setHeaderLabels({QString::fromStdString(velmora::tr(str::ClientHeader)),
                          QString::fromStdString(velmora::tr(str::CodeHeader))});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  list_->setMinimumSize(kListWidth, kListHeight);
  list_->setColumnWidth(0, kListWidth * 2 / 3);
  for (const ClientEntry& e : entries) {
    const ClientRecord r = recordFromEntry(e);
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, QString::fromStdString(e.name));
    item->setIcon(0, clientTypeIcon(r.type));
    item->setText(1, QString::fromStdString(formatv("%04d", r.code)));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    codes_.push_back(r.code);
  }
  layout->addWidget(list_);
  selectAll_ = new QCheckBox(QString::fromStdString(velmora::tr(str::SelectAllBox)), this);
  layout->addWidget(selectAll_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &ClientSelectionDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(selectAll_, &QCheckBox::clicked, this, [this](bool checked) {
    if (checked) {
      list_->selectAll();
      list_->setFocus();
    } else {
      list_->clearSelection();
    }
  });
  // A click in the list takes "Select All" back.
  connect(list_, &QTreeWidget::itemPressed, this, [this] { selectAll_->setChecked(false); });
}

std::vector<int> ClientSelectionDialog::selectedCodes() const {
  std::vector<int> codes;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    if (list_->topLevelItem(i)->isSelected()) codes.push_back(codes_[static_cast<size_t>(i)]);
  return codes;
}

void ClientSelectionDialog::accept() {
  if (selectedCodes().empty()) {
    showMessage(ui_, msg::SelectAtLeastOneClient);
    return;
  }
  QDialog::accept();
}

}  // namespace velmora
