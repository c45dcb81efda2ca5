#pragma once
// A small dBASE III table over one file, enough for the client register.
//
// Calling sequence:
//   DbfTable::create(path, fields)                 new empty table (written atomically)
//   DbfTable t; t.open(path, writable)            reads and checks the header
//   t.top(); while (!t.eof()) { t.text(i); t.skip(1); }    records in file order, from 1
//   t.go(n)                                       position on record n (1..recordCount)
//   writers: t.lockAll(); t.blank(); t.setText(i, s) / t.setNumber(i, v);
//            t.appendRecord() | t.writeRecord() | t.markDeleted() + t.pack(); t.unlock()
//   t.close()                                     (the destructor closes too)
//
// Locking is a whole-file flock. lockAll() waits a bounded time for another process, then
// reloads the header, and reopens the file first if a pack elsewhere replaced it meanwhile,
// so no writer ever writes into a table that has been renamed away.
//
// Pack writes the live records to a temporary file beside the table, syncs it and renames it
// over the table: a crash at any point leaves either the old or the new table whole.
//
// Text: fields hold bytes; setText writes UTF-8 left-aligned and blank-padded, cut to the
// field width at a character boundary; text() reads UTF-8, or Windows-1252 when the bytes
// are not valid UTF-8. Numbers are written as "%d" left-aligned and read with parseDbfLong.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "clients/dbf_format.h"

namespace velmora {

class AtomicFileWriter;

class DbfTable {
 public:
  DbfTable() = default;
  ~DbfTable();
  DbfTable(const DbfTable&) = delete;
  DbfTable& operator=(const DbfTable&) = delete;

  static DbfError create(const std::filesystem::path& path, const std::vector<DbfFieldSpec>& fields);

  DbfError open(const std::filesystem::path& path, bool writable);
  void close();
  bool isOpen() const { return fd_ >= 0; }

  int fieldCount() const { return static_cast<int>(header_.fields.size()); }
  const std::vector<DbfField>& fields() const { return header_.fields; }
  // Index of the field of that name (any case), or -1.
  int fieldIndex(std::string_view name) const;

  // Navigation; record numbers count from 1; recNo() is 0 at end of file.
  long recordCount() const { return static_cast<long>(header_.recordCount); }
  DbfError top();
  DbfError go(long recordNumber);  // NoRecord outside 1..recordCount, position unchanged
  DbfError skip(long step);
  bool eof() const { return recNo_ == 0; }
  long recNo() const { return recNo_; }
  bool isDeleted() const { return !record_.empty() && record_[0] == kDbfDeleted; }

  // Field values of the record buffer.
  std::string_view rawField(int index) const;
  std::string text(int index) const;  // decoded to UTF-8, blanks kept
  long number(int index) const;       // parseDbfLong of the field text
  bool setText(int index, std::string_view utf8);
  DbfError setNumber(int index, long value);
  void blank();  // all blanks, not deleted

  // Writers; lockAll() first.
  void setLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }
  DbfError lockAll();
  void unlock();
  DbfError appendRecord();  // the buffer as the new last record, which becomes current
  DbfError writeRecord();   // the buffer over the current record
  DbfError markDeleted();   // flags the current record deleted on disk
  DbfError recall();        // clears that flag again
  DbfError pack();          // removes the deleted records (numbers of later ones move up)
  // The first stage of pack: the packed table into an open writer, not yet committed.
  DbfError writePackedCopy(AtomicFileWriter& out);

 private:
  DbfError load();  // (re)reads the header of the open file
  DbfError readRecord(long recordNumber);
  DbfError writeHeaderPrefix();
  bool readAt(uint64_t offset, char* data, size_t bytes) const;
  bool writeAt(uint64_t offset, const char* data, size_t bytes) const;

  std::filesystem::path path_;
  int fd_ = -1;
  bool writable_ = false;
  bool locked_ = false;
  std::chrono::milliseconds lockWait_{5000};
  std::string headerBytes_;  // the header as on disk, rewritten when the count changes
  DbfHeader header_;
  std::string record_;
  long recNo_ = 0;
};

// A number field as dBASE reads it: leading blanks skipped, an optional sign, then digits up to the first other
// character; no digits give 0; values beyond long are clamped.
long parseDbfLong(std::string_view text);

}  // namespace velmora
