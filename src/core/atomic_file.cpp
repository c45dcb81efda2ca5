#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

#include "core/file_times.h"

namespace velmora {

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, bool keepTime)
    : target_(std::move(target)), keepTime_(keepTime) {}

AtomicFileWriter::~AtomicFileWriter() { abandon(); }

bool AtomicFileWriter::open() {
  abandon();
  failed_ = false;
  std::filesystem::path folder = target_.parent_path();
  std::string pattern = (folder.empty() ? std::filesystem::path(".") : folder) / ("." + target_.filename().string() + ".XXXXXX");
  std::string buffer = pattern;
  fd_ = ::mkstemp(buffer.data());
  if (fd_ < 0) return false;
  temp_ = buffer;
  return true;
}

bool AtomicFileWriter::write(const void* data, size_t bytes) {
  if (fd_ < 0 || failed_) return false;
  const char* p = static_cast<const char*>(data);
  while (bytes > 0) {
    ssize_t n = ::write(fd_, p, bytes);
    if (n < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      return false;
    }
    p += n;
    bytes -= static_cast<size_t>(n);
  }
  return true;
}

bool AtomicFileWriter::commit() {
  if (fd_ < 0 || failed_) {
    abandon();
    return false;
  }
  // mkstemp makes the file 0600, as a new file of patient data must be; a file replaced
  // keeps the mode it had.
  struct stat old {};
  if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd_, old.st_mode & 07777);
  bool ok = ::fsync(fd_) == 0;
  ok = (::close(fd_) == 0) && ok;
  fd_ = -1;
  if (!ok) {
    abandon();
    return false;
  }
  if (keepTime_) {
    if (auto t = fileTime(target_)) setFileTime(temp_, *t);
  }
  if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    abandon();
    return false;
  }
  temp_.clear();
  return true;
}

void AtomicFileWriter::abandon() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) {
    ::unlink(temp_.c_str());
    temp_.clear();
  }
}

bool writeFileAtomically(const std::filesystem::path& target, std::string_view content, bool keepTime) {
  AtomicFileWriter w(target, keepTime);
  return w.open() && w.write(content) && w.commit();
}

bool readSmallFile(const std::filesystem::path& path, std::string& content, size_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  content.clear();
  char buf[4096];
  while (in) {
    in.read(buf, sizeof buf);
    std::streamsize n = in.gcount();
    if (n <= 0) break;
    if (content.size() + static_cast<size_t>(n) > maxBytes) return false;
    content.append(buf, static_cast<size_t>(n));
  }
  return true;
}

}  // namespace velmora
