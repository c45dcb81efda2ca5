#include "clients/client_register.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "clients/client_codes.h"
#include "clients/dbf_table.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

ClientRecord client(int code, const std::string& name, int type = ClientWoman) {
  ClientRecord r;
  r.code = code;
  r.name = name;
  r.type = type;
  r.birthDate = formatBirthDate(4, 7, 1974);
  r.address = "Rua das Flores 12";
  r.city = "Porto";
  r.state = "PO";
  r.zip = "4000-123";
  r.homePhone = "220000000";
  r.workPhone = "";
  r.observations = "rouquidão";
  return r;
}

class Register : public ::testing::Test {
 protected:
  TempFolder dir;
  ScriptedInteraction ui;
  ClientRegister reg{ui};

  void SetUp() override { reg.setFileName(dir / "pacb.dbf"); }
  void createWith(std::initializer_list<int> codes) {
    ASSERT_TRUE(reg.create());
    for (int code : codes) ASSERT_EQ(reg.append(client(code, "Client " + std::to_string(code))), 1);
  }
  std::vector<std::string> listedCodes() {
    std::vector<std::string> codes;
    for (int i = 0; i < reg.count(); ++i) codes.push_back(reg.entry(i)->code);
    return codes;
  }
  std::string bytes() { return dir.readBytes("pacb.dbf"); }
};

TEST_F(Register, MissingFileIsReportedByEveryOperation) {
  EXPECT_FALSE(reg.exists());
  EXPECT_EQ(reg.query(""), -1);
  EXPECT_EQ(reg.append(client(1, "Ana")), -1);
  EXPECT_EQ(reg.update(1, client(1, "Ana")), -1);
  EXPECT_EQ(reg.deleteRecord(1), -1);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57742, 57742, 57742, 57742}));
  EXPECT_FALSE(reg.exists());
}

TEST_F(Register, NewRegisterHasTheElevenFieldsAndNoRows) {
  ASSERT_TRUE(reg.create());
  EXPECT_TRUE(reg.exists());
  EXPECT_EQ(reg.query(""), 1);
  EXPECT_EQ(reg.count(), 0);
  DbfTable t;
  ASSERT_EQ(t.open(dir / "pacb.dbf", false), DbfError::None);
  const std::vector<std::tuple<std::string, char, uint32_t>> expected = {
      {"CODIGO", 'N', 4},  {"NOME", 'C', 60},  {"TIPO", 'N', 4},   {"DATANASC", 'C', 12},
      {"ENDERECO", 'C', 60}, {"CIDADE", 'C', 30}, {"ESTADO", 'C', 4}, {"CEP", 'C', 12},
      {"FONER", 'C', 14},  {"FONEC", 'C', 14}, {"OBS", 'C', 100}};
  ASSERT_EQ(t.fields().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(t.fields()[i].name, std::get<0>(expected[i]));
    EXPECT_EQ(t.fields()[i].type, std::get<1>(expected[i]));
    EXPECT_EQ(t.fields()[i].length, std::get<2>(expected[i]));
    EXPECT_EQ(t.fields()[i].decimals, 0u);
  }
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Register, CreateNeverReplacesAnExistingRegister) {
  createWith({1, 2});
  const std::string before = bytes();
  EXPECT_FALSE(reg.create());
  EXPECT_EQ(bytes(), before);
}

TEST_F(Register, QueryResults) {
  createWith({1, 2, 4});
  EXPECT_EQ(reg.query(""), 1);
  EXPECT_EQ(listedCodes(), (std::vector<std::string>{"1", "2", "4"}));
  EXPECT_EQ(reg.query("CODIGO=5"), 0);
  EXPECT_EQ(reg.count(), 0);
  EXPECT_EQ(reg.query("CODIGO = 4"), 3);
  ASSERT_EQ(reg.count(), 1);
  EXPECT_EQ(reg.entry(0)->name, "Client 4");
  EXPECT_EQ(reg.entry(1), nullptr);
  EXPECT_EQ(reg.entry(-1), nullptr);
  // Two records with one code: the list holds both, the result is the last one's number.
  ASSERT_EQ(reg.append(client(2, "Twin")), 1);
  EXPECT_EQ(reg.query("CODIGO=2"), 4);
  EXPECT_EQ(reg.count(), 2);
  EXPECT_EQ(reg.query("NAME=2"), -1);  // not a field of the register
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Register, EntriesAreTrimmedAndReadBackWhole) {
  ASSERT_TRUE(reg.create());
  ClientRecord r = client(12, "  Maria Silva");
  ASSERT_EQ(reg.append(r), 1);
  ASSERT_EQ(reg.query("CODIGO=12"), 1);
  const ClientEntry& e = *reg.entry(0);
  EXPECT_EQ(e.code, "12");
  EXPECT_EQ(e.type, "1");
  EXPECT_EQ(e.name, "  Maria Silva");  // leading blanks stay
  EXPECT_EQ(e.birthDate, "07041974");
  EXPECT_EQ(e.workPhone, "");
  EXPECT_EQ(e.selected, 0);
  EXPECT_EQ(recordFromEntry(e), r);
  // Numbers are stored left-aligned: "12" then two blanks.
  EXPECT_NE(bytes().find(" 12    Maria Silva"), std::string::npos);
}

TEST_F(Register, NamesAreCutToSixtyBytesAtACharacterBoundary) {
  ASSERT_TRUE(reg.create());
  const std::string sixty(60, 'n');
  ASSERT_EQ(reg.append(client(1, sixty)), 1);
  ASSERT_EQ(reg.append(client(2, sixty + "XYZ")), 1);
  ASSERT_EQ(reg.append(client(3, std::string(59, 'n') + "é")), 1);  // é would need bytes 60 and 61
  ASSERT_EQ(reg.query(""), 1);
  EXPECT_EQ(reg.entry(0)->name, sixty);
  EXPECT_EQ(reg.entry(1)->name, sixty);
  EXPECT_EQ(reg.entry(2)->name, std::string(59, 'n'));
  ClientRecord full = client(4, "x");
  full.observations = std::string(100, 'o');
  full.state = "ABCD";
  ASSERT_EQ(reg.append(full), 1);
  ASSERT_EQ(reg.query("CODIGO=4"), 4);
  EXPECT_EQ(reg.entry(0)->observations, std::string(100, 'o'));
  EXPECT_EQ(reg.entry(0)->state, "ABCD");
}

TEST_F(Register, UpdateChangesOnlyTheNamedRecord) {
  createWith({1, 2, 3});
  const int recNo = reg.query("CODIGO = 2");
  ASSERT_EQ(recNo, 2);
  ClientRecord changed = client(2, "Changed", ClientSinger);
  ASSERT_EQ(reg.update(recNo, changed), 1);
  ASSERT_EQ(reg.query(""), 1);
  EXPECT_EQ(reg.entry(0)->name, "Client 1");
  EXPECT_EQ(reg.entry(1)->name, "Changed");
  EXPECT_EQ(reg.entry(1)->type, "3");
  EXPECT_EQ(reg.entry(2)->name, "Client 3");
}

TEST_F(Register, RecordNumbersThatNameNoRecordAreRefused) {
  createWith({1, 2, 3});
  const std::string before = bytes();
  for (long recNo : {-1L, 0L, 4L, 100L}) {
    ui.shown.clear();
    EXPECT_EQ(reg.update(recNo, client(9, "Intruder")), -1) << recNo;
    EXPECT_EQ(reg.deleteRecord(recNo), -1) << recNo;
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{57712, 57712})) << recNo;
  }
  EXPECT_EQ(bytes(), before);
}

TEST_F(Register, DeleteRenumbersTheLaterRecords) {
  createWith({1, 2, 3, 4, 5});
  EXPECT_EQ(reg.query("CODIGO=3"), 3);
  ASSERT_EQ(reg.deleteRecord(reg.query("CODIGO=2")), 1);
  EXPECT_EQ(reg.query("CODIGO=3"), 2);
  EXPECT_EQ(reg.query("CODIGO=2"), 0);
  ASSERT_EQ(reg.query(""), 1);
  EXPECT_EQ(listedCodes(), (std::vector<std::string>{"1", "3", "4", "5"}));
}

TEST_F(Register, RecordsMarkedDeletedElsewhereAreNotListed) {
  createWith({1, 2});
  std::string b = bytes();
  const size_t headerBytes = readLe16(b.data() + 8);
  b[headerBytes] = '*';
  dir.writeBytes("pacb.dbf", b);
  EXPECT_EQ(reg.query(""), 1);
  EXPECT_EQ(listedCodes(), std::vector<std::string>{"2"});
  EXPECT_EQ(reg.query("CODIGO=1"), 0);
}

TEST_F(Register, CodesThatDoNotFitTheFieldAreRefused) {
  createWith({1});
  const std::string before = bytes();
  EXPECT_EQ(reg.append(client(12345, "Too wide")), -1);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57712});
  EXPECT_EQ(bytes(), before);
}

TEST_F(Register, EachQueryReplacesTheListAndAFailedOneKeepsIt) {
  createWith({1, 2});
  ASSERT_EQ(reg.query(""), 1);
  reg.entry(1)->selected = 1;
  ASSERT_EQ(reg.query("CODIGO=1"), 1);
  EXPECT_EQ(reg.count(), 1);
  std::filesystem::rename(dir / "pacb.dbf", dir / "moved.dbf");
  EXPECT_EQ(reg.query(""), -1);
  EXPECT_EQ(reg.count(), 1);
}

TEST_F(Register, WindowsNamesAreReadAsCp1252) {
  createWith({1});
  std::string b = bytes();
  const size_t at = b.find("Client 1");
  ASSERT_NE(at, std::string::npos);
  b.replace(at, 8, "Jo\xE3o Luz");
  dir.writeBytes("pacb.dbf", b);
  ASSERT_EQ(reg.query(""), 1);
  EXPECT_EQ(reg.entry(0)->name, "João Luz");
}

// --- registers that are not what they claim -------------------------------------------------

std::string tableWithFields(const TempFolder& dir, int fieldCount) {
  std::vector<DbfFieldSpec> fields;
  for (int i = 0; i < fieldCount; ++i) fields.push_back(clientFieldSpecs()[static_cast<size_t>(i % 11)]);
  if (fieldCount == 12) fields.back().name = "EXTRA";
  EXPECT_EQ(DbfTable::create(dir / "pacb.dbf", fields), DbfError::None);
  return dir.readBytes("pacb.dbf");
}

TEST_F(Register, TenOrTwelveFieldsAreRejected) {
  for (int count : {10, 12}) {
    ui.shown.clear();
    tableWithFields(dir, count);
    EXPECT_EQ(reg.query(""), -1) << count;
    EXPECT_EQ(reg.append(client(1, "Ana")), -1) << count;
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{57743, 57743})) << count;
  }
}

TEST_F(Register, RenamedFieldIsRejected) {
  std::string b = tableWithFields(dir, 11);
  b.replace(32 + 32, 4, "NAME");  // second field no longer NOME
  dir.writeBytes("pacb.dbf", b);
  EXPECT_EQ(reg.query(""), -1);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57743});
}

TEST_F(Register, DamagedFilesGiveInvalidFile) {
  createWith({1, 2, 3});
  const std::string good = bytes();
  const size_t headerBytes = readLe16(good.data() + 8);
  std::vector<std::pair<std::string, std::string>> damaged;
  damaged.push_back({"empty", ""});
  damaged.push_back({"text file", "CODIGO;NOME\n1;Ana\n"});
  damaged.push_back({"cut in the header", good.substr(0, 100)});
  damaged.push_back({"cut in a record", good.substr(0, headerBytes + 150)});
  std::string b = good;
  writeLe32(b.data() + 4, 0x7FFFFFFF);
  damaged.push_back({"lying record count", b});
  b = good;
  writeLe16(b.data() + 8, 0xFFFF);
  damaged.push_back({"header longer than the file", b});
  b = good;
  writeLe16(b.data() + 8, 40);
  damaged.push_back({"header too short for a field", b});
  b = good;
  writeLe16(b.data() + 10, 20);
  damaged.push_back({"record shorter than its fields", b});
  b = good;
  b[0] = 0x7F;
  damaged.push_back({"unknown version", b});
  // Headers that still fit the file but no longer describe it: every field would be misread.
  for (int delta : {-1, 1, 32}) {
    b = good;
    writeLe16(b.data() + 8, static_cast<uint32_t>(static_cast<int>(headerBytes) + delta));
    damaged.push_back({"header length off by " + std::to_string(delta), b});
  }
  b = good;
  b[headerBytes - 1] = ' ';
  damaged.push_back({"no terminator", b});
  b = good;
  b[32 + 16] = static_cast<char>(b[32 + 16] - 1);
  damaged.push_back({"fields shorter than the record", b});
  b = good;
  b[32 + 16] = 0;
  damaged.push_back({"a field of no length", b});
  for (const auto& [what, content] : damaged) {
    ui.shown.clear();
    dir.writeBytes("pacb.dbf", content);
    EXPECT_EQ(reg.query(""), -1) << what;
    EXPECT_EQ(reg.query("CODIGO=1"), -1) << what;
    EXPECT_EQ(reg.update(1, client(1, "x")), -1) << what;
    EXPECT_EQ(ui.shownIds(), (std::vector<int>{57743, 57743, 57743})) << what;
    EXPECT_EQ(bytes(), content) << what;
  }
}

TEST_F(Register, AFolderOrAPipeInTheRegistersPlaceIsNotARegister) {
  std::filesystem::create_directory(dir / "pacb.dbf");
  EXPECT_EQ(reg.query(""), -1);
  std::filesystem::remove(dir / "pacb.dbf");
  ASSERT_EQ(::mkfifo((dir / "pacb.dbf").c_str(), 0600), 0);
  EXPECT_EQ(reg.query(""), -1);  // returns at once instead of waiting for a writer
  EXPECT_EQ(reg.append(client(1, "Ana")), -1);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57743, 57743, 57743}));
}

// --- a second process -------------------------------------------------------------------------

pid_t holdLock(const std::filesystem::path& path, int holdMs) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int fd = ::open(path.c_str(), O_RDWR);
    const char c = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? '1' : '0';
    (void)!::write(ready[1], &c, 1);
    ::usleep(static_cast<useconds_t>(holdMs) * 1000);
    ::_exit(0);
  }
  char c = 0;
  ::close(ready[1]);
  (void)!::read(ready[0], &c, 1);
  ::close(ready[0]);
  return c == '1' ? pid : -1;
}

TEST_F(Register, AppendAndDeleteWaitForAnotherProcessesLock) {
  createWith({1, 2});
  pid_t holder = holdLock(dir / "pacb.dbf", 200);
  ASSERT_GT(holder, 0);
  EXPECT_EQ(reg.append(client(3, "Waited")), 1);
  ::waitpid(holder, nullptr, 0);
  holder = holdLock(dir / "pacb.dbf", 200);
  ASSERT_GT(holder, 0);
  EXPECT_EQ(reg.deleteRecord(1), 1);
  ::waitpid(holder, nullptr, 0);
  ASSERT_EQ(reg.query(""), 1);
  EXPECT_EQ(listedCodes(), (std::vector<std::string>{"2", "3"}));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Register, ALockHeldTooLongFailsTheWrite) {
  createWith({1});
  const std::string before = bytes();
  reg.setLockWait(std::chrono::milliseconds(50));
  const pid_t holder = holdLock(dir / "pacb.dbf", 2000);
  ASSERT_GT(holder, 0);
  EXPECT_EQ(reg.append(client(2, "Late")), -1);
  EXPECT_EQ(reg.deleteRecord(1), -1);
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57712, 57712}));
  EXPECT_EQ(bytes(), before);
}

// --- codes and dates ----------------------------------------------------------------------------

TEST_F(Register, NewClientCodeIsTheLowestFree) {
  ASSERT_TRUE(reg.create());
  EXPECT_EQ(newClientCode(reg), 1);
  std::filesystem::remove(dir / "pacb.dbf");
  createWith({1, 2, 4});
  EXPECT_EQ(newClientCode(reg), 3);
  ASSERT_EQ(reg.append(client(3, "Three")), 1);
  EXPECT_EQ(newClientCode(reg), 5);
  ASSERT_EQ(reg.deleteRecord(reg.query("CODIGO=2")), 1);
  EXPECT_EQ(newClientCode(reg), 2);
  std::filesystem::remove(dir / "pacb.dbf");
  EXPECT_EQ(newClientCode(reg), -1);
}

TEST(ClientCodes, LowestFreeIgnoresStrangeCodes) {
  const auto entries = [](std::initializer_list<const char*> codes) {
    std::vector<ClientEntry> list;
    for (const char* c : codes) {
      ClientEntry e;
      e.code = c;
      list.push_back(e);
    }
    return list;
  };
  EXPECT_EQ(lowestFreeCode({}), 1);
  EXPECT_EQ(lowestFreeCode(entries({"2", "3"})), 1);
  EXPECT_EQ(lowestFreeCode(entries({"1", "2", "3"})), 4);
  EXPECT_EQ(lowestFreeCode(entries({"1", "-4", "0", "", "9999"})), 2);
}

TEST(ClientRecordFormat, BirthDateIsMonthDayYear) {
  EXPECT_EQ(formatBirthDate(4, 7, 1974), "07041974");
  EXPECT_EQ(formatBirthDate(31, 12, 2050), "12312050");
  auto d = parseBirthDate("07041974");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->day, 4);
  EXPECT_EQ(d->month, 7);
  EXPECT_EQ(d->year, 1974);
  EXPECT_FALSE(parseBirthDate(""));
  EXPECT_FALSE(parseBirthDate("07"));
  d = parseBirthDate("070");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->day, 0);
  EXPECT_EQ(d->year, 0);
  EXPECT_EQ(trimTrailingBlanks("  a b  "), "  a b");
  EXPECT_EQ(trimTrailingBlanks("    "), "");
}

}  // namespace
}  // namespace velmora
