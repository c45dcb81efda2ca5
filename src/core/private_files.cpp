#include "core/private_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

FolderResult makePrivateFolder(const fs::path& folder) {
  // mkdir's mode is only narrowed by the umask, so 0700 stays 0700.
  if (::mkdir(folder.c_str(), kPrivateFolderMode) == 0) return FolderResult::Created;
  std::error_code ec;
  return errno == EEXIST && fs::is_directory(folder, ec) ? FolderResult::Existed : FolderResult::Failed;
}

bool makePrivateFolders(const fs::path& folder) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return true;
  const fs::path parent = folder.parent_path();
  if (!parent.empty() && parent != folder && !makePrivateFolders(parent)) return false;
  return makePrivateFolder(folder) != FolderResult::Failed;
}

int openPrivateFile(const fs::path& path, int flags) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC, kPrivateFileMode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace velmora
