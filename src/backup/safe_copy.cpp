#include "backup/safe_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "core/private_files.h"

namespace velmora {

namespace {

constexpr size_t kChunkBytes = 256 * 1024;

// The shared writer (core/atomic_file.h): private unnamed file, only a regular file
// replaced, nothing left behind by a failure or a kill; here the folder is flushed too.
void prepare(AtomicFileWriter& writer, const FileTime* time) {
  if (time) writer.setModificationTime(*time);
  writer.setSyncFolder(true);
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
  AtomicFileWriter writer(target);
  prepare(writer, time);
  return writer.open() && writer.write(content) && writer.commit();
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
  // The copy keeps the source's modification time, as a copy of a recording must.
  const FileTime time{st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
  AtomicFileWriter writer(target);
  prepare(writer, &time);
  if (!writer.open()) {
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
    if (n < 0 || (n > 0 && !writer.write(buffer.data(), static_cast<size_t>(n)))) {
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
  if (result != CopyResult::Copied) return result;  // the writer removes what it wrote
  return writer.commit() ? CopyResult::Copied : CopyResult::Failed;
}

}  // namespace velmora
