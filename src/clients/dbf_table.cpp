#include "clients/dbf_table.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <thread>

#include "core/atomic_file.h"
#include "core/text_codec.h"

namespace velmora {

namespace {
constexpr std::chrono::milliseconds kLockRetry{10};

bool sameFile(int fd, const std::filesystem::path& path) {
  struct stat open {}, named {};
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_ino == named.st_ino &&
         open.st_dev == named.st_dev;
}
}  // namespace

long parseDbfLong(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value > (LONG_MAX - digit) / 10) return negative ? LONG_MIN : LONG_MAX;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

DbfTable::~DbfTable() { close(); }

DbfError DbfTable::create(const std::filesystem::path& path, const std::vector<DbfFieldSpec>& fields) {
  std::string bytes = buildDbfHeader(fields);
  if (bytes.empty()) return DbfError::Invalid;
  bytes += kDbfFileEnd;
  return writeFileAtomically(path, bytes) ? DbfError::None : DbfError::Io;
}

DbfError DbfTable::open(const std::filesystem::path& path, bool writable) {
  close();
  path_ = path;
  writable_ = writable;
  // Non-blocking, so a FIFO in the table's place cannot hang us; load() refuses it.
  fd_ = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) return DbfError::NotFound;
  const DbfError error = load();
  if (error != DbfError::None) close();
  return error;
}

void DbfTable::close() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the flock too
  fd_ = -1;
  locked_ = false;
  header_ = DbfHeader{};
  headerBytes_.clear();
  record_.clear();
  recNo_ = 0;
}

DbfError DbfTable::load() {
  recNo_ = 0;
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return DbfError::Io;
  if (!S_ISREG(st.st_mode)) return DbfError::Invalid;
  const auto fileBytes = static_cast<uint64_t>(st.st_size);
  char prefix[kDbfPrefixBytes];
  if (fileBytes < kDbfPrefixBytes) return DbfError::Invalid;
  if (!readAt(0, prefix, sizeof prefix)) return DbfError::Io;
  // The header length is 16 bits, so this allocation is at most 64 KiB whatever the file says.
  const uint32_t headerBytes = dbfHeaderBytes(std::string_view(prefix, sizeof prefix));
  if (headerBytes < kDbfPrefixBytes + kDbfFieldDescriptorBytes + 1 || headerBytes > fileBytes) return DbfError::Invalid;
  headerBytes_.assign(headerBytes, '\0');
  if (!readAt(0, headerBytes_.data(), headerBytes)) return DbfError::Io;
  const DbfError error = parseDbfHeader(headerBytes_, fileBytes, header_);
  if (error != DbfError::None) return error;
  record_.assign(header_.recordBytes, ' ');
  return DbfError::None;
}

int DbfTable::fieldIndex(std::string_view name) const {
  for (size_t i = 0; i < header_.fields.size(); ++i) {
    const std::string& f = header_.fields[i].name;
    if (f.size() != name.size()) continue;
    bool same = true;
    for (size_t k = 0; k < f.size() && same; ++k) {
      char c = name[k];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      same = c == f[k];
    }
    if (same) return static_cast<int>(i);
  }
  return -1;
}

DbfError DbfTable::readRecord(long recordNumber) {
  const uint64_t offset = header_.headerBytes + static_cast<uint64_t>(recordNumber - 1) * header_.recordBytes;
  std::string buffer(header_.recordBytes, ' ');
  if (!readAt(offset, buffer.data(), buffer.size())) return DbfError::Io;
  record_ = std::move(buffer);
  recNo_ = recordNumber;
  return DbfError::None;
}

DbfError DbfTable::top() {
  if (!isOpen()) return DbfError::Io;
  if (header_.recordCount == 0) {
    recNo_ = 0;
    return DbfError::None;
  }
  return readRecord(1);
}

DbfError DbfTable::go(long recordNumber) {
  if (!isOpen()) return DbfError::Io;
  if (recordNumber < 1 || recordNumber > recordCount()) return DbfError::NoRecord;
  return readRecord(recordNumber);
}

DbfError DbfTable::skip(long step) {
  if (!isOpen() || recNo_ == 0) return DbfError::NoRecord;
  const long target = recNo_ + step;
  if (target < 1 || target > recordCount()) {
    recNo_ = 0;
    return DbfError::None;
  }
  return readRecord(target);
}

std::string_view DbfTable::rawField(int index) const {
  if (index < 0 || index >= fieldCount() || record_.size() != header_.recordBytes) return {};
  const DbfField& f = header_.fields[static_cast<size_t>(index)];
  return std::string_view(record_).substr(f.offset, f.length);
}

std::string DbfTable::text(int index) const { return decodeFileText(rawField(index)); }

long DbfTable::number(int index) const { return parseDbfLong(rawField(index)); }

bool DbfTable::setText(int index, std::string_view utf8) {
  if (index < 0 || index >= fieldCount() || record_.size() != header_.recordBytes) return false;
  const DbfField& f = header_.fields[static_cast<size_t>(index)];
  std::string value = fitUtf8(utf8, f.length);
  value.resize(f.length, ' ');
  record_.replace(f.offset, f.length, value);
  return true;
}

DbfError DbfTable::setNumber(int index, long value) {
  if (index < 0 || index >= fieldCount()) return DbfError::UnknownField;
  char text[32];
  const int length = std::snprintf(text, sizeof text, "%ld", value);
  // Cutting a number would store another number: refuse instead.
  if (length < 0 || static_cast<uint32_t>(length) > header_.fields[static_cast<size_t>(index)].length)
    return DbfError::ValueTooWide;
  setText(index, text);
  return DbfError::None;
}

void DbfTable::blank() { record_.assign(header_.recordBytes, ' '); }

DbfError DbfTable::lockAll() {
  if (!isOpen()) return DbfError::Io;
  if (locked_) return DbfError::None;
  const auto deadline = std::chrono::steady_clock::now() + lockWait_;
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      if (sameFile(fd_, path_)) {
        locked_ = true;
        const DbfError error = load();  // another process may have appended meanwhile
        if (error != DbfError::None) unlock();
        return error;
      }
      // A pack elsewhere renamed a new table over ours: work on the new one.
      ::flock(fd_, LOCK_UN);
      const int fd = ::open(path_.c_str(), (writable_ ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
      if (fd < 0) return DbfError::NotFound;
      ::close(fd_);
      fd_ = fd;
      continue;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) return DbfError::Io;
    if (std::chrono::steady_clock::now() >= deadline) return DbfError::Locked;
    std::this_thread::sleep_for(kLockRetry);
  }
}

void DbfTable::unlock() {
  if (fd_ >= 0 && locked_) {
    ::fdatasync(fd_);
    ::flock(fd_, LOCK_UN);
  }
  locked_ = false;
}

DbfError DbfTable::writeHeaderPrefix() {
  stampDbfHeader(headerBytes_, header_.recordCount);
  return writeAt(0, headerBytes_.data(), kDbfPrefixBytes) ? DbfError::None : DbfError::Io;
}

DbfError DbfTable::appendRecord() {
  if (!isOpen() || !writable_ || !locked_) return DbfError::Io;
  if (header_.recordCount == UINT32_MAX) return DbfError::Io;
  const uint32_t number = header_.recordCount + 1;
  const uint64_t offset = header_.headerBytes + static_cast<uint64_t>(header_.recordCount) * header_.recordBytes;
  record_[0] = kDbfLive;
  // Record first, count last: a crash in between leaves the table as it was.
  if (!writeAt(offset, record_.data(), record_.size()) || !writeAt(offset + record_.size(), &kDbfFileEnd, 1))
    return DbfError::Io;
  header_.recordCount = number;
  if (writeHeaderPrefix() != DbfError::None) return DbfError::Io;
  recNo_ = static_cast<long>(number);
  return DbfError::None;
}

DbfError DbfTable::writeRecord() {
  if (!isOpen() || !writable_ || !locked_) return DbfError::Io;
  if (recNo_ < 1 || recNo_ > recordCount()) return DbfError::NoRecord;
  const uint64_t offset = header_.headerBytes + static_cast<uint64_t>(recNo_ - 1) * header_.recordBytes;
  if (!writeAt(offset, record_.data(), record_.size())) return DbfError::Io;
  return writeHeaderPrefix();
}

DbfError DbfTable::markDeleted() {
  if (recNo_ == 0) return DbfError::NoRecord;
  record_[0] = kDbfDeleted;
  return writeRecord();
}

DbfError DbfTable::recall() {
  if (recNo_ == 0) return DbfError::NoRecord;
  record_[0] = kDbfLive;
  return writeRecord();
}

DbfError DbfTable::writePackedCopy(AtomicFileWriter& out) {
  if (!isOpen()) return DbfError::Io;
  std::string buffer(header_.recordBytes, ' ');
  const auto recordOffset = [this](uint32_t i) {
    return header_.headerBytes + static_cast<uint64_t>(i) * header_.recordBytes;
  };
  uint32_t live = 0;
  for (uint32_t i = 0; i < header_.recordCount; ++i) {
    if (!readAt(recordOffset(i), buffer.data(), 1)) return DbfError::Io;
    if (buffer[0] != kDbfDeleted) ++live;
  }
  std::string header = headerBytes_;
  stampDbfHeader(header, live);
  if (!out.write(header)) return DbfError::Io;
  for (uint32_t i = 0; i < header_.recordCount; ++i) {
    if (!readAt(recordOffset(i), buffer.data(), buffer.size())) return DbfError::Io;
    if (buffer[0] != kDbfDeleted && !out.write(buffer)) return DbfError::Io;
  }
  return out.write(&kDbfFileEnd, 1) ? DbfError::None : DbfError::Io;
}

DbfError DbfTable::pack() {
  if (!isOpen() || !writable_ || !locked_) return DbfError::Io;
  AtomicFileWriter out(path_);
  if (!out.open()) return DbfError::Io;
  const DbfError error = writePackedCopy(out);
  if (error != DbfError::None) return error;
  if (!out.commit()) return DbfError::Io;
  // Our descriptor (and lock) still belong to the replaced file; move to the new one.
  const std::filesystem::path path = path_;
  const bool writable = writable_;
  return open(path, writable);
}

bool DbfTable::readAt(uint64_t offset, char* data, size_t bytes) const {
  while (bytes > 0) {
    const ssize_t n = ::pread(fd_, data, bytes, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    offset += static_cast<uint64_t>(n);
    bytes -= static_cast<size_t>(n);
  }
  return true;
}

bool DbfTable::writeAt(uint64_t offset, const char* data, size_t bytes) const {
  while (bytes > 0) {
    const ssize_t n = ::pwrite(fd_, data, bytes, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    offset += static_cast<uint64_t>(n);
    bytes -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace velmora
