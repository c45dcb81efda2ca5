#pragma once
// What the backup and restore commands share: the list of client codes and a progress sink
// that writes one line per finished client to standard output.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "backup/backup_progress.h"

namespace velmora::cli {

// "1,2,5" -> {1, 2, 5}; nothing for an empty list or anything that is not a code.
std::optional<std::vector<int>> parseCodeList(const std::string& text);

class LineProgress : public BackupProgress {
 public:
  void clientStarted(const std::string& name, int code, int entryCount) override;
  void clientFinished(int code) override;
  void skipped(const std::string& folder, const std::string& name) override;

 private:
  std::string name_;
};

}  // namespace velmora::cli
