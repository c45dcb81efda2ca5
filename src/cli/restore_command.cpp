// velmora-cli restore --data DIR --from BACKUPFOLDER [--attach 1,2]: a full restore of a
// backup folder into the working folder, or, with --attach, the backup files of the listed
// clients of the current register. Questions are answered No; messages go to standard
// error; one line per client to standard output; exit status 2 on failure.
#include <filesystem>
#include <iostream>

#include "backup/restore_engine.h"
#include "cli/backup_cli.h"
#include "cli/command_registry.h"
#include "cli/stderr_interaction.h"

namespace velmora::cli {
namespace {

constexpr const char* kUsage = "usage: velmora-cli restore --data DIR --from BACKUPFOLDER [--attach 1,2]\n";

int runRestore(const std::vector<std::string>& args) {
  RestoreRequest request;
  bool haveData = false;
  bool haveSource = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--data" && hasValue) {
      request.workingFolder = args[++i];
      haveData = true;
    } else if (args[i] == "--from" && hasValue) {
      request.sourceFolder = args[++i];
      haveSource = true;
    } else if (args[i] == "--attach" && hasValue) {
      const auto codes = parseCodeList(args[++i]);
      if (!codes) {
        std::cerr << kUsage;
        return 1;
      }
      request.attach = true;
      request.attachCodes = *codes;
    } else {
      std::cerr << kUsage;
      return 1;
    }
  }
  if (!haveData || !haveSource) {
    std::cerr << kUsage;
    return 1;
  }
  std::error_code ec;
  request.workingFolder = std::filesystem::absolute(request.workingFolder, ec);
  if (ec || !std::filesystem::is_directory(request.workingFolder, ec)) {
    std::cerr << "cannot use " << request.workingFolder.string() << "\n";
    return 2;
  }
  request.sourceFolder = std::filesystem::absolute(request.sourceFolder, ec);
  StderrInteraction ui;
  LineProgress progress;
  return restoreBackup(request, ui, progress) == OperationStatus::Done ? 0 : 2;
}

const CommandRegistrar reg("restore",
                           "restore --data DIR --from BACKUPFOLDER [--attach 1,2]   restore or attach a backup",
                           runRestore);

}  // namespace
}  // namespace velmora::cli
