#pragma once
// The client as the register stores it, as the dialogs edit it, and as a query lists it.
//
//   register fields (in this order, no index):
//     CODIGO N4  NOME C60  TIPO N4  DATANASC C12  ENDERECO C60  CIDADE C30  ESTADO C4
//     CEP C12  FONER C14  FONEC C14  OBS C100
//   widths count bytes of UTF-8; a longer text is cut at a character boundary on writing.
//   DATANASC holds "MMDDYYYY" ("%02d%02d%04d" of month, day, year) or nothing.
#include <optional>
#include <string>
#include <vector>

#include "clients/dbf_format.h"

namespace velmora {

enum ClientType { ClientMan = 0, ClientWoman = 1, ClientChild = 2, ClientSinger = 3 };

constexpr int kClientFieldCount = 11;
constexpr const char* kFieldCode = "CODIGO";
constexpr const char* kFieldName = "NOME";
constexpr const char* kFieldType = "TIPO";
constexpr const char* kFieldBirthDate = "DATANASC";
constexpr const char* kFieldAddress = "ENDERECO";
constexpr const char* kFieldCity = "CIDADE";
constexpr const char* kFieldState = "ESTADO";
constexpr const char* kFieldZip = "CEP";
constexpr const char* kFieldHomePhone = "FONER";
constexpr const char* kFieldWorkPhone = "FONEC";
constexpr const char* kFieldObservations = "OBS";

// The register's field list, in order.
const std::vector<DbfFieldSpec>& clientFieldSpecs();

// The in-memory client: the open client of the main frame and what the client dialog edits.
// Texts are UTF-8; they are cut to their field's width when written to the register.
struct ClientRecord {
  int code = -1;
  std::string name;
  int type = ClientMan;
  std::string birthDate;  // "MMDDYYYY" or empty
  std::string address;
  std::string city;
  std::string state;
  std::string zip;
  std::string homePhone;
  std::string workPhone;
  std::string observations;

  bool operator==(const ClientRecord&) const = default;
};

// One row of a query: code and type as the text of their fields, every text with its
// trailing blanks removed, and the selection flag that the backup's client choice sets.
struct ClientEntry {
  std::string code;
  std::string type;
  std::string name;
  int selected = 0;
  std::string birthDate;
  std::string address;
  std::string city;
  std::string state;
  std::string zip;
  std::string homePhone;
  std::string workPhone;
  std::string observations;
};

// The record a dialog edits, filled from a listed entry (numbers read with parseDbfLong).
ClientRecord recordFromEntry(const ClientEntry& entry);

// "%02d%02d%04d" of month, day, year.
std::string formatBirthDate(int day, int month, int year);
struct BirthDate {
  int day = 0;
  int month = 0;
  int year = 0;
};
// A stored birth date read back: month from characters 1-2, day from 3-4, year from 5-8.
// Nothing for a text of two characters or fewer, as the client dialog leaves such a date empty.
std::optional<BirthDate> parseBirthDate(const std::string& stored);

// Removes trailing blanks only ("  a  " -> "  a").
std::string trimTrailingBlanks(std::string text);

}  // namespace velmora
