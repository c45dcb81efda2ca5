#include "dialogs/notes_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message_ids.h"
#include "dialogs/limited_text_edit.h"
#include "notes/notes_file.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

NotesDialog::NotesDialog(Interaction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setWindowTitle(QString::fromStdString(velmora::tr(str::NotesTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QString::fromStdString(velmora::tr(str::NotesGroup)), this);
  auto* groupLayout = new QVBoxLayout(group);
  editor_ = new LimitedTextEdit(group);
  editor_->setObjectName("notesEdit");
  editor_->setTabChangesFocus(true);
  groupLayout->addWidget(editor_);
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QString::fromStdString(velmora::tr(str::CloseItem)), QDialogButtonBox::AcceptRole);
  close->setDefault(false);
  close->setAutoDefault(false);  // Enter starts a new line in the notes
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(460, 320);
}

void NotesDialog::setPath(const std::filesystem::path& recordingPath) {
  notesPath_ = notesPathFor(recordingPath);
  loaded_ = false;
  load();
}

void NotesDialog::load() {
  const auto text = loadNotes(notesPath_);
  std::error_code ec;
  // Notes that exist but cannot be read are never replaced by the empty editor.
  const bool unreadable = !text && std::filesystem::exists(notesPath_, ec);
  if (unreadable) showMessage(ui_, msg::ErrorReadingFile);
  editor_->setTextWithLimit(text ? QString::fromStdString(*text) : QString(), static_cast<int>(kNotesTypingLimitCharacters));
  editor_->setReadOnly(unreadable);
  loaded_ = !unreadable;
}

void NotesDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  editor_->setFocus();
  editor_->moveCursor(QTextCursor::Start);
}

void NotesDialog::accept() {
  if (loaded_) saveNotes(notesPath_, editor_->toPlainText().toStdString(), ui_);
  QDialog::accept();
}

}  // namespace velmora
