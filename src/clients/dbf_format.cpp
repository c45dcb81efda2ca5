#include "clients/dbf_format.h"

#include <ctime>

namespace velmora {

namespace {

// Version bytes of the dBASE family whose field descriptors share the 32-byte layout.
bool isKnownVersion(uint8_t v) {
  switch (v) {
    case 0x02: case 0x03: case 0x04: case 0x05: case 0x30: case 0x31: case 0x32: case 0x43:
    case 0x63: case 0x83: case 0x8B: case 0x8E: case 0xCB: case 0xF5: case 0xFB:
      return true;
    default:
      return false;
  }
}

constexpr size_t kFoxProBacklinkBytes = 263;

bool isFoxProVersion(uint8_t v) { return v == 0x30 || v == 0x31 || v == 0x32; }

std::string upperAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

uint32_t readLe32(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint32_t>(u[0]) | (static_cast<uint32_t>(u[1]) << 8) | (static_cast<uint32_t>(u[2]) << 16) |
         (static_cast<uint32_t>(u[3]) << 24);
}

uint32_t readLe16(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint32_t>(u[0]) | (static_cast<uint32_t>(u[1]) << 8);
}

void writeLe32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void writeLe16(char* p, uint32_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>((v >> 8) & 0xFF);
}

uint32_t dbfHeaderBytes(std::string_view prefix) {
  return prefix.size() < kDbfPrefixBytes ? 0 : readLe16(prefix.data() + 8);
}

DbfError parseDbfHeader(std::string_view header, uint64_t fileBytes, DbfHeader& out) {
  out = DbfHeader{};
  if (header.size() < kDbfPrefixBytes + kDbfFieldDescriptorBytes + 1) return DbfError::Invalid;
  out.version = static_cast<uint8_t>(header[0]);
  if (!isKnownVersion(out.version)) return DbfError::Invalid;
  out.recordCount = readLe32(header.data() + 4);
  out.headerBytes = readLe16(header.data() + 8);
  out.recordBytes = readLe16(header.data() + 10);
  if (out.headerBytes != header.size() || out.headerBytes > fileBytes || out.recordBytes < 2) return DbfError::Invalid;
  // A record count that claims more records than the file holds is a lie, not a short read.
  const uint64_t needed = static_cast<uint64_t>(out.headerBytes) +
                          static_cast<uint64_t>(out.recordCount) * static_cast<uint64_t>(out.recordBytes);
  if (needed > fileBytes) return DbfError::Invalid;

  // The descriptors end with the 0x0D terminator; the header length must be exactly what they
  // and the terminator take (Visual FoxPro tables add their 263-byte backlink area), and the
  // fields must fill the record exactly. A header off by one byte would misread every field.
  uint32_t offset = 1;  // past the deletion flag
  size_t pos = kDbfPrefixBytes;
  for (; pos < header.size() && header[pos] != kDbfHeaderEnd; pos += kDbfFieldDescriptorBytes) {
    if (pos + kDbfFieldDescriptorBytes > header.size()) return DbfError::Invalid;
    const char* d = header.data() + pos;
    DbfField f;
    size_t nameLength = 0;
    while (nameLength < 11 && d[nameLength] != '\0') ++nameLength;
    if (nameLength == 0) return DbfError::Invalid;
    f.name = upperAscii(std::string(d, nameLength));
    f.type = d[11];
    f.length = static_cast<unsigned char>(d[16]);
    f.decimals = static_cast<unsigned char>(d[17]);
    if (f.length == 0) return DbfError::Invalid;
    f.offset = offset;
    offset += f.length;
    if (offset > out.recordBytes) return DbfError::Invalid;
    out.fields.push_back(std::move(f));
  }
  if (out.fields.empty() || pos >= header.size() || offset != out.recordBytes) return DbfError::Invalid;
  const size_t described = pos + 1;
  if (header.size() != described && !(isFoxProVersion(out.version) && header.size() == described + kFoxProBacklinkBytes))
    return DbfError::Invalid;
  return DbfError::None;
}

std::string buildDbfHeader(const std::vector<DbfFieldSpec>& fields) {
  if (fields.empty() || fields.size() > 255) return {};
  const size_t headerBytes = kDbfPrefixBytes + kDbfFieldDescriptorBytes * fields.size() + 1;
  std::string header(headerBytes, '\0');
  uint32_t recordBytes = 1;
  for (size_t i = 0; i < fields.size(); ++i) {
    const DbfFieldSpec& f = fields[i];
    if (f.name.empty() || f.name.size() > kDbfMaxFieldNameBytes || f.length < 1 || f.length > 255 || f.decimals < 0 ||
        f.decimals > 255)
      return {};
    char* d = header.data() + kDbfPrefixBytes + kDbfFieldDescriptorBytes * i;
    const std::string name = upperAscii(f.name);
    name.copy(d, name.size());
    d[11] = f.type;
    d[16] = static_cast<char>(f.length);
    d[17] = static_cast<char>(f.decimals);
    recordBytes += static_cast<uint32_t>(f.length);
  }
  if (recordBytes > 0xFFFF) return {};
  header[0] = 0x03;
  writeLe16(header.data() + 8, static_cast<uint32_t>(headerBytes));
  writeLe16(header.data() + 10, recordBytes);
  header[headerBytes - 1] = kDbfHeaderEnd;
  stampDbfHeader(header, 0);
  return header;
}

void stampDbfHeader(std::string& header, uint32_t recordCount) {
  if (header.size() < kDbfPrefixBytes) return;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local)) {
    header[1] = static_cast<char>(local.tm_year % 256);  // years since 1900
    header[2] = static_cast<char>(local.tm_mon + 1);
    header[3] = static_cast<char>(local.tm_mday);
  }
  writeLe32(header.data() + 4, recordCount);
}

}  // namespace velmora
