#include "core/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace velmora {

namespace {
constexpr int64_t kEpochDifferenceSeconds = 11644473600LL;  // 1601-01-01 .. 1970-01-01
constexpr uint64_t kTicksPerSecond = 10000000ULL;
}  // namespace

std::optional<FileTime> fileTime(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileTime{static_cast<int64_t>(st.st_mtim.tv_sec), static_cast<int64_t>(st.st_mtim.tv_nsec)};
}

bool setFileTime(const std::filesystem::path& path, const FileTime& time) {
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;  // access time untouched
  times[1].tv_sec = static_cast<time_t>(time.seconds);
  times[1].tv_nsec = static_cast<long>(time.nanoseconds);
  return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

uint64_t toWindowsFileTime(const FileTime& time) {
  return static_cast<uint64_t>(time.seconds + kEpochDifferenceSeconds) * kTicksPerSecond +
         static_cast<uint64_t>(time.nanoseconds / 100);
}

FileTime fromWindowsFileTime(uint64_t windowsTime) {
  int64_t seconds = static_cast<int64_t>(windowsTime / kTicksPerSecond) - kEpochDifferenceSeconds;
  int64_t nanos = static_cast<int64_t>(windowsTime % kTicksPerSecond) * 100;
  return FileTime{seconds, nanos};
}

}  // namespace velmora
