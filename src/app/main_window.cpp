#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QUrl>

#include "analysis/f0_range.h"
#include "app/about_dialog.h"
#include "app/language_switch.h"
#include "app/manual_window.h"
#include "bars/power_spectrum_bar.h"
#include "bars/spectrogram_bar.h"
#include "clients/client_register.h"
#include "clients/other_files.h"
#include "core/language.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "dialogs/backup_dialog.h"
#include "dialogs/properties_dialog.h"
#include "dialogs/voice_report_dialog.h"
#include "platform/translation_catalog.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"
#include "view/compare_window.h"
#include "view/dialog_audio_hold.h"
#include "view/f0_setting_dialog.h"

namespace velmora {

MainWindow::MainWindow(const AppSettings& settings, Interaction& ui, QWidget* parent)
    : QMainWindow(parent), settings_(settings), ui_(ui) {
  createUi();
  connectUi();
  commands_.setChangeListener([this] { updateCommandStates(); });
  registerFrameCommands();
  setRecordingMenusEnabled(false);
  setDocumentTitle(QString());
  updateCommandStates();
}

MainWindow::~MainWindow() = default;

void MainWindow::createUi() {
  menu_ = buildMainMenu(menuBar(), this);
  toolbar_ = addToolBar(QString::fromStdString(velmora::tr(str::ToolbarTitle)));
  toolbar_->setMovable(false);
  toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
  fillToolbar(toolbar_, menu_);
  statusText_ = new QLabel(toolbar_);
  QPalette pal = statusText_->palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
  statusText_->setPalette(pal);
  statusText_->setGeometry(600, 4, 260, 20);
  ViewStartSettings vs;
  vs.screenWidth = settings_.screenWidth;
  vs.screenHeight = settings_.screenHeight;
  vs.language = settings_.language;
  vs.extraTextChar = settings_.extraTextChar;
  vs.updateRatePreference = settings_.updateRatePreference;
  view_ = new AnalysisView(vs, ui_, this);
  setCentralWidget(view_);
}

void MainWindow::connectMenu() {
  for (const auto& [id, action] : menu_.actions) {
    const int commandId = id;
    connect(action, &QAction::triggered, this, [this, commandId] { runCommand(commandId); });
  }
  for (QMenu* menu : menuBar()->findChildren<QMenu*>())
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateCommandStates, Qt::UniqueConnection);
}

void MainWindow::connectUi() {
  connectMenu();
  connect(view_, &AnalysisView::statusTextRequested, this, &MainWindow::showStatusText);
  connect(view_, &AnalysisView::titleRequested, this, &MainWindow::setDocumentTitle);
  connect(view_, &AnalysisView::titleResetRequested, this,
          [this] { setDocumentTitle(QString::fromStdString(clientName_)); });
  connect(view_, &AnalysisView::recordingChanged, this, &MainWindow::updateCommandStates);
  connect(view_, &AnalysisView::selectionChanged, this, &MainWindow::updateCommandStates);
  // The waveform's context menu offers the edit commands the frame carries out.
  connect(view_, &AnalysisView::commandRequested, this, &MainWindow::runCommand);
  view_->setCommandHandled([this](int id) { return commands_.hasHandler(id); });
}

void MainWindow::registerFrameCommands() {
  commands_.setHandler(cmd::Exit, [this] { close(); });
  commands_.setHandler(cmd::OpenRecording, [this] { openRecordingCommand(); });
  commands_.setHandler(cmd::Spectrogram, [this] { view_->spectrogramCommand(); });
  commands_.setHandler(cmd::PowerSpectrum, [this] { view_->powerSpectrumCommand(); });
  commands_.setHandler(cmd::Zoom, [this] { view_->zoomCommand(); });
  for (const int id : {cmd::Cut, cmd::Copy, cmd::Paste, cmd::SelectAll, cmd::Silence, cmd::Undo})
    commands_.setHandler(id, [this, id] { view_->editCommand(id); });
  commands_.setHandler(cmd::SaveChanges, [this] { view_->documents().saveChanges(); });
  commands_.setHandler(cmd::CleanTexts, [this] { view_->cleanTextsCommand(); });
  commands_.setHandler(cmd::ExportLabels, [this] { view_->exportLabelsCommand(); });
  commands_.setHandler(cmd::ImportLabels, [this] { view_->importLabelsCommand(); });
  commands_.setHandler(cmd::About, [this] {
    AboutDialog dialog(this);
    dialog.exec();
  });
  // Help is offered only when the manual is there to be shown.
  if (const auto manual = findManual(settings_.programFolder, QCoreApplication::applicationDirPath().toStdString())) {
    commands_.setHandler(cmd::HelpContents, [this, index = *manual] {
      if (!manual_) manual_ = new ManualWindow(index, this);
      manual_->show();
      manual_->raise();
      manual_->activateWindow();
    });
  }
  commands_.setHandler(cmd::F0Setting, [this] {
    F0SettingDialog dialog(F0DisplayRange{view_->display().f0Min(), view_->display().f0Max()}, ui_, this);
    if (dialog.exec() == QDialog::Accepted) view_->display().setF0Range(dialog.range().minHz, dialog.range().maxHz);
  });
  // Backup/Restore: the open recording is closed (with the save question, playback stopped)
  // by each command just before it touches the files.
  commands_.setHandler(cmd::Backup, [this] {
    BackupDialog dialog(ui_, settings_.programFolder, settings_.language, [this] { view_->closeRecording(); }, this);
    dialog.exec();
    // A restore may have replaced the register: a client it no longer holds is not left open.
    if (clientCode_ > 0 && clientCode_ != kOtherFilesCode) {
      ClientRegister restored(ui_);
      restored.setFileName(settings_.programFolder / kRegisterFileName);
      if (restored.query("CODIGO=" + std::to_string(clientCode_)) == 0) closeClient();
    }
  });
  commands_.setHandler(cmd::Properties, [this] {
    const DialogAudioHold hold(view_->takeController(), view_->playbackController());
    const SoundBuffer& b = view_->buffer();
    PropertiesDialog dialog(audioProperties({settings_.programFolder, clientCode_, b.recordingNumber, b.path,
                                             b.sampleCount(), b.sampleRate()}),
                            this);
    dialog.exec();
  });
  commands_.setHandler(cmd::VoiceReport, [this] { voiceReportCommand(); });
  commands_.setHandler(cmd::LanguageEnglish, [this] { switchLanguageTo(English); });
  commands_.setHandler(cmd::LanguageKorean, [this] { switchLanguageTo(Korean); });
}

QAction* MainWindow::action(int commandId) const {
  const auto it = menu_.actions.find(commandId);
  return it == menu_.actions.end() ? nullptr : it->second;
}

void MainWindow::runCommand(int commandId) {
  updateCommandStates();
  if (QAction* a = action(commandId); a && !a->isEnabled()) return;
  commands_.run(commandId);
  updateCommandStates();
}

FrameState MainWindow::frameState() const {
  FrameState s;
  s.clientCode = clientCode_;
  s.language = settings_.language;
  s.mode = view_->mode();
  s.loaded = view_->hasSamples();
  s.modified = view_->document().isChanged();
  s.recordingNumber = view_->document().recordingNumber();
  s.recording = view_->isRecording();
  s.playing = view_->isPlaying();
  s.zoomed = view_->document().isZoomed();
  s.hasSelection = view_->hasSelection();
  s.selectionSpansPane = view_->selectionSpansPane();
  s.canPaste = view_->document().editState().canPaste();
  s.canUndo = view_->document().editState().canUndo();
  s.comparisonShown = view_->hasComparison();
  return s;
}

void MainWindow::updateCommandStates() {
  const FrameState s = frameState();
  for (const auto& [id, a] : menu_.actions) {
    CommandState state = commandState(id, s);
    // Only a registered handler makes a command live: no dead entry is ever offered.
    state.enabled = state.enabled && commands_.hasHandler(id);
    a->setEnabled(state.enabled);
    if (a->isCheckable()) a->setChecked(state.checked);
  }
  setRecordingMenusEnabled(recordingMenusEnabled(s));
}

void MainWindow::setRecordingMenusEnabled(bool on) {
  for (QMenu* m : {menu_.files, menu_.audio, menu_.mode}) m->menuAction()->setEnabled(on);
}

void MainWindow::showStatusText(const QString& text) {
  statusText_->setText(text.size() <= 1 ? QString() : text);
  // Drawn at once: the computation that follows keeps the event loop busy.
  statusText_->repaint();
}

void MainWindow::setDocumentTitle(const QString& title) {
  documentTitle_ = title;
  setWindowTitle(title.isEmpty() ? QStringLiteral("Velmora") : title + QStringLiteral(" - Velmora"));
}

// The title composed again from what is open, in the language now chosen. An empty title
// (no client, or a take of "Other Files") stays empty.
void MainWindow::retranslateTitle() {
  if (clientCode_ == kOtherFilesCode) clientName_ = velmora::tr(str::DefaultClientName);
  if (documentTitle_.isEmpty()) return;
  std::string title = clientName_;
  if (view_->hasSamples()) {
    const SoundBuffer& b = view_->buffer();
    title = b.recordingNumber > 0 ? formatv(velmora::tr(str::ClientFileTitle), clientName_, b.recordingNumber)
                                  : formatv(velmora::tr(str::PathFileTitle), b.path.filename().string());
  }
  setDocumentTitle(QString::fromStdString(title));
}

bool MainWindow::openClient(int code, const std::string& name, int clientType) {
  if (clientType < 0 || clientType > 3) {
    showMessage(ui_, msg::UndefinedType);
    return false;
  }
  std::error_code ec;
  const std::filesystem::path folder = clientFolder(settings_.programFolder, code);
  if (!std::filesystem::is_directory(folder, ec)) {
    showMessage(ui_, msg::ClientFolderInaccessible);
    clientCode_ = kNoClient;
    updateCommandStates();
    return false;
  }
  view_->closeRecording();
  view_->hideBars();
  view_->setEmptyMode();
  clientCode_ = code;
  clientName_ = name;
  clientType_ = clientType;
  view_->spectrogramCommand();
  setDocumentTitle(QString::fromStdString(name));
  const F0DisplayRange range = f0RangeForClientType(clientType);
  view_->display().setF0Range(range.minHz, range.maxHz);
  updateCommandStates();
  return true;
}

bool MainWindow::openOtherFiles() {
  if (!prepareOtherFilesFolder(settings_.programFolder)) return false;
  view_->closeRecording();
  view_->setEmptyMode();
  clientCode_ = kOtherFilesCode;
  clientName_ = velmora::tr(str::DefaultClientName);
  setDocumentTitle(QString::fromStdString(clientName_));
  view_->display().setF0Range(kF0AnonymousClientRange.minHz, kF0AnonymousClientRange.maxHz);
  view_->spectrogramCommand();
  updateCommandStates();
  return true;
}

void MainWindow::updateOpenClient(const std::string& name, int clientType) {
  clientName_ = name;
  const int number = view_->buffer().recordingNumber;
  setDocumentTitle(QString::fromStdString(view_->hasSamples() && number > 0 ? formatv(velmora::tr(str::ClientFileTitle), name, number) : name));
  if (clientType < 0 || clientType > 3) {
    showMessage(ui_, msg::UndefinedType);
    return;
  }
  clientType_ = clientType;
  const F0DisplayRange range = f0RangeForClientType(clientType);
  view_->display().setF0Range(range.minHz, range.maxHz);
}

void MainWindow::closeClient() {
  view_->closeRecording();
  view_->hideBars();
  view_->setEmptyMode();
  clientCode_ = kNoClient;
  clientName_.clear();
  clientType_ = 0;
  setDocumentTitle(QString());
  updateCommandStates();
}

void MainWindow::openRecordingCommand() {
  if (clientCode_ != kOtherFilesCode) {
    if (recordingsList_) recordingsList_();
    return;
  }
  const std::optional<std::filesystem::path> file = ui_.chooseOpenFile(otherFilesOpenRequest(settings_.programFolder));
  if (!file) return;
  view_->openRecordingByPath(*file);
}

void MainWindow::voiceReportCommand() {
  const SoundBuffer& b = view_->buffer();
  VoiceReportJob job;
  job.samples = b.samples;
  job.rateHz = static_cast<int>(b.sampleRate());
  // The selection, or the whole recording without one.
  const SampleRange selection = view_->document().selection().clampedTo(b.sampleCount()).ordered();
  job.begin = selection.empty() ? 0 : static_cast<size_t>(selection.start);
  job.end = selection.empty() ? job.samples.size() : static_cast<size_t>(selection.end);
  if (const std::vector<float>* f0 = view_->display().results().f0Values()) job.f0 = *f0;
  job.clientType = clientType_;
  job.saveFolder = b.path.parent_path();
  VoiceReportDialog dialog(std::move(job), ui_, this);
  dialog.exec();
}

bool MainWindow::switchLanguageTo(int language) {
  const bool changed = switchLanguage(settings_.language, language, settings_.programFolder, [this](int chosen) {
    applyLanguageCatalog(chosen, settings_.catalogFolder.empty() ? QCoreApplication::applicationDirPath()
                                                                 : QString::fromStdString(settings_.catalogFolder.string()));
    settings_.extraTextChar = languageInfo(chosen).extraTextChar;
  });
  if (!changed) return false;
  // The menu is built again so its texts come from the new language.
  for (const auto& entry : menu_.actions) delete entry.second;
  menu_ = buildMainMenu(menuBar(), this);
  fillToolbar(toolbar_, menu_);
  statusText_->raise();
  connectMenu();
  view_->display().setLanguage(settings_.language, settings_.extraTextChar);
  view_->spectrogramBar()->retranslate();
  view_->powerSpectrumBar()->retranslate();
  if (view_->comparison() && view_->comparison()->window()) view_->comparison()->window()->retranslate();
  if (manual_) manual_->retranslate();
  retranslateTitle();
  updateCommandStates();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!askYesNo(ui_, msg::AskExit)) {
    event->ignore();
    return;
  }
  closing_ = true;
  view_->closeRecording();
  event->accept();
}

}  // namespace velmora
