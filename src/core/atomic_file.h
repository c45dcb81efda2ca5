#pragma once
// Replacing a file without ever leaving it half written: the new content goes to an unnamed
// file in the same folder (O_TMPFILE), is flushed to disk and linked in: at the target when
// nothing stands there, else under a temporary name renamed over the target. A failed or
// killed write leaves the previous file whole. Only a regular file is ever replaced; a
// symbolic link, FIFO, device or folder at the target makes open() and commit() fail.
// Where unnamed files are not supported a named temporary file ("." + name + ".tmp-XXXXXX") is
// used; leftovers of either kind from a killed writer are removed by the next open() for
// the same target.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_times.h"

namespace velmora {

class AtomicFileWriter {
 public:
  // keepTime: when the target exists, the new file keeps its modification time.
  explicit AtomicFileWriter(std::filesystem::path target, bool keepTime = false);
  ~AtomicFileWriter();  // an uncommitted writer removes its temporary file
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // The file gets this modification time before it appears (instead of keepTime's).
  void setModificationTime(const FileTime& time) { time_ = time; }
  // commit() also flushes the folder's entries to disk, so the new name survives a crash
  // of the machine, not only of the program.
  void setSyncFolder(bool on) { syncFolder_ = on; }

  bool open();
  bool write(const void* data, size_t bytes);
  bool write(std::string_view text) { return write(text.data(), text.size()); }
  // Flushes, syncs and renames over the target. False (and the target untouched) on failure.
  bool commit();
  void abandon();

  const std::filesystem::path& target() const { return target_; }
  // Empty while the content is in an unnamed file.
  const std::filesystem::path& temporaryPath() const { return temp_; }

 private:
  bool linkUnnamed(bool& atTarget);
  void flushFolder() const;

  std::filesystem::path target_;
  std::filesystem::path temp_;
  bool keepTime_;
  std::optional<FileTime> time_;
  bool syncFolder_ = false;
  int fd_ = -1;
  bool failed_ = false;
};

// True when nothing or a regular file stands at target: what a writer may replace.
bool replaceableTarget(const std::filesystem::path& target);

// Whole-content convenience form.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view content, bool keepTime = false);

// Reads at most maxBytes of a file; false when it cannot be opened or is longer.
bool readSmallFile(const std::filesystem::path& path, std::string& content, size_t maxBytes);

}  // namespace velmora
