#include "app/qt_interaction.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace velmora {

namespace {
QString captionOf(const Message& m) { return m.caption.empty() ? QStringLiteral("Velmora") : QString::fromStdString(m.caption); }

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}
}  // namespace

QString qtFilter(const std::string& windowsFilter) {
  const QStringList parts = QString::fromStdString(windowsFilter).split('|', Qt::SkipEmptyParts);
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString label = parts[i];
    if (!label.contains('(')) label += " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    filters << label;
  }
  return filters.join(";;");
}

void QtInteraction::showMessage(const Message& message) {
  QMessageBox box(qtIcon(message.icon), captionOf(message), QString::fromStdString(message.text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtInteraction::askYesNo(const Message& message) {
  QMessageBox box(qtIcon(message.icon), captionOf(message), QString::fromStdString(message.text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::filesystem::path> QtInteraction::chooseOpenFile(const FileRequest& request) {
  const QString file = QFileDialog::getOpenFileName(parent_, QString::fromStdString(request.title),
                                                    QString::fromStdString(request.startFolder.string()), qtFilter(request.filter));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

std::optional<std::filesystem::path> QtInteraction::chooseSaveFile(const FileRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title), QString::fromStdString(request.startFolder.string()),
                     qtFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

std::optional<std::filesystem::path> QtInteraction::chooseFolder(const std::string& title, const std::filesystem::path& start) {
  const QString dir = QFileDialog::getExistingDirectory(parent_, QString::fromStdString(title), QString::fromStdString(start.string()));
  if (dir.isEmpty()) return std::nullopt;
  return std::filesystem::path(dir.toStdString());
}

int QtInteraction::chooseButton(const ChoiceRequest& request) {
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromStdString(request.title));
  box.setText(QString::fromStdString(request.prompt));
  std::vector<QAbstractButton*> buttons;
  for (const std::string& option : request.options)
    buttons.push_back(box.addButton(QString::fromStdString(option), QMessageBox::AcceptRole));
  QAbstractButton* cancel = box.addButton(QString::fromStdString(request.cancelText), QMessageBox::RejectRole);
  if (request.initial >= 0 && static_cast<size_t>(request.initial) < buttons.size())
    box.setDefaultButton(static_cast<QPushButton*>(buttons[static_cast<size_t>(request.initial)]));
  box.setEscapeButton(cancel);
  box.exec();
  const auto it = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  return it == buttons.end() ? -1 : static_cast<int>(it - buttons.begin());
}

int QtInteraction::chooseOption(const ChoiceRequest& request) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(QString::fromStdString(request.title));
  auto* layout = new QVBoxLayout(&dialog);
  auto* prompt = new QLabel(QString::fromStdString(request.prompt), &dialog);
  prompt->setWordWrap(true);
  layout->addWidget(prompt);
  auto* group = new QButtonGroup(&dialog);
  for (size_t i = 0; i < request.options.size(); ++i) {
    auto* radio = new QRadioButton(QString::fromStdString(request.options[i]), &dialog);
    radio->setChecked(static_cast<int>(i) == request.initial);
    group->addButton(radio, static_cast<int>(i));
    layout->addWidget(radio);
  }
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QString::fromStdString(request.acceptText), QDialogButtonBox::AcceptRole);
  buttons->addButton(QString::fromStdString(request.cancelText), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  // Wide enough for the title in every language: a window manager cuts a title wider than the
  // window (its icon and buttons take about 140 pixels).
  dialog.setMinimumWidth(std::max(dialog.minimumSizeHint().width(),
                                  dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + 140));
  if (dialog.exec() != QDialog::Accepted) return -1;
  return group->checkedId();
}

}  // namespace velmora
