#include "audio/temp_sample_file.h"

#include <fcntl.h>
#include <unistd.h>

#include "core/private_files.h"

namespace velmora {

bool TempSampleFile::open(int mode, const std::filesystem::path& name) {
  close();
  name_ = name;
  if (mode != WriteMode) {
    stream_ = std::fopen(name.c_str(), "rb");
    return stream_ != nullptr;
  }
  // The take's samples are patient data: created for the user only.
  const int fd = openPrivateFile(name, O_RDWR | O_CREAT | O_TRUNC);
  if (fd < 0) return false;
  stream_ = ::fdopen(fd, "w+b");
  if (!stream_) ::close(fd);
  return stream_ != nullptr;
}

int TempSampleFile::write(const void* data, size_t bytes) {
  if (!stream_) return -1;
  if (bytes && std::fwrite(data, 1, bytes, stream_) != bytes) return 0;
  return std::fflush(stream_) == 0 ? 1 : 0;
}

size_t TempSampleFile::read(void* buffer, size_t bytes) {
  if (!stream_ && !open(ReadMode, name_)) return 0;
  return std::fread(buffer, 1, bytes, stream_);
}

void TempSampleFile::rewind() {
  if (stream_) std::rewind(stream_);
}

void TempSampleFile::seekToEnd() {
  if (stream_) std::fseek(stream_, 0, SEEK_END);
}

long long TempSampleFile::size() {
  if (!stream_) return -1;
  if (std::fseek(stream_, 0, SEEK_END) != 0) return -1;
  return std::ftell(stream_);
}

void TempSampleFile::close() {
  if (stream_) {
    std::fclose(stream_);
    stream_ = nullptr;
  }
}

}  // namespace velmora
