#pragma once
// Runs a backup or restore off the user-interface thread. The engine's progress reaches
// the wait dialog as queued calls; its questions and messages are asked on the UI thread
// (the worker waits for the answer); the window keeps repainting and Cancel works.
//
//   BackupRunner runner(ui, waitDialog);
//   runner.run([&](Interaction& ui, BackupProgress& progress) { backUp(request, ui, progress); });
#include <functional>

#include "backup/backup_progress.h"
#include "core/interaction.h"

namespace velmora {

class BackupWaitDialog;

class BackupRunner {
 public:
  using Work = std::function<void(Interaction& ui, BackupProgress& progress)>;

  BackupRunner(Interaction& ui, BackupWaitDialog& dialog) : ui_(ui), dialog_(dialog) {}

  // Shows the wait dialog, runs `work` on a worker thread and returns when it is done.
  void run(const Work& work);

 private:
  Interaction& ui_;
  BackupWaitDialog& dialog_;
};

}  // namespace velmora
