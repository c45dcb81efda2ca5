#include "audio/wav_reader.h"

#include <bit>
#include <cstring>
#include <fstream>
#include <memory>
#include <new>

namespace velmora {

namespace {

// Random access to the file's bytes, so the same parser serves files and memory.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t size() const = 0;
  // Reads exactly n bytes at offset; false when the source ends first.
  virtual bool readAt(uint64_t offset, void* dst, size_t n) = 0;
};

class MemorySource : public ByteSource {
 public:
  MemorySource(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}
  uint64_t size() const override { return size_; }
  bool readAt(uint64_t offset, void* dst, size_t n) override {
    if (offset > size_ || size_ - offset < n) return false;
    if (n) std::memcpy(dst, bytes_ + offset, n);
    return true;
  }

 private:
  const uint8_t* bytes_;
  size_t size_;
};

class FileSource : public ByteSource {
 public:
  explicit FileSource(const std::filesystem::path& path) : in_(path, std::ios::binary) {
    if (in_) {
      in_.seekg(0, std::ios::end);
      auto end = in_.tellg();
      size_ = end < 0 ? 0 : static_cast<uint64_t>(end);
    }
  }
  bool ok() const { return static_cast<bool>(in_); }
  uint64_t size() const override { return size_; }
  bool readAt(uint64_t offset, void* dst, size_t n) override {
    if (offset > size_ || size_ - offset < n) return false;
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(static_cast<char*>(dst), static_cast<std::streamsize>(n));
    return static_cast<size_t>(in_.gcount()) == n;
  }

 private:
  std::ifstream in_;
  uint64_t size_ = 0;
};

uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t u32(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                        (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24); }

struct Chunk {
  uint64_t dataOffset = 0;  // first byte after the 8-byte header
  uint32_t size = 0;        // as stated in the file
};

// Walks the sub-chunks between `begin` and `end` for the first one with `id`.
bool findChunk(ByteSource& src, uint64_t begin, uint64_t end, const char* id, Chunk& found) {
  uint64_t pos = begin;
  while (pos + 8 <= end) {
    uint8_t header[8];
    if (!src.readAt(pos, header, 8)) return false;
    uint32_t size = u32(header + 4);
    if (std::memcmp(header, id, 4) == 0) {
      found = Chunk{pos + 8, size};
      return true;
    }
    pos += 8 + static_cast<uint64_t>(size) + (size & 1);  // chunks are padded to even length
  }
  return false;
}

WavHeader parseHeader(ByteSource& src) {
  WavHeader out;
  uint8_t riff[12];
  if (!src.readAt(0, riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) {
    out.code = WavNotWave;
    return out;
  }
  // The RIFF size is not trusted either way: recorders that crashed or streamed leave 0 or
  // 0xFFFFFFFF there. Chunks are searched up to the end of the file.
  const uint64_t searchEnd = src.size();

  Chunk fmt;
  if (!findChunk(src, 12, searchEnd, "fmt ", fmt) || fmt.size < 16 || fmt.dataOffset + fmt.size > src.size()) {
    out.code = WavNotWave;
    return out;
  }
  uint8_t rec[16];
  if (!src.readAt(fmt.dataOffset, rec, 16)) {
    out.code = WavFormatUnreadable;
    return out;
  }
  WaveFormat& f = out.format;
  f.formatTag = u16(rec);
  f.channels = u16(rec + 2);
  f.samplesPerSecond = u32(rec + 4);
  f.averageBytesPerSecond = u32(rec + 8);
  f.blockAlign = u16(rec + 12);
  f.bitsPerSample = u16(rec + 14);
  if (f.formatTag != kFormatPcm && fmt.size >= 18) {
    uint8_t countBytes[2];
    if (!src.readAt(fmt.dataOffset + 16, countBytes, 2)) {
      out.code = WavFormatUnreadable;
      return out;
    }
    uint16_t extraCount = u16(countBytes);
    if (18u + extraCount > fmt.size) {
      out.code = WavNotWave;
      return out;
    }
    f.extra.resize(extraCount);
    if (extraCount && !src.readAt(fmt.dataOffset + 18, f.extra.data(), extraCount)) {
      out.code = WavNotWave;
      return out;
    }
  }

  Chunk data;
  if (!findChunk(src, 12, searchEnd, "data", data) || data.dataOffset + data.size > src.size()) {
    out.code = WavDataTruncated;
    return out;
  }
  out.dataOffset = data.dataOffset;
  out.dataBytes = data.size;
  out.code = WavOk;
  return out;
}

WavData parse(ByteSource& src, const std::atomic<bool>* stop = nullptr) {
  WavHeader header = parseHeader(src);
  WavData out;
  out.code = header.code;
  out.format = std::move(header.format);
  if (header.code != WavOk) return out;
  const size_t count = static_cast<size_t>(header.dataBytes / 2);  // an odd last byte is ignored
  try {
    out.samples.resize(count);
  } catch (const std::bad_alloc&) {
    out.samples.clear();
    out.code = WavOutOfMemory;
    return out;
  }
  // Read in blocks, converted from little-endian; a little-endian machine reads the samples
  // in place (a long recording opens that much sooner).
  constexpr bool kInPlace = std::endian::native == std::endian::little;
  constexpr size_t kBlock = kInPlace ? size_t{1} << 21 : size_t{1} << 16;
  std::unique_ptr<uint8_t[]> block(kInPlace ? nullptr : new uint8_t[kBlock * 2]);
  for (size_t done = 0; done < count;) {
    if (stop && stop->load(std::memory_order_relaxed)) {
      out.samples = {};
      out.code = WavCannotOpen;
      return out;
    }
    size_t n = std::min(kBlock, count - done);
    void* into = kInPlace ? static_cast<void*>(out.samples.data() + done) : block.get();
    if (!src.readAt(header.dataOffset + done * 2, into, n * 2)) {
      out.samples.clear();
      out.code = WavDataTruncated;
      return out;
    }
    if (!kInPlace)
      for (size_t i = 0; i < n; ++i) out.samples[done + i] = static_cast<int16_t>(u16(block.get() + 2 * i));
    done += n;
  }
  out.code = WavOk;
  return out;
}

template <typename Result, typename Parse>
Result parseFile(const std::filesystem::path& path, Parse parseSource) {
  // Only regular files: a FIFO or a device would block or never end.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    Result out;
    out.code = WavCannotOpen;
    return out;
  }
  FileSource src(path);
  if (!src.ok()) {
    Result out;
    out.code = WavCannotOpen;
    return out;
  }
  return parseSource(src);
}

}  // namespace

WavData readWav(const std::filesystem::path& path) {
  return parseFile<WavData>(path, [](ByteSource& src) { return parse(src); });
}

WavData readWav(const std::filesystem::path& path, const std::atomic<bool>& stop) {
  return parseFile<WavData>(path, [&stop](ByteSource& src) { return parse(src, &stop); });
}

WavHeader readWavHeader(const std::filesystem::path& path) { return parseFile<WavHeader>(path, parseHeader); }

WavData parseWav(const uint8_t* bytes, size_t size) {
  MemorySource src(bytes, size);
  return parse(src);
}

}  // namespace velmora
