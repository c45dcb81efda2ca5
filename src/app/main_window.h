#pragma once
// The main frame: the main menu, the toolbar, the analysis view, the open client and the
// commands that are not tied to the open recording (clients, opening a recording, help,
// About, the language switch, exit). Other parts register their commands' handlers in
// commands(); the frame keeps the menus' enabled and checked states current, and keeps a
// command without a registered handler disabled.
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <filesystem>

#include "app/app_settings.h"
#include "app/command_registry.h"
#include "app/main_menu.h"
#include "core/interaction.h"
#include "dialogs/client_frame.h"
#include "presentation/command_states.h"

namespace velmora {

class AnalysisView;
class ManualWindow;

class MainWindow : public QMainWindow, public ClientFrame {
  Q_OBJECT
 public:
  MainWindow(const AppSettings& settings, Interaction& ui, QWidget* parent = nullptr);
  ~MainWindow() override;

  AnalysisView* view() const override { return view_; }
  CommandRegistry& commands() { return commands_; }
  QAction* action(int commandId) const;
  const AppSettings& settings() const { return settings_; }
  int clientCode() const override { return clientCode_; }
  const std::string& clientName() const override { return clientName_; }
  int language() const override { return settings_.language; }
  QWidget* dialogParent() override { return this; }
  bool closing() const { return closing_; }
  QString documentTitle() const { return documentTitle_; }

  // The one-line status text drawn over the toolbar row ("" clears it).
  void showStatusText(const QString& text);
  // Opens a client from the register (code, name, type); false when its folder is missing
  // or its type unknown.
  bool openClient(int code, const std::string& name, int clientType) override;
  // The "Other Files" pseudo-client.
  bool openOtherFiles() override;
  // The open client's record was edited: new name in the title, F0 range from the type.
  void updateOpenClient(const std::string& name, int clientType) override;
  // No client open any more (it was deleted): empty view, menus of a client disabled.
  void closeClient() override;
  // Files > Open: the open dialog for "Other Files", the recordings list for a client.
  void openRecordingCommand();
  // Mode > Voice Report...: the measures of the selection, or of the whole recording.
  void voiceReportCommand();
  // What Files > Open runs for a real client (the recordings list).
  void setRecordingsListHandler(std::function<void()> handler) override { recordingsList_ = std::move(handler); }
  void setCommandHandler(int commandId, std::function<void()> handler) override {
    commands_.setHandler(commandId, std::move(handler));
  }
  // Runs a command as the menu would (checks its enabled state first).
  void runCommand(int commandId);
  // The language commands: false when the language was already active.
  bool switchLanguageTo(int language);
  // Recomputes every action's enabled and checked state: its state rule, and enabled only
  // with a handler. Runs again whenever a handler is registered.
  void updateCommandStates();
  FrameState frameState() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createUi();
  void connectUi();
  void connectMenu();
  void registerFrameCommands();
  void setDocumentTitle(const QString& title);
  void retranslateTitle();
  void setRecordingMenusEnabled(bool on);

  AppSettings settings_;
  Interaction& ui_;
  AnalysisView* view_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QLabel* statusText_ = nullptr;
  ManualWindow* manual_ = nullptr;  // made on the first Help > Contents, kept for the run
  MainMenu menu_;
  CommandRegistry commands_;
  int clientCode_ = kNoClient;
  std::string clientName_;
  int clientType_ = 0;
  bool closing_ = false;
  QString documentTitle_;
  std::function<void()> recordingsList_;
};

}  // namespace velmora
