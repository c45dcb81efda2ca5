#include "audio/sample_spill.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace velmora {

namespace {

namespace fs = std::filesystem;

int openUnnamed(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  std::string name = (folder / ".velmora-spill-XXXXXX").string();
  const int named = ::mkostemp(name.data(), O_CLOEXEC);  // mkostemp makes it 0600
  if (named >= 0) ::unlink(name.c_str());
  return named;
}

// pread and pwrite move at most about 2 GB at a time and may stop short.
template <typename Io, typename Pointer>
bool transferAll(Io io, int fd, Pointer data, size_t bytes, off_t offset) {
  while (bytes > 0) {
    const ssize_t n = io(fd, data, bytes, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    bytes -= static_cast<size_t>(n);
    offset += n;
  }
  return true;
}

}  // namespace

SampleSpill::SampleSpill(size_t count, const fs::path& folder, size_t inMemoryValues) : count_(count) {
  if (count <= inMemoryValues) {
    memory_.assign(count, 0.0);
    return;
  }
  std::error_code ec;
  const fs::path where = folder.empty() ? fs::temp_directory_path(ec) : folder;
  fd_ = openUnnamed(where.empty() ? fs::path(".") : where);
  if (fd_ < 0) throw SpillError("cannot make a temporary file in " + where.string());
}

SampleSpill::~SampleSpill() {
  if (fd_ >= 0) ::close(fd_);
}

void SampleSpill::write(size_t index, const double* values, size_t count) {
  if (count == 0) return;  // an empty spill's memory may be null
  if (fd_ < 0) {
    std::memcpy(memory_.data() + index, values, count * sizeof(double));
    return;
  }
  const auto offset = static_cast<off_t>(index * sizeof(double));
  if (!transferAll(::pwrite, fd_, reinterpret_cast<const char*>(values), count * sizeof(double), offset))
    throw SpillError("cannot write the temporary file");
}

void SampleSpill::read(size_t index, double* values, size_t count) {
  if (count == 0) return;
  if (fd_ < 0) {
    std::memcpy(values, memory_.data() + index, count * sizeof(double));
    return;
  }
  const auto offset = static_cast<off_t>(index * sizeof(double));
  if (!transferAll(::pread, fd_, reinterpret_cast<char*>(values), count * sizeof(double), offset))
    throw SpillError("cannot read the temporary file");
}

}  // namespace velmora
