#include "dialogs/limited_text_edit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace velmora {

LimitedTextEdit::LimitedTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(document(), &QTextDocument::contentsChange, this, &LimitedTextEdit::enforceLimit);
}

int LimitedTextEdit::characterCount() const { return document()->characterCount() - 1; }

void LimitedTextEdit::setTextWithLimit(const QString& text, int limitCharacters) {
  limit_ = -1;
  setPlainText(text);
  limit_ = std::max(limitCharacters, characterCount());
}

void LimitedTextEdit::enforceLimit(int position, int, int charsAdded) {
  if (limit_ < 0 || trimming_) return;
  const int overflow = characterCount() - limit_;
  if (overflow <= 0 || charsAdded <= 0) return;
  // Drop the end of what was just inserted, so the text stays within the limit.
  const int cut = std::min(overflow, charsAdded);
  trimming_ = true;
  QTextCursor cursor(document());
  cursor.setPosition(position + charsAdded - cut);
  cursor.setPosition(position + charsAdded, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  trimming_ = false;
}

}  // namespace velmora
