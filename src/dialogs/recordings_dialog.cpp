#include "dialogs/recordings_dialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace {
constexpr int kRowRole = Qt::UserRole + 1;

// A small sound-file icon per state: blue for "wv", green for "qv", paler without a date
// file, grey for a recording sent to backup.
QIcon stateIcon(RecordingState state) {
  QColor colour;
  switch (state) {
    case RecordingState::WvDated: colour = QColor(40, 90, 200); break;
    case RecordingState::QvDated: colour = QColor(30, 150, 70); break;
    case RecordingState::WvUndated: colour = QColor(130, 160, 230); break;
    case RecordingState::QvUndated: colour = QColor(130, 200, 150); break;
    case RecordingState::SentToBackup: colour = QColor(150, 150, 150); break;
  }
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(colour.darker(140));
  p.setBrush(colour);
  p.drawRect(2, 3, 11, 10);
  p.setPen(Qt::white);
  for (int x = 4; x <= 11; x += 2) p.drawLine(x, 8 - (x % 3), x, 8 + (x % 3));
  return QIcon(pixmap);
}
}  // namespace

RecordingsDialog::RecordingsDialog(Interaction& ui, const std::filesystem::path& workingFolder, int clientCode,
                                   const std::string& clientName, int language, QWidget* parent)
    : QDialog(parent), ui_(ui), folder_(workingFolder), clientCode_(clientCode), language_(language) {
  setWindowTitle(QString::fromStdString(formatv(velmora::tr(str::RecordingsTitle), clientName)));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QString::fromStdString(velmora::tr(str::SoundFilesGroup)), this);
  auto* groupLayout = new QVBoxLayout(group);
  list_ = new QTreeWidget(group);
  list_->setObjectName("recordings");
  list_->setColumnCount(1);
  list_->setHeaderLabels({QString::fromStdString(velmora::tr(str::DateHeader))});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSortingEnabled(false);
  groupLayout->addWidget(list_);
  layout->addWidget(group);
  auto* buttons = new QHBoxLayout;
  open_ = new QPushButton(QString::fromStdString(velmora::tr(str::OpenButton)), this);
  delete_ = new QPushButton(QString::fromStdString(velmora::tr(str::DeleteButton)), this);
  auto* close = new QPushButton(QString::fromStdString(velmora::tr(str::CloseItem)), this);
  buttons->addWidget(open_);
  buttons->addWidget(delete_);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  open_->setDefault(true);

  connect(open_, &QPushButton::clicked, this, &RecordingsDialog::openSelected);
  connect(delete_, &QPushButton::clicked, this, &RecordingsDialog::deleteSelected);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &RecordingsDialog::updateButtons);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) { openSelected(); });
  resize(320, 380);
  fill();
}

void RecordingsDialog::setDeleteDisabled(bool disabled) {
  deleteDisabled_ = disabled;
  updateButtons();
}

void RecordingsDialog::fill() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  rows_ = listRecordings(ui_, folder_, clientCode_, language_);
  list_->clear();
  for (size_t i = 0; i < rows_.size(); ++i) {
    auto* item = new QTreeWidgetItem(list_, {QString::fromStdString(rows_[i].text)});
    item->setIcon(0, stateIcon(rows_[i].entry.state));
    item->setData(0, kRowRole, static_cast<int>(i));
  }
  QApplication::restoreOverrideCursor();
  open_->setEnabled(false);
  delete_->setEnabled(false);
}

void RecordingsDialog::updateButtons() {
  const bool selected = !list_->selectedItems().isEmpty();
  open_->setEnabled(selected);
  delete_->setEnabled(selected && !deleteDisabled_);
}

void RecordingsDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  list_->setColumnWidth(0, list_->viewport()->width() * 85 / 100);
}

const RecordingRow* RecordingsDialog::selectedRow() {
  const auto items = list_->selectedItems();
  if (items.isEmpty()) {
    showMessage(ui_, msg::SelectFile);
    return nullptr;
  }
  const int index = items.first()->data(0, kRowRole).toInt();
  const RecordingRow* row = &rows_.at(static_cast<size_t>(index));
  if (row->entry.state == RecordingState::SentToBackup) {
    showMessage(ui_, msg::SentToBackup);
    return nullptr;
  }
  return row;
}

void RecordingsDialog::openSelected() {
  const RecordingRow* row = selectedRow();
  if (!row) return;
  chosenNumber_ = row->entry.number;
  chosenState_ = row->entry.state;
  accept();
}

void RecordingsDialog::deleteSelected() {
  if (deleteDisabled_) return;
  const RecordingRow* row = selectedRow();
  if (!row) return;
  if (!askYesNo(ui_, msg::AskDeleteRecording)) return;
  const int number = row->entry.number;
  if (deleter_ && !deleter_(number)) return;
  deleted_.push_back(number);
  delete list_->selectedItems().first();
  updateButtons();
}

}  // namespace velmora
