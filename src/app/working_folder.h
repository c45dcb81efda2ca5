#pragma once
// Where a run works when the command line names no folder. A program started from the
// desktop menu starts in the home folder, which must never become a working folder (the
// register and client folders would be spread over it); it works in the user's own folder
// instead: ~/Velmora on first use, created private, and remembered from then on. Started
// inside a working folder (one holding the register), it works there as always.
#include <QSettings>
#include <filesystem>
#include <string>

namespace velmora {

// A folder holding the client register.
bool isWorkingFolder(const std::filesystem::path& dir);

// The folder to work in: `current` when it is a working folder other than `home`, else
// `remembered` when it is an existing folder other than `home`, else home/Velmora, created
// with mode 0700 when missing. Empty with `error` set when that folder cannot be made.
std::filesystem::path chooseWorkingFolder(const std::filesystem::path& current, const std::filesystem::path& home,
                                          const std::filesystem::path& remembered, std::string& error);

// chooseWorkingFolder with the folder remembered under "workingFolder" in `store`; the
// chosen folder is remembered when none was.
std::filesystem::path userWorkingFolder(QSettings& store, const std::filesystem::path& current,
                                        const std::filesystem::path& home, std::string& error);

}  // namespace velmora
