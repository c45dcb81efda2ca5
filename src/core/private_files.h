#pragma once
// Patient data is the user's only: every folder the program makes is 0700 and every file it
// creates 0600, whatever the umask. Files and folders that already exist keep their modes.
#include <filesystem>

namespace velmora {

inline constexpr unsigned kPrivateFileMode = 0600;
inline constexpr unsigned kPrivateFolderMode = 0700;

enum class FolderResult { Created, Existed, Failed };

// Makes one folder (its parent must exist). Existed when a folder already stands there.
FolderResult makePrivateFolder(const std::filesystem::path& folder);
// Makes the folder and any missing parents; true when it is a folder afterwards.
bool makePrivateFolders(const std::filesystem::path& folder);
// Opens (creating with mode 0600 when missing) with the given open(2) flags; -1 on failure.
int openPrivateFile(const std::filesystem::path& path, int flags);

}  // namespace velmora
