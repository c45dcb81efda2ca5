#include "clients/client_record.h"

#include <cstdio>

#include "clients/dbf_table.h"

namespace velmora {

const std::vector<DbfFieldSpec>& clientFieldSpecs() {
  static const std::vector<DbfFieldSpec> fields = {
      {kFieldCode, 'N', 4, 0},      {kFieldName, 'C', 60, 0},  {kFieldType, 'N', 4, 0},
      {kFieldBirthDate, 'C', 12, 0}, {kFieldAddress, 'C', 60, 0}, {kFieldCity, 'C', 30, 0},
      {kFieldState, 'C', 4, 0},     {kFieldZip, 'C', 12, 0},   {kFieldHomePhone, 'C', 14, 0},
      {kFieldWorkPhone, 'C', 14, 0}, {kFieldObservations, 'C', 100, 0},
  };
  return fields;
}

ClientRecord recordFromEntry(const ClientEntry& entry) {
  ClientRecord r;
  r.code = static_cast<int>(parseDbfLong(entry.code));
  r.name = entry.name;
  r.type = static_cast<int>(parseDbfLong(entry.type));
  r.birthDate = entry.birthDate;
  r.address = entry.address;
  r.city = entry.city;
  r.state = entry.state;
  r.zip = entry.zip;
  r.homePhone = entry.homePhone;
  r.workPhone = entry.workPhone;
  r.observations = entry.observations;
  return r;
}

std::string formatBirthDate(int day, int month, int year) {
  char text[40];
  std::snprintf(text, sizeof text, "%02d%02d%04d", month, day, year);
  return text;
}

std::optional<BirthDate> parseBirthDate(const std::string& stored) {
  if (stored.size() <= 2) return std::nullopt;
  const auto part = [&stored](size_t from, size_t count) {
    return static_cast<int>(parseDbfLong(std::string_view(stored).substr(from, count)));
  };
  BirthDate date;
  date.month = part(0, 2);
  date.day = part(2, 2);
  date.year = stored.size() > 4 ? part(4, 4) : 0;
  return date;
}

std::string trimTrailingBlanks(std::string text) {
  const size_t end = text.find_last_not_of(' ');
  text.resize(end == std::string::npos ? 0 : end + 1);
  return text;
}

}  // namespace velmora
