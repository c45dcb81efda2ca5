#pragma once
// "Voice Report": the voice measures of the selection (or of the whole recording) beside the
// usual ranges for the client's type, with Copy (tab-separated text on the clipboard) and
// Save as CSV... The report is computed on a worker thread; the dialog shows a wait text until
// it is there. Closing before then stops the worker (it holds its own copy of the samples and
// gives up at its next step) and drops its result, so the dialog goes at once.
#include <QDialog>
#include <filesystem>
#include <optional>
#include <thread>
#include <vector>

#include "analysis/stop_flag.h"
#include "analysis/voice_report.h"
#include "core/interaction.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

struct VoiceReportJob {
  std::vector<int16_t> samples;  // the whole recording
  int rateHz = 0;
  size_t begin = 0, end = 0;     // the span in samples
  std::optional<std::vector<float>> f0;  // the recording's F0 track when already computed
  int clientType = 0;
  std::filesystem::path saveFolder;  // where Save as CSV... starts
};

class VoiceReportDialog : public QDialog {
  Q_OBJECT
 public:
  VoiceReportDialog(VoiceReportJob job, Interaction& ui, QWidget* parent = nullptr);
  ~VoiceReportDialog() override;

  bool isReady() const { return ready_; }
  const VoiceReport& report() const { return report_; }
  QTableWidget* table() const { return table_; }
  QLabel* statusLabel() const { return status_; }
  QPushButton* copyButton() const { return copy_; }
  QPushButton* saveButton() const { return save_; }
  // What Copy puts on the clipboard: a header line, then one line per row, fields by tabs.
  QString tabText() const;

 signals:
  void reportReady();

 private:
  void showReport(const VoiceReport& report);
  void copyToClipboard();
  void saveCsv();

  VoiceReportJob job_;
  Interaction& ui_;
  VoiceReport report_;
  bool ready_ = false;
  QLabel* status_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* save_ = nullptr;
  StopFlag stop_{false};
  std::thread worker_;
};

}  // namespace velmora
