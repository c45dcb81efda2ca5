#pragma once
// "Notes...": the notes of the open recording. Opening creates an empty notes file when
// there is none; "Close" writes the notes; Escape or the close box leaves the file as it was.
//
//   NotesDialog dialog(ui, parent);
//   dialog.setPath(recordingPath);   // the notes file is the recording's ".txt"
//   dialog.exec();
#include <QDialog>
#include <filesystem>

#include "core/interaction.h"

namespace velmora {

class LimitedTextEdit;

class NotesDialog : public QDialog {
  Q_OBJECT
 public:
  NotesDialog(Interaction& ui, QWidget* parent = nullptr);

  void setPath(const std::filesystem::path& recordingPath);
  const std::filesystem::path& notesPath() const { return notesPath_; }
  LimitedTextEdit* editor() const { return editor_; }

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void load();

  Interaction& ui_;
  std::filesystem::path notesPath_;
  LimitedTextEdit* editor_;
  bool loaded_ = false;
};

}  // namespace velmora
