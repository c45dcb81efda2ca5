#pragma once
// Replacing a file without ever leaving it half written: the new content goes to a
// temporary file in the same folder, is flushed to disk and renamed over the target.
// A failed write leaves the previous file whole.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

class AtomicFileWriter {
 public:
  // keepTime: when the target exists, the new file keeps its modification time.
  explicit AtomicFileWriter(std::filesystem::path target, bool keepTime = false);
  ~AtomicFileWriter();  // an uncommitted writer removes its temporary file
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool open();
  bool write(const void* data, size_t bytes);
  bool write(std::string_view text) { return write(text.data(), text.size()); }
  // Flushes, syncs and renames over the target. False (and the target untouched) on failure.
  bool commit();
  void abandon();

  const std::filesystem::path& target() const { return target_; }
  const std::filesystem::path& temporaryPath() const { return temp_; }

 private:
  std::filesystem::path target_;
  std::filesystem::path temp_;
  bool keepTime_;
  int fd_ = -1;
  bool failed_ = false;
};

// Whole-content convenience form.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view content, bool keepTime = false);

// Reads at most maxBytes of a file; false when it cannot be opened or is longer.
bool readSmallFile(const std::filesystem::path& path, std::string& content, size_t maxBytes);

}  // namespace velmora
