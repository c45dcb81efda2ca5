#pragma once
// A plain multi-line text box that refuses typing past a character limit. The limit never
// cuts text that was already there when the limit was set: a longer loaded text is shown
// whole, and nothing more can be typed into it.
#include <QPlainTextEdit>

namespace velmora {

class LimitedTextEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit LimitedTextEdit(QWidget* parent = nullptr);

  // Sets the text, then the limit (the larger of `limit` and the loaded length).
  void setTextWithLimit(const QString& text, int limitCharacters);
  int limit() const { return limit_; }
  int characterCount() const;

 private:
  void enforceLimit(int position, int charsRemoved, int charsAdded);

  int limit_ = -1;
  bool trimming_ = false;
};

}  // namespace velmora
