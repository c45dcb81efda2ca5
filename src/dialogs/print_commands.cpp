#include "dialogs/print_commands.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <sys/stat.h>

#include "analysis/recording_voice_report.h"
#include "clients/recording_names.h"
#include "core/atomic_file.h"
#include "core/message_ids.h"
#include "core/private_files.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "dialogs/print_options_dialog.h"
#include "dialogs/ui_thread_interaction.h"
#include "presentation/bmp_image.h"
#include "presentation/command_ids.h"
#include "presentation/voice_report_text.h"
#include "view/analysis_view.h"
#include "view/report_pdf.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
struct BusyCursor {
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

bool isLandscape(const QPrinter& printer) { return printer.pageLayout().orientation() == QPageLayout::Landscape; }

// The bitmap's pixels as rows of red, green and blue bytes, top row first.
std::vector<uint8_t> rgbRows(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  std::vector<uint8_t> out;
  const size_t rowBytes = static_cast<size_t>(rgb.width()) * 3;
  out.reserve(rowBytes * static_cast<size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) out.insert(out.end(), rgb.constScanLine(y), rgb.constScanLine(y) + rowBytes);
  return out;
}
}  // namespace

QImage exportBitmapImage(const AnalysisView& view) {
  QImage image(view.width(), exportBitmapHeight(view.height()), QImage::Format_RGB32);
  image.fill(Qt::white);
  ViewScene scene = view.scene();
  scene.geometry.infoTop -= 30;
  scene.geometry.spectralTop -= 30;
  scene.geometry.waveTop -= 30;
  QPainter p(&image);
  p.scale(1.0, scene.geometry.verticalStretch());
  paintView(p, scene, view.logicalClientSize());
  return image;
}

PrintCommands::PrintCommands(ClientFrame& frame, Interaction& ui, std::filesystem::path workingFolder,
                             std::function<ClientRecord()> openClient)
    : frame_(frame), ui_(ui), folder_(std::move(workingFolder)), openClient_(std::move(openClient)) {
  printer_.setDocName(QString::fromStdString(tr(str::PrintJobName)));
  // The page is 800 units (8 inches) wide: narrow margins keep the panes' right edge on it.
  printer_.setPageMargins(QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
                          QPageLayout::Millimeter);
}

void PrintCommands::install() {
  frame_.setCommandHandler(cmd::Print, [this] { print(); });
  frame_.setCommandHandler(cmd::PrintPreview, [this] { preview(); });
  frame_.setCommandHandler(cmd::PrintSetup, [this] { setup(); });
  frame_.setCommandHandler(cmd::ExportReportPdf, [this] { exportPdf(); });
  frame_.setCommandHandler(cmd::ExportBitmap, [this] { exportBitmap(); });
}

ReportSource PrintCommands::reportSource() const {
  const SoundBuffer& buffer = frame_.view()->buffer();
  ReportSource s;
  s.workingFolder = folder_;
  s.recordingPath = buffer.path;
  s.fileNumber = buffer.recordingNumber;
  s.language = frame_.language();
  const int code = frame_.clientCode();
  if (code > 0 && code != kOtherFilesCode) {
    s.client = openClient_ ? openClient_() : ClientRecord{};
    if (s.client->name.empty()) s.client->name = frame_.clientName();
    s.viewTitle = formatv(tr(str::ClientFileTitle), frame_.clientName(), buffer.recordingNumber);
  } else {
    s.viewTitle = buffer.path.filename().string();
  }
  return s;
}

std::optional<PrintOptions> PrintCommands::askOptions(const std::string& title) {
  PrintOptionsDialog dialog(QString::fromStdString(title), options_, notesFileExists(frame_.view()->buffer().path),
                            frame_.dialogParent());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  options_ = dialog.options();
  voiceReportItems_.clear();
  if (options_.voiceReport) computeVoiceReport();
  return options_;
}

void PrintCommands::computeVoiceReport() {
  const SoundBuffer& b = frame_.view()->buffer();
  const SampleRange selection = frame_.view()->document().selection().clampedTo(b.sampleCount()).ordered();
  RecordingSpan span;
  span.samples = b.samples.data();
  span.count = b.samples.size();
  span.rateHz = static_cast<int>(b.sampleRate());
  span.begin = selection.empty() ? 0 : static_cast<size_t>(selection.start);
  span.end = selection.empty() ? span.count : static_cast<size_t>(selection.end);
  span.f0 = frame_.view()->display().results().f0Values();
  BusyCursor busy;
  VoiceReport report;
  // Off the UI thread; the modal options dialog has closed, so nothing changes the samples meanwhile.
  runOnWorker([&] { report = voiceReportOfRecording(span); });
  voiceReportItems_ = voiceReportPageItems(report);
}

ReportContent PrintCommands::pageContent() const {
  ReportContent content = gatherReportContent(reportSource());
  content.voiceReportItems = voiceReportItems_;
  return content;
}

void PrintCommands::printTo(QPrinter& printer) {
  BusyCursor busy;
  // The page shows the overlays the view is still computing.
  frame_.view()->display().finishAnalyses();
  printer.setFromTo(1, 1);
  // "Print to File" writes patient data: a new file is the user's only.
  const std::string file = printer.outputFileName().toStdString();
  struct stat before {};
  const bool newFile = !file.empty() && ::stat(file.c_str(), &before) != 0;
  QPainter p;
  if (!p.begin(&printer)) return;
  ReportPageSetup s;
  s.options = options_;
  s.landscape = isLandscape(printer);
  s.language = frame_.language();
  s.dpiX = printer.logicalDpiX();
  s.dpiY = printer.logicalDpiY();
  paintReportPage(p, s, pageContent(), printScene(frame_.view()->scene(), options_.grayScale));
  p.end();
  if (newFile) ::chmod(file.c_str(), kPrivateFileMode);
}

void PrintCommands::print() {
  if (!askOptions(tr(str::PrintJobName))) return;
  QPrintDialog dialog(&printer_, frame_.dialogParent());
  dialog.setMinMax(1, 1);
  if (dialog.exec() != QDialog::Accepted) return;
  printTo(printer_);
}

void PrintCommands::preview() {
  if (!askOptions(tr(str::PrintPreview))) return;
  QPrintPreviewDialog dialog(&printer_, frame_.dialogParent());
  dialog.setWindowTitle(QString::fromStdString(tr(str::PrintPreview)));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter* printer) { printTo(*printer); });
  dialog.exec();
  frame_.view()->update();
}

void PrintCommands::setup() {
  QPageSetupDialog dialog(&printer_, frame_.dialogParent());
  dialog.exec();
}

void PrintCommands::exportPdf() {
  if (!askOptions(tr(str::ExportReportPdf))) return;
  FileRequest request;
  request.title = tr(str::ExportReportPdf);
  request.startFolder = frame_.view()->buffer().path.parent_path();
  request.filter = tr(str::PdfFileFilter);
  request.defaultExtension = "pdf";
  const auto target = ui_.chooseSaveFile(request);
  if (!target) return;
  BusyCursor busy;
  frame_.view()->display().finishAnalyses();
  ReportPageSetup s;
  s.options = options_;
  s.landscape = isLandscape(printer_);
  s.language = frame_.language();
  if (!writeReportPdf(*target, s, pageContent(),
                      printScene(frame_.view()->scene(), options_.grayScale)))
    showMessage(ui_, msg::ErrorSavingFile);
}

void PrintCommands::exportBitmap() {
  FileRequest request;
  request.startFolder = frame_.view()->buffer().path.parent_path();
  request.filter = tr(str::BitmapFileFilter);
  request.defaultExtension = "bmp";
  const auto target = ui_.chooseSaveFile(request);
  if (!target) return;
  BusyCursor busy;
  frame_.view()->display().finishAnalyses();
  const QImage image = exportBitmapImage(*frame_.view());
  // Through the atomic writer: a new file is the user's only, one replaced keeps its mode.
  if (!writeFileAtomically(*target, encodeBmp24(image.width(), image.height(), rgbRows(image))))
    showMessage(ui_, msg::ErrorSavingFile);
}

}  // namespace velmora
