#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "core/file_times.h"

namespace velmora {

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, bool keepTime)
    : target_(std::move(target)), keepTime_(keepTime) {}

AtomicFileWriter::~AtomicFileWriter() { abandon(); }

namespace {

namespace fs = std::filesystem;

fs::path folderOf(const fs::path& target) {
  fs::path folder = target.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

// Temporary names are "." + the target's name + ".tmp-" + six characters, so a writer killed
// between naming its file and renaming it leaves something the next write can recognise and
// that no file of the user's is likely to be called.
bool isLeftoverOf(const std::string& name, const std::string& prefix) {
  return name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0;
}

void removeLeftovers(const fs::path& folder, const std::string& prefix) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    struct stat st {};
    if (isLeftoverOf(name, prefix) && ::lstat(it->path().c_str(), &st) == 0 && S_ISREG(st.st_mode))
      ::unlink(it->path().c_str());
  }
}

std::string tempPrefix(const fs::path& target) { return "." + target.filename().string() + ".tmp-"; }

}  // namespace

// Only a regular file (or nothing) may be replaced: renaming over a symbolic link, a FIFO or
// a device node would silently put a file where something else stood.
bool replaceableTarget(const std::filesystem::path& target) {
  struct stat st {};
  if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT;
  return S_ISREG(st.st_mode);
}

bool AtomicFileWriter::open() {
  abandon();
  failed_ = false;
  if (!replaceableTarget(target_)) return false;
  const fs::path folder = folderOf(target_);
  removeLeftovers(folder, tempPrefix(target_));
  // An unnamed file first: a process killed while writing leaves nothing in the folder.
  // It is 0600 like a file from mkstemp.
  fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd_ >= 0) return true;
  std::string buffer = (folder / (tempPrefix(target_) + "XXXXXX")).string();
  fd_ = ::mkostemp(buffer.data(), O_CLOEXEC);
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

// Gives the unnamed file its name: the target's own when nothing stands there (nothing to
// replace, so nothing temporary is ever named), else a temporary name to rename from.
bool AtomicFileWriter::linkUnnamed(bool& atTarget) {
  const std::string procPath = "/proc/self/fd/" + std::to_string(fd_);
  atTarget = false;
  if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
    atTarget = true;
    return true;
  }
  if (errno != EEXIST) return false;
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<int> pick(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = tempPrefix(target_);
    for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
    const fs::path candidate = folderOf(target_) / name;
    // linkat never replaces: a name taken meanwhile is just another try.
    if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      temp_ = candidate;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool AtomicFileWriter::commit() {
  if (fd_ < 0 || failed_ || !replaceableTarget(target_)) {
    abandon();
    return false;
  }
  // New files are 0600, as a new file of patient data must be; a file replaced keeps the
  // mode it had.
  struct stat old {};
  const bool replacing = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  if (replacing) ::fchmod(fd_, old.st_mode & 07777);
  if (time_) {
    const struct timespec times[2] = {{0, UTIME_OMIT},
                                      {static_cast<time_t>(time_->seconds), static_cast<long>(time_->nanoseconds)}};
    if (::futimens(fd_, times) != 0) {
      abandon();
      return false;
    }
  }
  if (::fsync(fd_) != 0) {
    abandon();
    return false;
  }
  if (temp_.empty()) {
    bool atTarget = false;
    if (!linkUnnamed(atTarget)) {
      abandon();
      return false;
    }
    if (atTarget) {
      const bool closed = ::close(fd_) == 0;
      fd_ = -1;
      if (closed) flushFolder();
      return closed;
    }
  }
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!closed) {
    abandon();
    return false;
  }
  if (keepTime_ && replacing && !time_) {
    if (auto t = fileTime(target_)) setFileTime(temp_, *t);
  }
  if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    abandon();
    return false;
  }
  temp_.clear();
  flushFolder();
  return true;
}

// Best effort: the file is in place already, so a folder that cannot be flushed is no
// reason to report the write as failed.
void AtomicFileWriter::flushFolder() const {
  if (!syncFolder_) return;
  const int fd = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
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
