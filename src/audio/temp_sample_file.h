#pragma once
// The raw-sample temporary file of a take ("grav.tmp"). Every write is flushed at once so a
// crash loses at most the buffer being written.
#include <cstdio>
#include <filesystem>
#include <string>

namespace velmora {

class TempSampleFile {
 public:
  enum Mode { ReadMode = 0, WriteMode = 1 };

  TempSampleFile() = default;
  ~TempSampleFile() { close(); }
  TempSampleFile(const TempSampleFile&) = delete;
  TempSampleFile& operator=(const TempSampleFile&) = delete;

  // Closes any open stream, then opens the name "w+b" (WriteMode) or "rb" (any other mode).
  bool open(int mode, const std::filesystem::path& name);
  // 1 on success, 0 on a failed write, -1 when no stream is open.
  int write(const void* data, size_t bytes);
  // Bytes read; opens the file for reading first when nothing is open.
  size_t read(void* buffer, size_t bytes);
  void rewind();
  void seekToEnd();
  // Length in bytes, or -1 when not open.
  long long size();
  void close();

  bool isOpen() const { return stream_ != nullptr; }
  const std::filesystem::path& name() const { return name_; }

 private:
  std::filesystem::path name_;
  std::FILE* stream_ = nullptr;
};

}  // namespace velmora
