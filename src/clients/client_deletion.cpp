#include "clients/client_deletion.h"

#include <array>
#include <string>
#include <system_error>
#include <vector>

#include "clients/client_folders.h"
#include "clients/client_register.h"
#include "clients/companion_path.h"
#include "core/message_ids.h"
#include "core/text_format.h"

namespace velmora {

namespace {
namespace fs = std::filesystem;


constexpr std::array<const char*, 7> kClientFileExtensions = {".wav", ".dat", ".ddt", ".txt", ".mrk", ".rtf", ".f0"};

// Any entry of that name, matched without regard to case: something that is there but is
// not a plain file (a folder left by another tool) must be reported when it cannot go.
std::optional<fs::path> findEntryIgnoringCase(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(folder / name, ec))) return folder / name;
  const std::string wanted = asciiLower(name);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (asciiLower(it->path().filename().string()) == wanted) return it->path();
  return std::nullopt;
}

// Removes the file when it is there. False only when it exists and stays.
bool removeIfPresent(const std::optional<fs::path>& file) {
  if (!file) return true;
  std::error_code ec;
  fs::remove(*file, ec);
  return !fs::exists(fs::symlink_status(*file, ec));
}
}  // namespace

bool confirmClientDeletion(Interaction& ui) { return askYesNo(ui, msg::AskDeleteClient); }
bool confirmRecordingDeletion(Interaction& ui) { return askYesNo(ui, msg::AskDeleteRecording); }

void deleteClientFiles(const fs::path& clientFolderPath) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(clientFolderPath, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (it->is_regular_file(typeEc)) files.push_back(it->path());
  }
  for (const char* extension : kClientFileExtensions) {
    for (const fs::path& file : files) {
      if (asciiLower(file.extension().string()) != extension) continue;
      std::error_code removeEc;
      fs::remove(file, removeEc);
    }
  }
}

ClientDeletion deleteClient(Interaction& ui, ClientRegister& clientRegister, const fs::path& workingFolder,
                            int clientCode) {
  ClientDeletion result;
  if (clientCode <= 0) return result;  // no client open: nothing of anyone's may go
  const bool hasRecord = clientCode != kOtherFilesCode;
  long recordNumber = 0;
  if (hasRecord) {
    const int found = clientRegister.query(formatv("CODIGO = %d", clientCode));
    if (found > 0 && clientRegister.count() > 0) recordNumber = found;
  }

  const fs::path folder = clientFolder(workingFolder, clientCode);
  deleteClientFiles(folder);
  std::error_code ec;
  fs::remove(folder, ec);
  result.folderRemoved = !fs::exists(folder, ec);
  if (!result.folderRemoved) showMessage(ui, msg::ClientFolderNotDeleted);

  if (hasRecord) {
    if (recordNumber > 0) result.recordDeleted = clientRegister.deleteRecord(recordNumber) == 1;
    else showMessage(ui, msg::DatabaseError);
  }
  return result;
}

bool deleteRecordingFiles(Interaction& ui, const fs::path& wavPath, NotesFailure notes) {
  const fs::path folder = wavPath.parent_path().empty() ? fs::path(".") : wavPath.parent_path();
  const auto find = [&folder](const fs::path& path) { return findEntryIgnoringCase(folder, path.filename().string()); };

  const auto sound = find(wavPath);
  const bool soundGone = removeIfPresent(sound);
  if (!soundGone) showMessage(ui, msg::ErrorDeletingFile);
  // Companions follow the sound file's own spelling when it was found under another case.
  const fs::path stemSource = sound ? *sound : wavPath;
  const bool notesGone = removeIfPresent(find(companionPath(stemSource, "txt")));
  if (!notesGone && notes == NotesFailure::Reported) showMessage(ui, msg::ErrorDeletingFile);
  removeIfPresent(find(companionPath(stemSource, "ddt")));
  removeIfPresent(find(companionPath(stemSource, "mrk")));
  return soundGone;
}

}  // namespace velmora
