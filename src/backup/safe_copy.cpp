#include "backup/safe_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "core/private_files.h"

namespace velmora {

namespace {

constexpr size_t kChunkBytes = 256 * 1024;

bool writeAll(int fd, const char* data, size_t bytes) {
  while (bytes > 0) {
    const ssize_t n = ::write(fd, data, bytes);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    bytes -= static_cast<size_t>(n);
  }
  return true;
}

// A private temporary beside the target; -1 when none can be made.
int makeTemporary(const std::filesystem::path& target, std::string& tempPath) {
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  tempPath = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(tempPath.data());
  if (fd < 0) return fd;
  // mkstemp's 0600 is what a new file of patient data gets; a replaced file keeps its mode.
  struct stat old {};
  if (::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
  else ::fchmod(fd, kPrivateFileMode);
  return fd;
}

// Flush, close, date and rename; the temporary is removed on any failure.
bool finishTemporary(int fd, const std::string& tempPath, const std::filesystem::path& target,
                     const struct timespec* times) {
  bool ok = ::fsync(fd) == 0;
  if (ok && times) ok = ::futimens(fd, times) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tempPath.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tempPath.c_str());
    return false;
  }
  syncFolder(target.parent_path().empty() ? "." : target.parent_path());
  return true;
}

}  // namespace

bool isRegularNoLink(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::regular;
}

bool isFolderNoLink(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::directory;
}

bool ensureFolderNoLink(const std::filesystem::path& folder) {
  return makePrivateFolder(folder) != FolderResult::Failed && isFolderNoLink(folder);
}

bool syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

bool writePrivateFile(const std::filesystem::path& target, std::string_view content, const FileTime* time) {
  std::string temp;
  const int fd = makeTemporary(target, temp);
  if (fd < 0) return false;
  if (!writeAll(fd, content.data(), content.size())) {
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  }
  if (!time) return finishTemporary(fd, temp, target, nullptr);
  const struct timespec times[2] = {{0, UTIME_OMIT},
                                    {static_cast<time_t>(time->seconds), static_cast<long>(time->nanoseconds)}};
  return finishTemporary(fd, temp, target, times);
}

CopyResult copyFileSafely(const std::filesystem::path& source, const std::filesystem::path& target,
                          const CopyProgress& progress) {
  const int in = ::open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (in < 0) return CopyResult::Failed;
  struct stat st {};
  if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(in);
    return CopyResult::Failed;
  }
  std::string temp;
  const int out = makeTemporary(target, temp);
  if (out < 0) {
    ::close(in);
    return CopyResult::Failed;
  }
  const uint64_t total = static_cast<uint64_t>(st.st_size);
  uint64_t done = 0;
  std::vector<char> buffer(kChunkBytes);
  CopyResult result = CopyResult::Copied;
  while (true) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || (n > 0 && !writeAll(out, buffer.data(), static_cast<size_t>(n)))) {
      result = CopyResult::Failed;
      break;
    }
    if (n == 0) break;
    done += static_cast<uint64_t>(n);
    if (progress && !progress(done, total)) {
      result = CopyResult::Cancelled;
      break;
    }
  }
  ::close(in);
  if (result != CopyResult::Copied) {
    ::close(out);
    ::unlink(temp.c_str());
    return result;
  }
  // The copy keeps the source's modification time, as a copy of a recording must.
  const struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
  return finishTemporary(out, temp, target, times) ? CopyResult::Copied : CopyResult::Failed;
}

}  // namespace velmora
