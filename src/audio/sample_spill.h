#pragma once
// Room for a long run of real values that need not stay in memory: the values of one
// resampling stage between its forward and backward passes. Up to a given count they are
// kept in memory; beyond it they go to an unnamed file (O_TMPFILE, 0600: derived from
// patient recordings) in the given folder, which disappears with the process whatever
// happens to it. Where unnamed files are not supported, a file named
// ".velmora-spill-XXXXXX" is made and unlinked at once.
#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace velmora {

// The temporary file could not be made, written or read back (a full disk, a read-only
// folder).
class SpillError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SampleSpill {
 public:
  // Throws SpillError, or std::bad_alloc for the in-memory form. An empty folder means the
  // system's temporary folder.
  SampleSpill(size_t count, const std::filesystem::path& folder, size_t inMemoryValues);
  ~SampleSpill();
  SampleSpill(const SampleSpill&) = delete;
  SampleSpill& operator=(const SampleSpill&) = delete;

  size_t size() const { return count_; }
  bool inMemory() const { return fd_ < 0; }
  // Values [index, index + count); throw SpillError on a failed write or read.
  void write(size_t index, const double* values, size_t count);
  void read(size_t index, double* values, size_t count);

 private:
  size_t count_;
  std::vector<double> memory_;
  int fd_ = -1;
};

}  // namespace velmora
