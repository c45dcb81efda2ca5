// Files > Import... in the real frame: the conversion question, the wait dialog's progress
// and Cancel, and the imported recording opened in the view.
#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <set>

#include "dialogs/client_commands.h"
#include "dialogs/converter_dialog.h"
#include "dialogs/import_command.h"
#include "dialogs/wait_dialog.h"
#include "audio/wav_reader.h"
#include "view_audio_fixture.h"

namespace velmora::testing {
namespace {

namespace fs = std::filesystem;
using ImportCommandTest = ViewAudioFixture;

// Stereo at 48 kHz: a 440 Hz tone on the left, silence on the right.
void writeStereo48k(const fs::path& path, double seconds) {
  const auto frames = static_cast<size_t>(48000 * seconds);
  std::vector<int16_t> samples(frames * 2, 0);
  for (size_t i = 0; i < frames; ++i)
    samples[2 * i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * static_cast<double>(i) / 48000));
  WaveFormat format = WaveFormat::pcm(48000);
  format.channels = 2;
  format.blockAlign = 4;
  format.averageBytesPerSecond = 48000 * 4;
  ASSERT_TRUE(writeWavFile(path, format, samples.data(), samples.size() * 2));
}

TEST_F(ImportCommandTest, AStereo48kFileIsConvertedToTheChosenRateAndChannelAndOpened) {
  ClientCommands clients(*window, ui, folder.path());
  clients.install();
  writeStereo48k(folder / "outside.wav", 2.0);
  ui.fileAnswers = {folder / "outside.wav"};
  bool asked = false;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<ConverterDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    asked = true;
    EXPECT_EQ(dialog->rateList()->currentIndex(), 0);  // 48000 Hz is none of the three: 11025
    EXPECT_TRUE(dialog->channelButton(StereoChoice::Mix)->isChecked());
    dialog->rateList()->setCurrentIndex(1);
    dialog->channelButton(StereoChoice::Left)->setChecked(true);
    dialog->accept();
  });
  answer.start(10);
  window->runCommand(cmd::Import);
  answer.stop();

  EXPECT_TRUE(asked);
  EXPECT_EQ(ui.countOf(msg::FileImported), 1);
  const WavData wav = readWav(clientFile("wv001.wav"));
  ASSERT_EQ(wav.code, WavOk);
  EXPECT_EQ(wav.format.samplesPerSecond, 22050u);
  EXPECT_NEAR(static_cast<double>(wav.samples.size()), 44100.0, 2.0);
  // The left channel's tone came through, not the silent right one.
  EXPECT_GT(*std::max_element(wav.samples.begin(), wav.samples.end()), 6000);
  ASSERT_TRUE(view()->hasSamples());
  EXPECT_EQ(view()->buffer().recordingNumber, 1);
}

TEST_F(ImportCommandTest, CancelDuringALongConversionLeavesNoFileAndACorruptFileWritesNothing) {
  writeStereo48k(folder / "long.wav", 120.0);
  ImportCommand command(ui, window.get());
  command.askConversion = [](const ConversionOffer&) { return ConversionChoice{0, StereoChoice::Mix}; };
  std::set<int> stepsShown;
  command.onProgress = [&](WaitDialog& wait, int step) {
    stepsShown.insert(wait.bar()->value());
    if (step >= 20 && wait.isVisible()) wait.cancelButton()->click();
  };
  const ImportResult cancelled = command.importFrom(folder / "long.wav", folder.path(), 1);
  EXPECT_EQ(cancelled.status, ImportStatus::Cancelled);
  EXPECT_GE(stepsShown.size(), 3u);  // the bar moved before Cancel
  EXPECT_TRUE(fs::is_empty(folder / "pac001"));  // no recording, no temporary file
  EXPECT_TRUE(ui.shown.empty());

  folder.writeBytes("broken.wav", "RIFF\x10\0\0\0WAVEfmt garbage");
  const ImportResult broken = command.importFrom(folder / "broken.wav", folder.path(), 1);
  EXPECT_EQ(broken.status, ImportStatus::Failed);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::FileNotOpened});
  EXPECT_TRUE(fs::is_empty(folder / "pac001"));
}

}  // namespace
}  // namespace velmora::testing
