#include "clients/client_folders.h"

#include <unistd.h>

#include <system_error>

#include "core/message_ids.h"
#include "core/private_files.h"

namespace velmora {

namespace {
namespace fs = std::filesystem;

std::optional<fs::path> ensureFolder(const fs::path& folder) {
  if (makePrivateFolders(folder)) return folder;
  return std::nullopt;
}
}  // namespace

std::optional<fs::path> findFileIgnoringCase(const fs::path& folder, std::string_view name) {
  std::error_code ec;
  const fs::path exact = folder / std::string(name);
  if (fs::is_regular_file(exact, ec)) return exact;
  const std::string wanted = asciiLower(name);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (asciiLower(it->path().filename().string()) != wanted) continue;
    std::error_code typeEc;
    if (it->is_regular_file(typeEc)) return it->path();
  }
  return std::nullopt;
}

TakenNumbers takenRecordingNumbers(const fs::path& clientFolderPath) {
  TakenNumbers taken{};
  std::error_code ec;
  for (fs::directory_iterator it(clientFolderPath, ec), end; !ec && it != end; it.increment(ec)) {
    const auto name = parseRecordingFileName(it->path().filename().string());
    if (!name || (name->extension != "wav" && name->extension != "bkp")) continue;
    std::error_code typeEc;
    if (it->is_regular_file(typeEc)) taken[static_cast<size_t>(name->number)] = true;
  }
  return taken;
}

int nextFreeNumber(const TakenNumbers& taken) {
  int last = 0;
  int gap = 0;
  for (int i = kFirstRecordingNumber; i <= kMaxRecordingNumber; ++i) {
    if (taken[static_cast<size_t>(i)]) {
      last = i;
      gap = 0;
    } else if (++gap >= kFreeNumbersEndingScan) {
      break;
    }
  }
  return last < kMaxRecordingNumber ? last + 1 : 0;
}

int nextRecordingNumber(Interaction& ui, const fs::path& workingFolder, int clientCode) {
  if (clientCode <= 0) return -1;
  const int next = nextFreeNumber(takenRecordingNumbers(clientFolder(workingFolder, clientCode)));
  if (next == 0) {
    showMessage(ui, msg::TooManyRecordings);
    return -1;
  }
  return next;
}

bool enterClientFolder(Interaction& ui, const fs::path& workingFolder, int clientCode) {
  const fs::path folder = clientFolder(workingFolder, clientCode);
  std::error_code ec;
  if (clientCode > 0 && fs::is_directory(folder, ec) && ::access(folder.c_str(), R_OK | X_OK) == 0) return true;
  showMessage(ui, msg::ClientFolderInaccessible);
  return false;
}

bool createClientFolder(Interaction& ui, const fs::path& workingFolder, int clientCode) {
  const fs::path folder = clientFolder(workingFolder, clientCode);
  switch (makePrivateFolder(folder)) {
    case FolderResult::Created: return true;
    case FolderResult::Existed: showMessage(ui, msg::ClientFolderExists); return true;
    case FolderResult::Failed: return false;
  }
  return false;
}

std::optional<fs::path> ensureOtherFilesFolder(const fs::path& workingFolder) {
  return ensureFolder(clientFolder(workingFolder, kOtherFilesCode));
}

std::optional<fs::path> ensureModelsFolder(const fs::path& workingFolder) {
  return ensureFolder(modelsFolder(workingFolder));
}

}  // namespace velmora
