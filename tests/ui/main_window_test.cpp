// The main frame with its real view, offscreen: the exit question, "Other Files", opening
// a WAV file by path (stereo question, refused rates), the Mode commands, the language switch
// (menus, bars, the window title and the help window).
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <cmath>

#include "app/main_window.h"
#include "app/manual_window.h"
#include "audio/input_buffer_bytes.h"
#include "audio/wav_writer.h"
#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "core/config_files.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

void writeWav(const std::filesystem::path& path, uint32_t rate, uint16_t channels, const std::vector<int16_t>& samples,
              uint16_t bits = 16) {
  const WaveFormat format = WaveFormat::pcm(rate, bits, channels);
  ASSERT_TRUE(writeWavFile(path, format, samples.data(), samples.size() * sizeof(int16_t)));
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.programFolder = folder.path();
    settings.language = 0;
    settings.catalogFolder = VELMORA_CATALOG_DIR;
    window = std::make_unique<MainWindow>(settings, ui);
    window->resize(1024, 740);
  }
  TempFolder folder;
  AppSettings settings;
  ScriptedInteraction ui;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ExitAsksAndNoKeepsTheProgramRunning) {
  window->show();
  ui.yesNoAnswers = {false};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->closing());
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57714});
  ui.yesNoAnswers = {true};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(window->closing());
  EXPECT_EQ(ui.countOf(57714), 2);
}

TEST_F(MainWindowTest, StartsWithoutClientAndTheRecordingMenusOff) {
  EXPECT_EQ(window->clientCode(), -1);
  EXPECT_EQ(window->windowTitle(), "Velmora");
  EXPECT_EQ(window->view()->mode(), ModeEmpty);
  EXPECT_FALSE(window->action(cmd::OpenRecording)->isEnabled());
  EXPECT_FALSE(window->action(cmd::DeleteClient)->isEnabled());
  EXPECT_TRUE(window->action(cmd::About)->isEnabled());
  EXPECT_TRUE(window->action(cmd::LanguageEnglish)->isChecked());
  EXPECT_FALSE(window->action(cmd::LanguageKorean)->isChecked());
  // Every command of the menu carries its id.
  for (int id : {cmd::NewClient, cmd::OpenClient, cmd::PersonalInformation, cmd::DeleteClient, cmd::Backup, cmd::Exit,
                 cmd::OpenRecording, cmd::Report, cmd::Volume, cmd::CompareWithFile, cmd::HelpContents, cmd::About,
                 cmd::Spectrogram, cmd::PowerSpectrum, cmd::LanguageEnglish, cmd::LanguageKorean}) {
    ASSERT_NE(window->action(id), nullptr) << id;
    EXPECT_EQ(window->action(id)->data().toInt(), id);
  }
  EXPECT_EQ(window->action(cmd::Undo)->shortcuts().size(), 2);
  EXPECT_EQ(window->action(cmd::HelpContents)->shortcut(), QKeySequence(QStringLiteral("F1")));
}

TEST_F(MainWindowTest, ToolbarButtonsInTheirOrder) {
  const QToolBar* toolbar = window->findChild<QToolBar*>();
  ASSERT_NE(toolbar, nullptr);
  std::vector<int> ids;
  for (const QAction* a : toolbar->actions()) ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
  EXPECT_EQ(ids, (std::vector<int>{32812, 32784, 0, 57609, 57607, 0, 32838, 32839, 0, 32807, 0, 32843, 0, 32821,
                                   32782, 32819, 32820, 57643}));
}

TEST_F(MainWindowTest, OtherFilesIsOpenedAsThePseudoClient) {
  ASSERT_TRUE(window->openOtherFiles());
  EXPECT_EQ(window->clientCode(), 99999);
  EXPECT_EQ(window->clientName(), "default");
  EXPECT_EQ(window->windowTitle(), "default - Velmora");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Other Files"));
  EXPECT_TRUE(window->action(cmd::OpenRecording)->isEnabled());
  window->commands().setHandler(cmd::Import, [] {});  // so the rule, not a missing handler, decides
  EXPECT_FALSE(window->action(cmd::Import)->isEnabled());  // no import into "Other Files"
  EXPECT_EQ(window->view()->mode(), ModeLiveSpectrogram);
  EXPECT_EQ(window->view()->display().f0Min(), 70);
  EXPECT_EQ(window->view()->display().f0Max(), 1000);
}

TEST_F(MainWindowTest, FilesOpenLoadsAStereoFileAfterTheChannelQuestion) {
  ASSERT_TRUE(window->openOtherFiles());
  const auto path = folder / "Other Files" / "voice.wav";
  writeWav(path, 22050, 2, {100, 300, -100, -301, 7, 9});
  ui.fileAnswers = {path};
  ui.choiceAnswers = {2};  // "Mix Channels"
  window->runCommand(cmd::OpenRecording);
  ASSERT_EQ(ui.fileRequests.size(), 1u);
  EXPECT_EQ(ui.fileRequests[0].filter, "Sound File (*.wav)|*.wav|");
  EXPECT_EQ(ui.fileRequests[0].defaultExtension, "wav");
  EXPECT_EQ(ui.fileRequests[0].startFolder, folder / "Other Files");
  ASSERT_EQ(ui.choices.size(), 1u);
  EXPECT_EQ(ui.choices[0].options.back(), "Mix Channels");
  const SoundBuffer& b = window->view()->buffer();
  EXPECT_EQ(b.samples, (std::vector<int16_t>{200, -200, 8}));
  EXPECT_TRUE(b.wasStereo);
  EXPECT_EQ(window->view()->mode(), ModeSpectrogram);
  EXPECT_EQ(window->windowTitle(), "File - voice.wav - Velmora");
  EXPECT_TRUE(window->view()->spectrogramBar()->isVisibleTo(window->view()));
  EXPECT_EQ(window->view()->spectrogramBar()->limitCombo()->count(), 4);
  window->commands().setHandler(cmd::Play, [] {});  // the program's is wired with the audio
  EXPECT_TRUE(window->action(cmd::Play)->isEnabled());
}

TEST_F(MainWindowTest, RefusedFilesLeaveTheViewEmpty) {
  ASSERT_TRUE(window->openOtherFiles());
  const auto stereo = folder / "stereo.wav";
  writeWav(stereo, 11025, 2, {1, 2, 3, 4});
  ui.fileAnswers = {stereo};
  ui.choiceAnswers = {-1};  // Cancel
  window->runCommand(cmd::OpenRecording);
  EXPECT_EQ(ui.countOf(57733), 1);
  EXPECT_FALSE(window->view()->hasSamples());

  const auto rate = folder / "rate.wav";
  writeWav(rate, 8000, 1, {1, 2, 3, 4});
  ui.fileAnswers = {rate};
  window->runCommand(cmd::OpenRecording);
  EXPECT_EQ(ui.countOf(57730), 1);
  EXPECT_FALSE(window->view()->hasSamples());
  EXPECT_EQ(window->windowTitle(), "default - Velmora");  // closing gives the client's title back
}

TEST_F(MainWindowTest, ModeCommandsSwapModeAndBar) {
  ASSERT_TRUE(window->openOtherFiles());
  const auto path = folder / "a.wav";
  writeWav(path, 11025, 1, std::vector<int16_t>(11025, 1000));
  ASSERT_TRUE(window->view()->openRecordingByPath(path));
  AnalysisView* view = window->view();
  window->runCommand(cmd::PowerSpectrum);
  EXPECT_EQ(view->mode(), ModePowerSpectrum);
  EXPECT_TRUE(view->powerSpectrumBar()->isVisibleTo(view));
  EXPECT_FALSE(view->spectrogramBar()->isVisibleTo(view));
  // Opening the next file keeps the power spectrum.
  ASSERT_TRUE(view->openRecordingByPath(path));
  EXPECT_EQ(view->mode(), ModePowerSpectrum);
  window->runCommand(cmd::Spectrogram);
  EXPECT_EQ(view->mode(), ModeSpectrogram);
  EXPECT_TRUE(view->spectrogramBar()->isVisibleTo(view));
  view->closeRecording();
  EXPECT_EQ(window->windowTitle(), "default - Velmora");
}

TEST_F(MainWindowTest, F0IsComputedOnceWithTheStatusTextOnTheFrame) {
  ASSERT_TRUE(window->openOtherFiles());
  const auto path = folder / "vowel.wav";
  std::vector<int16_t> samples(22050);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 150.0 * static_cast<double>(i) / 22050));
  writeWav(path, 22050, 1, samples);
  std::vector<QString> texts;
  QObject::connect(window->view(), &AnalysisView::statusTextRequested, window.get(),
                   [&](const QString& t) { texts.push_back(t); });
  ASSERT_TRUE(window->view()->openRecordingByPath(path));
  EXPECT_TRUE(texts.empty());  // F0 off: nothing computed
  window->view()->spectrogramBar()->f0Box()->setChecked(true);
  // Computed off the UI thread: the text stays until the track arrives.
  EXPECT_EQ(texts, (std::vector<QString>{"Calculating F0..."}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->view()->display().analysing(); }, 10000));
  EXPECT_EQ(texts, (std::vector<QString>{"Calculating F0...", ""}));
  ASSERT_NE(window->view()->scene().f0Values, nullptr);
  EXPECT_FALSE(window->view()->scene().f0Values->empty());
  // Kept: switching modes and back does not compute it again.
  window->runCommand(cmd::PowerSpectrum);
  window->runCommand(cmd::Spectrogram);
  window->view()->spectrogramBar()->formantsBox()->setChecked(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->view()->display().analysing(); }, 10000));
  EXPECT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[2], "Calculating Formants...");
  EXPECT_NE(window->view()->scene().formants, nullptr);
  EXPECT_FALSE(window->view()->scene().spectrogram.isNull());
}

TEST_F(MainWindowTest, UpdateRateSetsTheBufferSizeForTheShownRate) {
  ASSERT_TRUE(window->openOtherFiles());
  const auto path = folder / "b.wav";
  writeWav(path, 22050, 1, std::vector<int16_t>(4000, 0));
  ASSERT_TRUE(window->view()->openRecordingByPath(path));
  QComboBox* rate = window->view()->spectrogramBar()->updateRateCombo();
  rate->setCurrentIndex(0);
  emit rate->activated(0);
  EXPECT_EQ(inputBufferBytes(), 367);  // 22050 / 60 x 1.0
  window->runCommand(cmd::PowerSpectrum);
  QComboBox* powerRate = window->view()->powerSpectrumBar()->updateRateCombo();
  powerRate->setCurrentIndex(5);
  emit powerRate->activated(5);
  EXPECT_EQ(inputBufferBytes(), 3675);  // 22050 / 60 x 10
  setInputBufferBytes(kStartInputBufferBytes);
}

TEST_F(MainWindowTest, LanguageSwitchRewritesLangDatOnlyOnChange) {
  EXPECT_FALSE(window->switchLanguageTo(0));
  EXPECT_FALSE(std::filesystem::exists(folder / "lang.dat"));
  EXPECT_TRUE(window->switchLanguageTo(2));
  EXPECT_EQ(readLanguage(folder.path()), 2);
  EXPECT_TRUE(window->action(cmd::LanguageKorean)->isChecked());
  std::filesystem::remove(folder / "lang.dat");
  EXPECT_FALSE(window->switchLanguageTo(2));
  EXPECT_FALSE(std::filesystem::exists(folder / "lang.dat"));
  EXPECT_TRUE(window->switchLanguageTo(0));
  EXPECT_EQ(readLanguage(folder.path()), 0);
  // The rebuilt menu still runs its commands.
  bool ran = false;
  window->commands().setHandler(cmd::OpenClient, [&ran] { ran = true; });
  window->action(cmd::OpenClient)->trigger();
  EXPECT_TRUE(ran);
}

// The Korean command retranslates the open frame at once, menus, toolbar tips and bars, and
// the English command brings every text back.
TEST_F(MainWindowTest, KoreanSwitchRetranslatesTheOpenFrameAndEnglishBringsItBack) {
  const auto titles = [this] {
    QStringList t;
    for (QAction* a : window->menuBar()->actions()) t << a->text();
    return t;
  };
  const QStringList english = titles();
  ASSERT_EQ(english.size(), 7);
  EXPECT_EQ(english.first(), QStringLiteral("&Client"));
  const QImage englishBar = window->menuBar()->grab().toImage();
  ASSERT_TRUE(window->switchLanguageTo(Korean));
  // Drawn, not only set: the bar's pixels are another picture (the glyphs themselves are
  // checked in Fonts.KoreanTextsHaveGlyphsInEveryFontDrawnUnderTheKoreanRules).
  EXPECT_NE(window->menuBar()->grab().toImage(), englishBar);
  const QStringList korean = titles();
  ASSERT_EQ(korean.size(), english.size());
  EXPECT_EQ(korean.first(), QStringLiteral("환자(&C)"));
  for (int i = 0; i < korean.size(); ++i) EXPECT_NE(korean[i], english[i]) << i;
  EXPECT_EQ(window->action(cmd::Volume)->text(), QStringLiteral("볼륨..."));
  EXPECT_EQ(window->view()->spectrogramBar()->spectrogramBox()->text(), QStringLiteral("스펙트로그램"));
  EXPECT_EQ(window->view()->powerSpectrumBar()->transport()->playButton()->toolTip(), QStringLiteral("재생"));
  ASSERT_TRUE(window->switchLanguageTo(English));
  EXPECT_EQ(titles(), english);
  EXPECT_EQ(window->menuBar()->grab().toImage(), englishBar);
  EXPECT_EQ(window->action(cmd::Volume)->text(), QStringLiteral("Volume..."));
  EXPECT_EQ(window->view()->spectrogramBar()->spectrogramBox()->text(), QStringLiteral("Spectrogram"));
  EXPECT_EQ(window->view()->powerSpectrumBar()->transport()->playButton()->toolTip(), QStringLiteral("Play"));
}

// The window title and an open help window follow the switch: the title is composed again
// from what is open ("File" is a word of the language), not kept as it was written.
TEST_F(MainWindowTest, LanguageSwitchComposesTheTitleAgainAndRetitlesTheHelpWindow) {
  window->runCommand(cmd::HelpContents);
  auto* manual = window->findChild<ManualWindow*>();
  ASSERT_NE(manual, nullptr);
  EXPECT_EQ(manual->windowTitle(), "Velmora Help");
  std::filesystem::create_directory(folder / "pac003");
  ASSERT_TRUE(window->openClient(3, "Rui", 0));
  const auto path = folder / "pac003" / "wv002.wav";
  writeWav(path, 11025, 1, std::vector<int16_t>(11025, 5));
  ASSERT_TRUE(window->view()->openNumberedRecording(path, 2, "Rui"));
  ASSERT_TRUE(window->switchLanguageTo(Korean));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Rui  파일 - 2 - Velmora"));
  EXPECT_EQ(manual->windowTitle(), QStringLiteral("Velmora 도움말"));
  ASSERT_TRUE(window->openOtherFiles());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("기본 - Velmora"));
  ASSERT_TRUE(window->switchLanguageTo(English));
  EXPECT_EQ(window->windowTitle(), "default - Velmora");
  EXPECT_EQ(manual->windowTitle(), "Velmora Help");
  const auto other = folder / "voice.wav";
  writeWav(other, 11025, 1, std::vector<int16_t>(11025, 5));
  ASSERT_TRUE(window->view()->openRecordingByPath(other));
  ASSERT_TRUE(window->switchLanguageTo(Korean));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("파일 - voice.wav - Velmora"));
  ASSERT_TRUE(window->switchLanguageTo(English));
  EXPECT_EQ(window->windowTitle(), "File - voice.wav - Velmora");
}

TEST_F(MainWindowTest, NumberedRecordingOfAClientShowsItsNumber) {
  std::filesystem::create_directory(folder / "pac003");
  ASSERT_TRUE(window->openClient(3, "Rui", 0));
  EXPECT_EQ(window->view()->mode(), ModeLiveSpectrogram);
  const auto path = folder / "pac003" / "wv002.wav";
  writeWav(path, 11025, 1, std::vector<int16_t>(11025, 5));
  ASSERT_TRUE(window->view()->openNumberedRecording(path, 2, "Rui"));
  EXPECT_EQ(window->windowTitle(), "Rui  File - 2 - Velmora");
  EXPECT_EQ(window->view()->buffer().recordingNumber, 2);
  EXPECT_EQ(window->view()->mode(), ModeSpectrogram);
  window->commands().setHandler(cmd::EditNotes, [] {});  // the program's comes with the client commands
  EXPECT_TRUE(window->action(cmd::EditNotes)->isEnabled());  // a numbered recording has notes
  // A missing file: "Error Reading File", the view stays empty.
  EXPECT_FALSE(window->view()->openNumberedRecording(folder / "pac003" / "wv009.wav", 9, "Rui"));
  EXPECT_EQ(ui.countOf(57647), 1);
  EXPECT_FALSE(window->view()->hasSamples());
  EXPECT_EQ(window->windowTitle(), "Rui - Velmora");
}

TEST_F(MainWindowTest, ClientWithoutFolderOrOfUnknownTypeIsNotOpened) {
  EXPECT_FALSE(window->openClient(7, "Ana", 1));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57710});
  EXPECT_EQ(window->clientCode(), -1);
  std::filesystem::create_directory(folder / "pac007");
  EXPECT_FALSE(window->openClient(7, "Ana", 9));
  EXPECT_EQ(ui.countOf(57711), 1);
  EXPECT_TRUE(window->openClient(7, "Ana", 2));
  EXPECT_EQ(window->view()->display().f0Min(), 200);
  EXPECT_EQ(window->view()->display().f0Max(), 550);
  EXPECT_EQ(window->windowTitle(), "Ana - Velmora");
  window->commands().setHandler(cmd::Import, [] {});  // none yet in the program: the rule is checked
  EXPECT_TRUE(window->action(cmd::Import)->isEnabled());
}

}  // namespace
}  // namespace velmora
