#pragma once
// The client register "pacb.dbf": one dBASE III record per client, opened and closed again
// by every operation (nothing stays open between them).
//
//   ClientRegister reg(ui);
//   reg.setFileName(kRegisterFileName);        // relative to the working folder
//   if (!reg.exists()) reg.create();
//   int recNo = reg.query("CODIGO = 12");       // fills the shared entry list
//   reg.count(); reg.entry(0);
//   reg.append(record); reg.update(recNo, record); reg.deleteRecord(recNo);
//
// Results: query gives the record number of the last match (0 for none), 1 without a
// condition, -1 on failure; the writers give 1 or -1. Failures are shown to the user:
//   msg::RegisterNotFound   "File not found!"    the register is missing or cannot be opened
//   msg::RegisterInvalid    "Invalid File!"      not a register: not 11 fields, or a damaged header
//   msg::RegisterNoMemory   "Error - There is no free memory available!"   the list could not be built
//   msg::DatabaseError      "Error Accessing Database!"  a write failed, the lock could not be had,
//                           or a record number that names no record
// A record number comes from a query made just before; update and delete refuse one that
// names no record rather than touch another client's.
#include <chrono>
#include <filesystem>
#include <string_view>
#include <vector>

#include "clients/client_record.h"
#include "core/interaction.h"

namespace velmora {

class DbfTable;

class ClientRegister {
 public:
  explicit ClientRegister(Interaction& ui) : ui_(ui) {}

  void setFileName(const std::filesystem::path& fileName) { fileName_ = fileName; }
  const std::filesystem::path& fileName() const { return fileName_; }

  bool exists() const;
  // A new empty register with the eleven fields; false when it could not be written or a
  // file of that name already exists (it is left alone).
  bool create();

  int query(std::string_view condition);
  int count() const { return static_cast<int>(entries_.size()); }
  // Nothing outside 0 .. count() - 1.
  ClientEntry* entry(int index);
  const ClientEntry* entry(int index) const;
  std::vector<ClientEntry>& entries() { return entries_; }

  int append(const ClientRecord& record);
  int update(long recordNumber, const ClientRecord& record);
  int deleteRecord(long recordNumber);

  // How long a writer waits for another process's lock before giving up.
  void setLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }

 private:
  // Opens the table and checks its fields; shows the message and returns false on failure.
  bool openTable(DbfTable& table, bool writable);
  bool lockTable(DbfTable& table);
  bool writeFields(DbfTable& table, const ClientRecord& record);
  ClientEntry readEntry(const DbfTable& table) const;
  int fail(int messageId);      // shows the message, gives -1
  bool refuse(int messageId);   // shows the message, gives false

  Interaction& ui_;
  std::filesystem::path fileName_ = "pacb.dbf";
  std::vector<ClientEntry> entries_;
  std::chrono::milliseconds lockWait_{5000};
  std::vector<int> fieldIndex_;  // table field index of each register field, in order
};

}  // namespace velmora
