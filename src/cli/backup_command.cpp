// velmora-cli backup --data DIR --to TARGET [--clients 1,2,5] [--send]: a dated backup of the
// working folder's clients (all, or the listed ones), as the Backup/Restore dialog makes it.
// --send sends the listed clients to backup. Questions are answered No; messages go to
// standard error; one line per client to standard output; exit status 2 on failure.
#include <filesystem>
#include <iostream>

#include "backup/backup_engine.h"
#include "cli/backup_cli.h"
#include "cli/command_registry.h"
#include "cli/stderr_interaction.h"
#include "core/config_files.h"

namespace velmora::cli {
namespace {

constexpr const char* kUsage = "usage: velmora-cli backup --data DIR --to TARGET [--clients 1,2,5] [--send]\n";

int runBackup(const std::vector<std::string>& args) {
  BackupRequest request;
  bool haveData = false;
  bool haveTarget = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--data" && hasValue) {
      request.workingFolder = args[++i];
      haveData = true;
    } else if (args[i] == "--to" && hasValue) {
      request.targetFolder = args[++i];
      haveTarget = true;
    } else if (args[i] == "--clients" && hasValue) {
      request.clientCodes = parseCodeList(args[++i]);
      if (!request.clientCodes) {
        std::cerr << kUsage;
        return 1;
      }
    } else if (args[i] == "--send") {
      request.send = true;
    } else {
      std::cerr << kUsage;
      return 1;
    }
  }
  // A send names its clients: sending every client by accident would empty the working folder.
  if (!haveData || !haveTarget || (request.send && !request.clientCodes)) {
    std::cerr << kUsage;
    return 1;
  }
  std::error_code ec;
  request.workingFolder = std::filesystem::absolute(request.workingFolder, ec);
  if (ec || !std::filesystem::is_directory(request.workingFolder, ec)) {
    std::cerr << "cannot use " << request.workingFolder.string() << "\n";
    return 2;
  }
  request.targetFolder = std::filesystem::absolute(request.targetFolder, ec);
  request.date = currentUtcDate();
  request.language = startLanguage(request.workingFolder);
  StderrInteraction ui;
  LineProgress progress;
  return backUp(request, ui, progress).status == OperationStatus::Done ? 0 : 2;
}

const CommandRegistrar reg("backup",
                           "backup --data DIR --to TARGET [--clients 1,2,5] [--send]   dated backup of the clients",
                           runBackup);

}  // namespace
}  // namespace velmora::cli
