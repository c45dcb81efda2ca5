// Mode > Voice Report...: the dialog shows the engine's values for the selection, its CSV is
// the command line's CSV, and the entry is offered only for a recording with samples while
// nothing records or plays.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <fstream>
#include <memory>
#include <sstream>

#include "analysis/recording_voice_report.h"
#include "analysis/voice_report_rows.h"
#include "audio/wav_writer.h"
#include "dialogs/voice_report_dialog.h"
#include "fakes/harmonic_tone.h"
#include "fakes/run_process.h"
#include "view_audio_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using VoiceReportTest = ViewAudioFixture;

constexpr int kRate = 22050;

void waitUntilReady(const VoiceReportDialog& dialog) {
  QElapsedTimer waited;
  waited.start();
  while (!dialog.isReady() && waited.elapsed() < 60000) {
    QCoreApplication::processEvents();
    QThread::msleep(5);
  }
  ASSERT_TRUE(dialog.isReady());
}

struct ShownRow {
  QString label, value, unit, range;
};

TEST_F(VoiceReportTest, TheDialogShowsTheEngineValuesOfTheSelection) {
  const std::vector<int16_t> tone = harmonicTone(200.0, kRate, 2.0);
  ASSERT_TRUE(writeWavFile(clientFile("wv002.wav"), WaveFormat::pcm(kRate), tone.data(), tone.size() * 2));
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv002.wav"), 2, "Ann"));
  view()->document().select(33075, 11025);  // 1.5 s back to 0.5 s

  std::vector<ShownRow> shown;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<VoiceReportDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    waitUntilReady(*dialog);
    for (int r = 0; r < dialog->table()->rowCount(); ++r)
      shown.push_back({dialog->table()->item(r, 0)->text(), dialog->table()->item(r, 1)->text(),
                       dialog->table()->item(r, 2)->text(), dialog->table()->item(r, 3)->text()});
    dialog->accept();
  });
  window->runCommand(cmd::VoiceReport);

  RecordingSpan span{tone.data(), tone.size(), kRate, 11025, 33075, nullptr};
  const std::vector<VoiceReportRow> expected = voiceReportRows(voiceReportOfRecording(span));
  ASSERT_EQ(shown.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const VoiceReportRow& row = expected[i];
    const QString value = std::isfinite(row.value) ? QString::number(row.value, 'f', row.decimals) : QStringLiteral("--");
    EXPECT_EQ(shown[i].value.toStdString(), value.toStdString()) << row.name;
    EXPECT_FALSE(shown[i].label.isEmpty()) << row.name;
  }
  // The span is the selection, and the tone's measures are what a steady 200 Hz voice gives.
  EXPECT_EQ(shown[0].value, QStringLiteral("0.500"));
  EXPECT_EQ(shown[1].value, QStringLiteral("1.500"));
  EXPECT_NEAR(shown[2].value.toDouble(), 200.0, 2.0);
  EXPECT_NEAR(shown[8].value.toDouble(), 199.0, 3.0);
  EXPECT_LT(shown[12].value.toDouble(), 0.05);
  // Ann is a man: the F0 range of men and the jitter threshold sit beside the values.
  EXPECT_EQ(shown[2].range, QStringLiteral("85 - 180"));
  EXPECT_EQ(shown[12].range, QStringLiteral("< 1.040"));
  EXPECT_EQ(shown[13].unit, QStringLiteral("\u00b5s"));
}

TEST_F(VoiceReportTest, SavedCsvIsTheCommandLinesCsvAndPrivate) {
  const std::vector<int16_t> tone = harmonicTone(150.0, kRate, 2.0);
  ASSERT_TRUE(writeWavFile(folder / "tone.wav", WaveFormat::pcm(kRate), tone.data(), tone.size() * 2));
  VoiceReportJob job;
  job.samples = tone;
  job.rateHz = kRate;
  job.begin = 4410;   // 0.2 s
  job.end = 37485;    // 1.7 s
  VoiceReportDialog dialog(job, ui, window.get());
  EXPECT_FALSE(dialog.saveButton()->isEnabled());
  waitUntilReady(dialog);
  ASSERT_TRUE(dialog.saveButton()->isEnabled());

  const std::filesystem::path target = folder / "report.csv";
  ui.fileAnswers = {target};
  dialog.saveButton()->click();
  std::ifstream in(target);
  std::stringstream saved;
  saved << in.rdbuf();
  const ProcessResult cli = runProcess(VELMORA_CLI_PATH, {"voice-report", (folder / "tone.wav").string(), "--start",
                                                          "0.2", "--end", "1.7", "--csv"});
  ASSERT_EQ(cli.exitStatus, 0) << cli.err;
  EXPECT_EQ(saved.str(), cli.out);
  EXPECT_EQ(std::filesystem::status(target).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

  // Copy: a header and one tab-separated line of four fields per row.
  const QStringList lines = dialog.tabText().split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), dialog.table()->rowCount() + 1);
  for (const QString& line : lines) EXPECT_EQ(line.count(u'\t'), 3) << line.toStdString();
  EXPECT_TRUE(lines[13].endsWith(QStringLiteral("\t%\t< 1.040"))) << lines[13].toStdString();
}

TEST_F(VoiceReportTest, OfferedOnlyForSamplesWhileIdle) {
  window->updateCommandStates();
  EXPECT_FALSE(window->action(cmd::VoiceReport)->isEnabled());
  writeRecording(clientFile("wv002.wav"), 11025);
  ASSERT_TRUE(view()->openNumberedRecording(clientFile("wv002.wav"), 2, "Ann"));
  window->updateCommandStates();
  EXPECT_TRUE(window->action(cmd::VoiceReport)->isEnabled());
  window->runCommand(cmd::Play);
  ASSERT_TRUE(view()->isPlaying());
  window->updateCommandStates();
  EXPECT_FALSE(window->action(cmd::VoiceReport)->isEnabled());
}

// Closing the dialog before the report is there does not wait for the whole computation: the
// worker stops at its next step and its result is dropped.
TEST_F(VoiceReportTest, ClosingWhileComputingDoesNotWaitForTheReport) {
  constexpr int kLongRate = 44100;
  const std::vector<int16_t> tone = harmonicTone(150.0, kLongRate, 60.0);
  VoiceReportJob job;
  job.samples = tone;
  job.rateHz = kLongRate;
  job.begin = 0;
  job.end = tone.size();
  QElapsedTimer clock;
  clock.start();
  RecordingSpan span{tone.data(), tone.size(), kLongRate, 0, tone.size(), nullptr};
  ASSERT_EQ(voiceReportOfRecording(span).status, VoiceReportStatus::Ok);
  const qint64 whole = clock.elapsed();

  bool ready = false;
  qint64 closing = 0;
  {
    auto dialog = std::make_unique<VoiceReportDialog>(job, ui, window.get());
    QObject::connect(dialog.get(), &VoiceReportDialog::reportReady, [&] { ready = true; });
    QThread::msleep(20);  // the worker is under way
    clock.restart();
    dialog.reset();
    closing = clock.elapsed();
  }
  QCoreApplication::processEvents();
  EXPECT_FALSE(ready);
  EXPECT_LT(closing * 4, whole) << "closing took " << closing << " ms, the whole report " << whole << " ms";
}

}  // namespace
}  // namespace velmora
