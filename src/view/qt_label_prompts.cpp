#include "view/qt_label_prompts.h"

#include <QFontMetrics>
#include <QMenu>

#include "presentation/command_ids.h"
#include "view/insert_text_dialog.h"
#include "view/too_large_dialog.h"
#include "view/view_renderer.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

QtLabelPrompts::QtLabelPrompts(QWidget* view, std::function<double()> stretch, std::function<int()> language)
    : view_(view), stretch_(std::move(stretch)), language_(std::move(language)) {}

QPoint QtLabelPrompts::screenPoint(int x, int y) const {
  return view_->mapToGlobal(QPoint(x, static_cast<int>(y * stretch_())));
}

QRect QtLabelPrompts::screenRect(const DialogPlace& place) const {
  return QRect(screenPoint(place.left, place.top), QSize(place.width, place.height));
}

std::optional<std::string> QtLabelPrompts::askText(const TextPrompt& prompt,
                                                   const std::function<void(const std::string&)>& typed) {
  InsertTextDialog dialog(QString::fromStdString(prompt.initialText), view_);
  const QRect at = screenRect(prompt.place);
  dialog.move(at.topLeft());
  dialog.resize(at.size().expandedTo(dialog.minimumSizeHint()));
  QObject::connect(&dialog, &InsertTextDialog::textTyped, &dialog,
                   [&typed](const QString& text) { typed(text.toStdString()); });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.text().toStdString();
}

void QtLabelPrompts::showTooLarge(const DialogPlace& place) {
  TooLargeDialog dialog(view_);
  const QRect at = screenRect(place);
  dialog.move(at.topLeft());
  dialog.resize(at.size().expandedTo(dialog.minimumSizeHint()));
  dialog.exec();
}

LabelMenuChoice QtLabelPrompts::chooseLabelAction(int x, int y) {
  QMenu menu(view_);
  QAction* move = menu.addAction(QString::fromStdString(velmora::tr(str::MoveItem)));
  QAction* remove = menu.addAction(QString::fromStdString(velmora::tr(str::DeleteButton)));
  QAction* edit = menu.addAction(QString::fromStdString(velmora::tr(str::EditLabelItem)));
  move->setData(cmd::LabelMove);
  remove->setData(cmd::LabelDelete);
  edit->setData(cmd::LabelEdit);
  const QAction* chosen = menu.exec(screenPoint(x, y));
  if (!chosen) return LabelMenuChoice::None;
  switch (chosen->data().toInt()) {
    case cmd::LabelMove: return LabelMenuChoice::Move;
    case cmd::LabelDelete: return LabelMenuChoice::Delete;
    case cmd::LabelEdit: return LabelMenuChoice::Edit;
    default: return LabelMenuChoice::None;
  }
}

int QtLabelPrompts::textWidth(const std::string& text, int fontHeight) const {
  return QFontMetrics(labelFont(fontHeight, language_())).horizontalAdvance(QString::fromStdString(text));
}

}  // namespace velmora
