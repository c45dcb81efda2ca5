#include "clients/other_files.h"

#include "core/private_files.h"
#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

std::filesystem::path otherFilesFolder(const std::filesystem::path& programFolder) {
  return clientFolder(programFolder, kOtherFilesCode);
}

bool prepareOtherFilesFolder(const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = otherFilesFolder(programFolder);
  std::error_code ec;
  if (makePrivateFolder(folder) == FolderResult::Failed) return false;
  // "Entering" it: the folder must be listable by us.
  std::filesystem::directory_iterator it(folder, ec);
  return !ec;
}

FileRequest otherFilesOpenRequest(const std::filesystem::path& programFolder) {
  FileRequest r;
  r.title = tr(str::OpenButton);
  r.startFolder = otherFilesFolder(programFolder);
  r.filter = tr(str::WavFileFilter);
  r.defaultExtension = "wav";
  r.confirmOverwrite = false;
  return r;
}

}  // namespace velmora
