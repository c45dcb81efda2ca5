#pragma once
// The "Print" options dialog (titled "Print Preview" for the preview): Gray-Scale,
// Personal Information, Notes and the voice report. Notes is disabled, and off, when the recording has no
// notes file.
#include <QCheckBox>
#include <QDialog>

#include "presentation/report_layout.h"

namespace velmora {

class PrintOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  PrintOptionsDialog(const QString& title, const PrintOptions& kept, bool notesFileExists, QWidget* parent = nullptr);
  PrintOptions options() const;

 private:
  QCheckBox* grayScale_;
  QCheckBox* personal_;
  QCheckBox* notes_;
  QCheckBox* voiceReport_;
};

}  // namespace velmora
