// Printing and export from the frame: the options dialog, a page printed through QPrinter to
// a PDF file read back by pdftotext, and the bitmap export read back by ImageMagick.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <QPrinter>
#include <sys/stat.h>

#include <cstring>

#include "dialogs/client_commands.h"
#include "dialogs/print_commands.h"
#include "dialogs/print_options_dialog.h"
#include "fakes/harmonic_tone.h"
#include "fakes/run_process.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

class PrintExportTest : public ViewAudioFixture {
 protected:
  void SetUp() override {
    ViewAudioFixture::SetUp();
    clients = std::make_unique<ClientCommands>(*window, ui, folder.path());
    clients->install();
    printing = std::make_unique<PrintCommands>(*window, ui, folder.path(), [this] { return clients->openClient(); });
    printing->install();
    writeRecording(clientFile("wv002.wav"), 22050);
    ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv002.wav"), 2, "Ann"));
  }

  // The exported file decoded by ImageMagick equals the picture drawn, pixel for pixel.
  void expectBitmapExport(int clientHeight, int bitmapHeight) {
    view()->resize(1023, clientHeight);  // 1023 x 3 bytes: every row padded by one byte
    ASSERT_EQ(view()->height(), clientHeight);
    const std::filesystem::path bmp = folder / ("graph" + std::to_string(clientHeight) + ".bmp");
    ui.fileAnswers = {bmp};
    window->runCommand(cmd::ExportBitmap);
    struct stat st {};
    ASSERT_EQ(::stat(bmp.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ProcessResult r = runProcess("/usr/bin/identify", {"-format", "%w %h %z", bmp.string()});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, "1023 " + std::to_string(bitmapHeight) + " 8");
    r = runProcess("/usr/bin/convert", {bmp.string(), "-depth", "8", "rgb:-"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    const QImage drawn = exportBitmapImage(*view()).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(drawn.height(), bitmapHeight);
    ASSERT_EQ(r.out.size(), static_cast<size_t>(1023 * 3 * bitmapHeight));
    long differing = 0;
    for (int y = 0; y < bitmapHeight; ++y)
      if (std::memcmp(drawn.constScanLine(y), r.out.data() + static_cast<size_t>(y) * 1023 * 3, 1023 * 3) != 0) ++differing;
    EXPECT_EQ(differing, 0);
  }

  std::unique_ptr<ClientCommands> clients;
  std::unique_ptr<PrintCommands> printing;
};

TEST(PrintOptionsDialog, NotesAreDisabledWithoutANotesFile) {
  PrintOptionsDialog without(QStringLiteral("Print"), PrintOptions{}, false);
  QCheckBox* notes = without.findChild<QCheckBox*>("notes");
  ASSERT_NE(notes, nullptr);
  EXPECT_FALSE(notes->isEnabled());
  EXPECT_FALSE(without.options().notes);
  EXPECT_TRUE(without.options().grayScale);
  PrintOptionsDialog with(QStringLiteral("Print"), PrintOptions{}, true);
  EXPECT_TRUE(with.findChild<QCheckBox*>("notes")->isEnabled());
  EXPECT_TRUE(with.options().notes);
}

TEST_F(PrintExportTest, PrintsThePageThroughQPrinterToAPdfFile) {
  folder.writeBytes("pac001/wv002.txt", "first note\nsecond note\n");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((folder / "printed.pdf").string()));
  printing->printTo(printer);
  struct stat st {};
  ASSERT_EQ(::stat((folder / "printed.pdf").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  const ProcessResult r = runProcess("/usr/bin/pdftotext", {"-layout", (folder / "printed.pdf").string(), "-"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_NE(r.out.find("Client: Ann"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("File 2 - Date: "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("second note"), std::string::npos) << r.out;
  // The panes' own texts, the mode's title whole although the panes start near the edge.
  EXPECT_NE(r.out.find("Time: 00:00:02,000"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Spectrogram"), std::string::npos) << r.out;
}

TEST_F(PrintExportTest, BitmapIs30PixelsLowerBelow600And130From600) {
  expectBitmapExport(599, 569);
  expectBitmapExport(600, 470);
}

TEST_F(PrintExportTest, TheVoiceReportBoxPutsTheKeyMeasuresOnThePage) {
  const std::vector<int16_t> tone = harmonicTone(200.0, 22050, 2.0);
  ASSERT_TRUE(writeWavFile(clientFile("wv003.wav"), WaveFormat::pcm(22050), tone.data(), tone.size() * 2));
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv003.wav"), 3, "Ann"));
  const auto exportWith = [&](bool voiceReport, const std::string& name) {
    QTimer::singleShot(0, [voiceReport] {
      auto* dialog = qobject_cast<PrintOptionsDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->findChild<QCheckBox*>("voiceReport")->setChecked(voiceReport);
      dialog->accept();
    });
    ui.fileAnswers = {folder / name};
    window->runCommand(cmd::ExportReportPdf);
    const ProcessResult r = runProcess("/usr/bin/pdftotext", {"-layout", (folder / name).string(), "-"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    return r.out;
  };
  const std::string with = exportWith(true, "with.pdf");
  const size_t mean = with.find("Mean F0: ");
  ASSERT_NE(mean, std::string::npos) << with;
  EXPECT_NEAR(std::stod(with.substr(mean + 9)), 200.0, 2.0);
  EXPECT_NE(with.find("Jitter (local): "), std::string::npos) << with;
  EXPECT_NE(with.find("Start: 0.000 s"), std::string::npos) << with;
  EXPECT_EQ(exportWith(false, "without.pdf").find("Jitter (local)"), std::string::npos);
}

}  // namespace
}  // namespace velmora
