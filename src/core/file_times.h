#pragma once
// A file's time, as the program uses it: the modification time stands in for the creation
// time of the original platform (read with stat, set with utimensat).
#include <cstdint>
#include <filesystem>
#include <optional>

namespace velmora {

struct FileTime {
  int64_t seconds = 0;      // since 1970-01-01 00:00 UTC
  int64_t nanoseconds = 0;  // 0 .. 999 999 999
};

std::optional<FileTime> fileTime(const std::filesystem::path& path);
bool setFileTime(const std::filesystem::path& path, const FileTime& time);

// 100-ns intervals since 1601-01-01, as a Windows file time stores it.
uint64_t toWindowsFileTime(const FileTime& time);
FileTime fromWindowsFileTime(uint64_t windowsTime);

}  // namespace velmora
