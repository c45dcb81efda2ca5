#pragma once
// The dBASE III file layout, as bytes:
//
//   header      32 bytes: version, date of last update (YY MM DD), record count (u32 LE),
//               header length (u16 LE), record length (u16 LE), reserved
//   fields      32 bytes each: name (11 bytes, NUL padded), type, reserved, length, decimals
//   terminator  0x0D (the header length covers it)
//   records     record length bytes each: deletion flag (' ' or '*'), then the fields' text
//   end mark    0x1A
//
// Parsing trusts nothing it reads: every length is checked against the bytes at hand and
// against the file's real size before anything is allocated or read.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class DbfError {
  None,
  NotFound,       // missing or cannot be opened
  Invalid,        // not a dBASE table, or a header whose sizes do not fit the file
  Locked,         // another process held the table's lock too long
  Io,             // a read or write failed
  NoRecord,       // no such record number
  UnknownField,   // no field of that name
  ValueTooWide,   // a number whose text does not fit its field
};

struct DbfFieldSpec {
  std::string name;  // up to 10 characters
  char type = 'C';   // 'C' text, 'N' number, ...
  int length = 0;    // 1..255
  int decimals = 0;
};

struct DbfField {
  std::string name;
  char type = 'C';
  uint32_t length = 0;
  uint32_t decimals = 0;
  uint32_t offset = 0;  // within the record, after the deletion flag
};

struct DbfHeader {
  uint8_t version = 0x03;
  uint32_t recordCount = 0;
  uint32_t headerBytes = 0;
  uint32_t recordBytes = 0;
  std::vector<DbfField> fields;
};

constexpr size_t kDbfPrefixBytes = 32;
constexpr size_t kDbfFieldDescriptorBytes = 32;
constexpr size_t kDbfMaxFieldNameBytes = 10;
constexpr char kDbfHeaderEnd = 0x0D;
constexpr char kDbfFileEnd = 0x1A;
constexpr char kDbfLive = ' ';
constexpr char kDbfDeleted = '*';

// The header length stored in the first 32 bytes (0 when fewer bytes are given).
uint32_t dbfHeaderBytes(std::string_view prefix);

// Parses a whole header (its first headerBytes bytes) of a file fileBytes long.
DbfError parseDbfHeader(std::string_view header, uint64_t fileBytes, DbfHeader& out);

// A new, empty table's header (with terminator) for these fields; empty when a field does
// not fit the format (no field, a name of 0 or over 10 characters, a length of 0 or over 255).
std::string buildDbfHeader(const std::vector<DbfFieldSpec>& fields);

// Writes the record count and today's date into a header's first 32 bytes.
void stampDbfHeader(std::string& header, uint32_t recordCount);

// Little-endian helpers of the format.
uint32_t readLe32(const char* p);
uint32_t readLe16(const char* p);
void writeLe32(char* p, uint32_t v);
void writeLe16(char* p, uint32_t v);

}  // namespace velmora
