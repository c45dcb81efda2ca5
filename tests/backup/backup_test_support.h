#pragma once
// Progress sinks for the backup and restore tests.
#include <string>
#include <vector>

#include "backup/backup_progress.h"

namespace velmora::testing {

// Records what a wait dialog would show; presses Cancel after `cancelAfterFiles` files.
class RecordingProgress : public BackupProgress {
 public:
  int cancelAfterFiles = -1;
  int filesStarted = 0;
  std::vector<int> phases;
  std::vector<std::string> skippedNames;
  std::vector<int> finishedCodes;

  void fileStarted(int, const std::string&) override { ++filesStarted; }
  void phase(int labelId) override { phases.push_back(labelId); }
  void skipped(const std::string&, const std::string& name) override { skippedNames.push_back(name); }
  void clientFinished(int code) override { finishedCodes.push_back(code); }
  bool cancelRequested() override { return cancelAfterFiles >= 0 && filesStarted >= cancelAfterFiles; }
};

}  // namespace velmora::testing
