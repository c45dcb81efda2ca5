#pragma once
// Copies that a kill at any moment leaves whole-old or whole-new, through the shared writer
// (core/atomic_file.h): the bytes go to a private unnamed file in the target's folder, are
// flushed to disk, get the source's file time and are linked in at the target (renamed over
// it when a file stands there); the folder entry is flushed too. Only a regular file is
// replaced: a link, FIFO, device or folder at the target makes the copy fail. Links are
// never followed.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "core/file_times.h"

namespace velmora {

// Called after each chunk with bytes done and the total; false stops the copy.
using CopyProgress = std::function<bool(uint64_t done, uint64_t total)>;

enum class CopyResult { Copied, Failed, Cancelled };

// `source` must be a regular file (not a link). A new target is 0600; a replaced one keeps
// its mode.
CopyResult copyFileSafely(const std::filesystem::path& source, const std::filesystem::path& target,
                          const CopyProgress& progress = {});

// A regular file that is not a symbolic link.
bool isRegularNoLink(const std::filesystem::path& path);
// A folder that is not a symbolic link.
bool isFolderNoLink(const std::filesystem::path& path);

// A private folder (core/private_files.h), or the folder already there; false when what
// stands there afterwards is not a folder of its own (a link counts as none).
bool ensureFolderNoLink(const std::filesystem::path& folder);
// Flushes a folder's entries (renames, new and removed files) to disk.
bool syncFolder(const std::filesystem::path& folder);
// Writes `content` the same way; with a time, the file carries it from the moment it
// appears.
bool writePrivateFile(const std::filesystem::path& target, std::string_view content, const FileTime* time = nullptr);

}  // namespace velmora
