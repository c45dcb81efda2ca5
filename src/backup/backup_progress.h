#pragma once
// What a backup or restore tells its wait dialog, and how it learns of Cancel. The engine
// calls these from the thread it runs on; a dialog posts them to its own thread.
#include <string>

namespace velmora {

class BackupProgress {
 public:
  virtual ~BackupProgress() = default;
  // A client begins: its name and the number of entries of its folder (the files bar's range).
  virtual void clientStarted(const std::string& /*name*/, int /*code*/, int /*entryCount*/) {}
  // The operation label (str::Copying, str::Decompressing, str::FreeingData...) and the file.
  virtual void fileStarted(int /*labelId*/, const std::string& /*fileName*/) {}
  // The current file's progress, 0 .. 1000.
  virtual void fileProgress(int /*permille*/) {}
  // One entry of the client folder handled (the files bar steps).
  virtual void entryDone() {}
  virtual void clientFinished(int /*code*/) {}
  // A phase that cannot be cancelled (str::RemovingBackupFolder, str::RestoringFiles).
  virtual void phase(int /*labelId*/) {}
  // A name from a backup that is not a plain file name, or a link: skipped.
  virtual void skipped(const std::string& /*folder*/, const std::string& /*name*/) {}
  virtual bool cancelRequested() { return false; }
  // The work is over; the closing message follows (the wait dialog goes first).
  virtual void finished() {}
};

}  // namespace velmora
