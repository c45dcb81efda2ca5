#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <filesystem>
#include <iostream>

#include "app/app_settings.h"
#include "app/font_substitutes.h"
#include "app/main_window.h"
#include "app/qt_interaction.h"
#include "app/splash_window.h"
#include "app/volume_wiring.h"
#include "app/working_folder.h"
#include "audio/record_format.h"
#include "audio/sound_player.h"
#include "audio/sound_recorder.h"
#include "core/config_files.h"
#include "core/language.h"
#include "core/message_ids.h"
#include "dialogs/client_commands.h"
#include "dialogs/print_commands.h"
#include "document/take_recovery.h"
#include "platform/display_modes.h"
#include "platform/qt_wave_in.h"
#include "platform/qt_wave_out.h"
#include "platform/screen_info.h"
#include "platform/system_volume_devices.h"
#include "platform/translation_catalog.h"
#include "presentation/command_ids.h"
#include "presentation/screen_check.h"
#include "view/analysis_view.h"

namespace velmora {

const char* const kVelmoraHelp =
    "usage: velmora [--data DIR] [--no-splash] [FILE.wav]\n"
    "       velmora --help | --version\n"
    "Records and analyses voices for speech therapy: spectrogram, power spectrum, F0 and formants.\n"
    "\n"
    "options:\n"
    "  --data DIR   work in DIR (the register pacb.dbf, the client folders, the settings)\n"
    "  --no-splash  start without the splash window\n"
    "  FILE.wav     open this recording as an \"Other Files\" recording\n"
    "  --help       print this text\n"
    "  --version    print the version\n"
    "\n"
    "working folder:\n"
    "Without --data, Velmora works in the current folder when it holds a register; otherwise in\n"
    "the user's working folder, ~/Velmora, created private on first use and remembered in\n"
    "~/.config/Velmora/velmora.ini (key workingFolder).\n";

StartOptions parseStartOptions(const std::vector<std::string>& args) {
  StartOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data") {
      if (i + 1 >= args.size()) {
        o.error = "--data needs a folder";
        return o;
      }
      o.dataFolder = args[++i];
    } else if (a == "-Embedding" || a == "/Embedding" || a == "-Automation" || a == "/Automation" ||
               a == "--no-splash") {
      o.splash = false;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (!a.empty() && a[0] == '-') {
      o.error = "unknown option " + a;
      return o;
    } else if (o.file.empty()) {
      o.file = a;
    } else {
      o.error = "only one file can be opened";
      return o;
    }
  }
  return o;
}

void wireAudio(MainWindow& window, SoundRecorder& recorder, SoundPlayer& player) {
  AnalysisView* view = window.view();
  view->attachAudio(recorder, player, [&window] {
    return TakeClient{window.clientCode(), window.clientName(), window.settings().programFolder};
  });
  window.commands().setHandler(cmd::Record, [view] { view->recordCommand(false); });
  window.commands().setHandler(cmd::Play, [view] { view->playCommand(); });
  window.commands().setHandler(cmd::Buffer300, [view] { view->bufferSizeCommand(300); });
  window.commands().setHandler(cmd::Buffer600, [view] { view->bufferSizeCommand(600); });
  window.commands().setHandler(cmd::Buffer1200, [view] { view->bufferSizeCommand(1200); });
  QObject::connect(view, &AnalysisView::audioStateChanged, &window, &MainWindow::updateCommandStates);
}

int runVelmora(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const StartOptions options = parseStartOptions(args);
  if (!options.error.empty()) {
    std::cerr << "velmora: " << options.error << "\nusage: velmora [--data DIR] [FILE.wav]\n";
    return 2;
  }
  if (options.help || options.version) {
    std::cout << (options.help ? kVelmoraHelp : "velmora " VELMORA_VERSION "\n");
    return 0;
  }
  // A file named relative to where the user typed the command, before --data moves us.
  std::filesystem::path file;
  if (!options.file.empty()) file = std::filesystem::absolute(options.file);
  std::filesystem::path folder = options.dataFolder;
  if (folder.empty()) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmora"), QStringLiteral("velmora"));
    std::string error;
    folder = userWorkingFolder(store, std::filesystem::current_path(), QDir::homePath().toStdString(), error);
    if (folder.empty()) {
      std::cerr << "velmora: " << error << "\n";
      return 1;
    }
  }
  std::error_code ec;
  std::filesystem::current_path(folder, ec);
  if (ec) {
    std::cerr << "velmora: cannot use " << folder.string() << " as working folder: " << ec.message() << "\n";
    return 1;
  }
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Velmora"));
  // Ties the windows to the installed desktop entry and its icon.
  app.setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
  app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.velmora.Velmora")));
  installFontSubstitutes();
  AppSettings settings;
  settings.programFolder = std::filesystem::current_path();
  // A working folder that never chose a language starts in English, words and layout alike.
  settings.language = startLanguage(settings.programFolder);
  applyLanguageCatalog(settings.language, QCoreApplication::applicationDirPath());
  settings.extraTextChar = languageInfo(settings.language).extraTextChar;

  QtInteraction ui;
  SystemDisplayModes displayModes;
  ScreenModeChanger changer(displayModes, ui);
  settings.screenModeSetting = readScreenModeSetting(settings.programFolder);
  const ScreenCheckResult screen =
      checkScreen(settings.screenModeSetting, QtScreenProbe(), changer, ui, [] { return startDisplaySettingsProgram(); });
  if (!screen.ok) return 0;
  settings.screenWidth = screen.screenWidth;
  settings.screenHeight = screen.screenHeight;
  settings.updateRatePreference = checkUnfinishedRecording(settings.programFolder, ui);
  recoverInterruptedTake(settings.programFolder, ui);
  settings.recordInputChoice = readRecordInputChoice(settings.programFolder);

  // The one recorder and player of the run, on the sound server; every run starts recording
  // at 11025 Hz.
  QtWaveIn waveIn;
  QtWaveOut waveOut;
  SoundRecorder recorder(waveIn, ui, settings.programFolder);
  recorder.setFormat(kStartRecordFormatCode);
  SoundPlayer player(waveOut, ui);
  SystemVolumeDevices volumeDevices;  // outlives the frame that opens volumes through it
  MainWindow window(settings, ui);
  wireAudio(window, recorder, player);
  ui.setParent(&window);
  auto* volumes = new VolumeWiring(window, ui, volumeDevices, [] { return startDesktopVolumeProgram(); });
  volumes->start(settings.recordInputChoice);
  // Each take records from the input chosen in Settings > "Record...".
  waveIn.setInputChooser([volumes] { return volumes->takeInput(); });
  ClientCommands clients(window, ui, settings.programFolder);
  clients.install();
  PrintCommands printing(window, ui, settings.programFolder, [&clients] { return clients.openClient(); });
  printing.install();
  window.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  window.showMaximized();
  if (options.splash) {
    auto* splash = new SplashWindow(settings.language);
    splash->start();
  }
  if (!file.empty()) {
    std::error_code ec;
    // A file named on the command line (or by "Open With") that is not there is said so,
    // rather than leaving an empty Other Files view.
    if (!std::filesystem::is_regular_file(file, ec))
      showMessage(ui, msg::FileNotOpened);
    else if (window.openOtherFiles())
      window.view()->openRecordingByPath(file);
  }
  const int code = app.exec();
  changer.restore();
  return code;
}

}  // namespace velmora
