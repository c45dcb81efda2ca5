#pragma once
// The main frame's client commands and the commands that open client files: New, Open
// (the client list), Personal Information, Delete, Files > Open for a client (the
// recordings list), Import, Edit Notes, Report and the Comparison menu. Holds the client register for the whole run.
//
//   ClientCommands clients(frame, ui, workingFolder);
//   clients.install();     // opens or creates "pacb.dbf", registers the command handlers
#include <filesystem>

#include "clients/client_record.h"
#include "clients/client_register.h"
#include "core/interaction.h"
#include "dialogs/client_frame.h"
#include "dialogs/compare_commands.h"

namespace velmora {

class ClientCommands {
 public:
  ClientCommands(ClientFrame& frame, Interaction& ui, std::filesystem::path workingFolder);

  void install();

  void newClient();
  void openClientList();
  void personalInformation();
  void deleteOpenClient();
  void recordingsList();
  void editNotes();
  void report();
  // Files > Import...: the new recording is opened when it was written.
  void importFile();

  ClientRegister& clientRegister() { return register_; }
  const ClientRecord& openClient() const { return openClient_; }

 private:
  // Makes `record` the open client (folder check, F0 range, title, menus).
  void makeOpen(const ClientRecord& record);
  int language() const;

  ClientFrame& frame_;
  Interaction& ui_;
  std::filesystem::path folder_;
  ClientRegister register_;
  ClientRecord openClient_;
  CompareCommands compare_;
};

}  // namespace velmora
