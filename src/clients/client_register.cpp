#include "clients/client_register.h"

#include <new>
#include <system_error>

#include "clients/dbf_condition.h"
#include "clients/dbf_table.h"
#include "core/message_ids.h"

namespace velmora {

namespace {

// Positions in the register's field list.
enum FieldSlot { SlotCode, SlotName, SlotType, SlotBirthDate, SlotAddress, SlotCity, SlotState, SlotZip,
                 SlotHomePhone, SlotWorkPhone, SlotObservations };

int messageFor(DbfError error) {
  switch (error) {
    case DbfError::NotFound: return msg::RegisterNotFound;
    case DbfError::Invalid: return msg::RegisterInvalid;
    default: return msg::DatabaseError;
  }
}
}  // namespace

int ClientRegister::fail(int messageId) {
  showMessage(ui_, messageId);
  return -1;
}

bool ClientRegister::refuse(int messageId) {
  showMessage(ui_, messageId);
  return false;
}

bool ClientRegister::exists() const {
  std::error_code ec;
  return std::filesystem::exists(fileName_, ec);
}

bool ClientRegister::create() {
  // Never over an existing register: that would wipe every client.
  if (exists()) return false;
  return DbfTable::create(fileName_, clientFieldSpecs()) == DbfError::None;
}

bool ClientRegister::openTable(DbfTable& table, bool writable) {
  if (!exists()) return refuse(msg::RegisterNotFound);
  const DbfError error = table.open(fileName_, writable);
  if (error != DbfError::None) return refuse(messageFor(error));
  if (table.fieldCount() != kClientFieldCount) return refuse(msg::RegisterInvalid);
  fieldIndex_.clear();
  for (const DbfFieldSpec& spec : clientFieldSpecs()) {
    const int index = table.fieldIndex(spec.name);
    if (index < 0) return refuse(msg::RegisterInvalid);
    fieldIndex_.push_back(index);
  }
  return true;
}

bool ClientRegister::lockTable(DbfTable& table) {
  table.setLockWait(lockWait_);
  const DbfError error = table.lockAll();
  if (error != DbfError::None) return refuse(messageFor(error));
  // The lock rereads the header; a table swapped for another meanwhile is caught here.
  if (table.fieldCount() != kClientFieldCount) return refuse(msg::RegisterInvalid);
  for (size_t i = 0; i < fieldIndex_.size(); ++i)
    if (table.fieldIndex(clientFieldSpecs()[i].name) != fieldIndex_[i]) return refuse(msg::RegisterInvalid);
  return true;
}

ClientEntry ClientRegister::readEntry(const DbfTable& table) const {
  const auto field = [&](FieldSlot slot) { return trimTrailingBlanks(table.text(fieldIndex_[slot])); };
  // Other dBASE tools right-align numbers; the number's text is the same either way.
  const auto number = [&](FieldSlot slot) {
    const std::string text = field(slot);
    const size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
  };
  ClientEntry e;
  e.code = number(SlotCode);
  e.type = number(SlotType);
  e.name = field(SlotName);
  e.birthDate = field(SlotBirthDate);
  e.address = field(SlotAddress);
  e.city = field(SlotCity);
  e.state = field(SlotState);
  e.zip = field(SlotZip);
  e.homePhone = field(SlotHomePhone);
  e.workPhone = field(SlotWorkPhone);
  e.observations = field(SlotObservations);
  return e;
}

bool ClientRegister::writeFields(DbfTable& table, const ClientRecord& r) {
  const auto text = [&](FieldSlot slot, const std::string& value) { table.setText(fieldIndex_[slot], value); };
  if (table.setNumber(fieldIndex_[SlotCode], r.code) != DbfError::None) return false;
  text(SlotName, r.name);
  if (table.setNumber(fieldIndex_[SlotType], r.type) != DbfError::None) return false;
  text(SlotBirthDate, r.birthDate);
  text(SlotAddress, r.address);
  text(SlotCity, r.city);
  text(SlotState, r.state);
  text(SlotZip, r.zip);
  text(SlotHomePhone, r.homePhone);
  text(SlotWorkPhone, r.workPhone);
  text(SlotObservations, r.observations);
  return true;
}

int ClientRegister::query(std::string_view conditionText) {
  auto condition = DbfCondition::parse(conditionText);
  if (!condition) return -1;
  DbfTable table;
  if (!openTable(table, false)) return -1;
  if (!condition->bind(table)) return -1;
  entries_.clear();
  long result = condition->selectsAll() ? 1 : 0;
  try {
    DbfError error = table.top();
    while (error == DbfError::None && !table.eof()) {
      // A record another program marked deleted is a client that is gone.
      if (!table.isDeleted() && condition->matches(table)) {
        if (!condition->selectsAll()) result = table.recNo();
        entries_.push_back(readEntry(table));
      }
      error = table.skip(1);
    }
    if (error != DbfError::None) {
      entries_.clear();
      return fail(msg::RegisterInvalid);
    }
  } catch (const std::bad_alloc&) {
    entries_.clear();
    return fail(msg::RegisterNoMemory);
  }
  return static_cast<int>(result);
}

ClientEntry* ClientRegister::entry(int index) {
  if (index < 0 || index >= count()) return nullptr;
  return &entries_[static_cast<size_t>(index)];
}

const ClientEntry* ClientRegister::entry(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return &entries_[static_cast<size_t>(index)];
}

int ClientRegister::append(const ClientRecord& record) {
  DbfTable table;
  if (!openTable(table, true) || !lockTable(table)) return -1;
  table.blank();
  if (!writeFields(table, record)) return fail(msg::DatabaseError);
  if (table.appendRecord() != DbfError::None) return fail(msg::DatabaseError);
  table.unlock();
  return 1;
}

int ClientRegister::update(long recordNumber, const ClientRecord& record) {
  DbfTable table;
  if (!openTable(table, true) || !lockTable(table)) return -1;
  // No record of that number: writing the last one instead would overwrite another client.
  if (table.go(recordNumber) != DbfError::None) return fail(msg::DatabaseError);
  if (!writeFields(table, record)) return fail(msg::DatabaseError);
  if (table.writeRecord() != DbfError::None) return fail(msg::DatabaseError);
  table.unlock();
  return 1;
}

int ClientRegister::deleteRecord(long recordNumber) {
  DbfTable table;
  if (!openTable(table, true) || !lockTable(table)) return -1;
  if (table.go(recordNumber) != DbfError::None) return fail(msg::DatabaseError);
  if (table.markDeleted() != DbfError::None) return fail(msg::DatabaseError);
  if (table.pack() != DbfError::None) {
    // The register file is unchanged; take the mark back so the client stays listed.
    if (table.isOpen()) table.recall();
    return fail(msg::DatabaseError);
  }
  return 1;
}

}  // namespace velmora
