#pragma once
// Files > Print..., Print Preview, Print Setup..., Export Report as PDF... and "Export
// graph as a bmp file...": the printed page through the desktop's printing (CUPS or a PDF
// file), its preview, a PDF without a printer, and the view's panes as a 24-bit bitmap.
// The options chosen in the "Print" dialog and the printer's settings are kept for the run.
//
//   PrintCommands printing(frame, ui, workingFolder, [&] { return clients.openClient(); });
//   printing.install();   // registers the five command handlers with the frame
#include <QImage>
#include <QPrinter>
#include <filesystem>
#include <functional>
#include <optional>

#include "clients/client_record.h"
#include "core/interaction.h"
#include "dialogs/client_frame.h"
#include "presentation/report_content.h"
#include "presentation/report_layout.h"

namespace velmora {

class AnalysisView;

// The view's panes as the bitmap export draws them: as wide as the view, 130 pixels lower
// when the view is at least 600 high (else 30), the panes moved 30 pixels up.
QImage exportBitmapImage(const AnalysisView& view);

class PrintCommands {
 public:
  PrintCommands(ClientFrame& frame, Interaction& ui, std::filesystem::path workingFolder,
                std::function<ClientRecord()> openClient);

  void install();

  void print();
  void preview();
  void setup();
  void exportPdf();
  void exportBitmap();

  QPrinter& printer() { return printer_; }
  const PrintOptions& options() const { return options_; }
  // What the page of the open recording says.
  ReportSource reportSource() const;
  // Paints the page of the open recording on a printer (or the preview's printer).
  void printTo(QPrinter& printer);

 private:
  // The options dialog; nothing when cancelled.
  std::optional<PrintOptions> askOptions(const std::string& title);
  // The voice report items of the selection (or the whole recording) for the page.
  void computeVoiceReport();
  ReportContent pageContent() const;

  ClientFrame& frame_;
  Interaction& ui_;
  std::filesystem::path folder_;
  std::function<ClientRecord()> openClient_;
  QPrinter printer_{QPrinter::HighResolution};
  PrintOptions options_;
  std::vector<std::string> voiceReportItems_;
};

}  // namespace velmora
