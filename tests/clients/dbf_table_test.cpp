#include "clients/dbf_table.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "core/atomic_file.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

const std::vector<DbfFieldSpec> kFields = {{"CODE", 'N', 4, 0}, {"NAME", 'C', 6, 0}};

uint32_t le32At(const std::string& s, size_t at) { return readLe32(s.data() + at); }
uint32_t le16At(const std::string& s, size_t at) { return readLe16(s.data() + at); }

// A table of `names` with codes 1, 2, 3, ...
void fill(const std::filesystem::path& path, const std::vector<std::string>& names) {
  ASSERT_EQ(DbfTable::create(path, kFields), DbfError::None);
  DbfTable t;
  ASSERT_EQ(t.open(path, true), DbfError::None);
  ASSERT_EQ(t.lockAll(), DbfError::None);
  long code = 1;
  for (const std::string& name : names) {
    t.blank();
    ASSERT_EQ(t.setNumber(0, code++), DbfError::None);
    ASSERT_TRUE(t.setText(1, name));
    ASSERT_EQ(t.appendRecord(), DbfError::None);
  }
}

std::vector<std::string> names(const std::filesystem::path& path) {
  DbfTable t;
  std::vector<std::string> out;
  if (t.open(path, false) != DbfError::None) return {"<open failed>"};
  for (t.top(); !t.eof(); t.skip(1)) out.push_back(t.text(1));
  return out;
}

TEST(DbfTable, CreatedFileHasTheDbaseThreeLayout) {
  TempFolder dir;
  ASSERT_EQ(DbfTable::create(dir / "t.dbf", kFields), DbfError::None);
  const std::string b = dir.readBytes("t.dbf");
  ASSERT_EQ(b.size(), 32u + 2 * 32 + 1 + 1);
  EXPECT_EQ(b[0], 0x03);
  EXPECT_GE(static_cast<unsigned char>(b[2]), 1);  // month
  EXPECT_LE(static_cast<unsigned char>(b[2]), 12);
  EXPECT_EQ(le32At(b, 4), 0u);
  EXPECT_EQ(le16At(b, 8), 97u);
  EXPECT_EQ(le16At(b, 10), 11u);  // flag + 4 + 6
  EXPECT_EQ(b.substr(32, 11), std::string("CODE\0\0\0\0\0\0\0", 11));
  EXPECT_EQ(b[43], 'N');
  EXPECT_EQ(b[48], 4);
  EXPECT_EQ(b.substr(64, 5), std::string("NAME\0", 5));
  EXPECT_EQ(b[75], 'C');
  EXPECT_EQ(b[80], 6);
  EXPECT_EQ(b[96], 0x0D);
  EXPECT_EQ(b[97], 0x1A);
}

TEST(DbfTable, RefusesFieldListsTheFormatCannotHold) {
  TempFolder dir;
  EXPECT_EQ(DbfTable::create(dir / "a.dbf", {}), DbfError::Invalid);
  EXPECT_EQ(DbfTable::create(dir / "b.dbf", {{"ELEVENCHARS", 'C', 4, 0}}), DbfError::Invalid);
  EXPECT_EQ(DbfTable::create(dir / "c.dbf", {{"X", 'C', 0, 0}}), DbfError::Invalid);
  EXPECT_EQ(DbfTable::create(dir / "d.dbf", {{"X", 'C', 256, 0}}), DbfError::Invalid);
  EXPECT_FALSE(std::filesystem::exists(dir / "a.dbf"));
}

TEST(DbfTable, RecordsAreBlankPaddedLeftAlignedAndEndMarked) {
  TempFolder dir;
  fill(dir / "t.dbf", {"Ana", "Bruno"});
  const std::string b = dir.readBytes("t.dbf");
  EXPECT_EQ(le32At(b, 4), 2u);
  ASSERT_EQ(b.size(), 97u + 2 * 11 + 1);
  EXPECT_EQ(b.substr(97, 11), " 1   Ana   ");
  EXPECT_EQ(b.substr(108, 11), " 2   Bruno ");
  EXPECT_EQ(b.back(), 0x1A);
}

TEST(DbfTable, TextIsCutToTheWidthAtACharacterBoundary) {
  TempFolder dir;
  fill(dir / "t.dbf", {});
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  ASSERT_TRUE(t.setText(1, "abcdefgh"));
  EXPECT_EQ(t.rawField(1), "abcdef");
  ASSERT_TRUE(t.setText(1, "abcdeé"));  // é is two bytes and would end at byte 7
  EXPECT_EQ(t.rawField(1), "abcde ");
  ASSERT_TRUE(t.setText(1, "ção"));  // five bytes fit
  EXPECT_EQ(t.rawField(1), "ção ");
  EXPECT_EQ(t.text(1), "ção ");
  EXPECT_FALSE(t.setText(7, "x"));
}

TEST(DbfTable, NumbersAreLeftAlignedAndTooWideOnesRefused) {
  TempFolder dir;
  fill(dir / "t.dbf", {});
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  ASSERT_EQ(t.setNumber(0, 12), DbfError::None);
  EXPECT_EQ(t.rawField(0), "12  ");
  EXPECT_EQ(t.number(0), 12);
  ASSERT_EQ(t.setNumber(0, -123), DbfError::None);
  EXPECT_EQ(t.number(0), -123);
  EXPECT_EQ(t.setNumber(0, 12345), DbfError::ValueTooWide);
  EXPECT_EQ(t.rawField(0), "-123");  // untouched
  EXPECT_EQ(t.setNumber(5, 1), DbfError::UnknownField);
}

TEST(DbfTable, NumberParsingFollowsC4atol) {
  EXPECT_EQ(parseDbfLong("12  "), 12);
  EXPECT_EQ(parseDbfLong("  12"), 12);
  EXPECT_EQ(parseDbfLong(" -7x"), -7);
  EXPECT_EQ(parseDbfLong("+3"), 3);
  EXPECT_EQ(parseDbfLong("1 2"), 1);
  EXPECT_EQ(parseDbfLong("    "), 0);
  EXPECT_EQ(parseDbfLong("abc"), 0);
  EXPECT_EQ(parseDbfLong(""), 0);
  EXPECT_EQ(parseDbfLong("99999999999999999999999"), LONG_MAX);
  EXPECT_EQ(parseDbfLong("-99999999999999999999999"), LONG_MIN);
}

TEST(DbfTable, WindowsTextIsReadAsCp1252) {
  TempFolder dir;
  fill(dir / "t.dbf", {"x"});
  std::string b = dir.readBytes("t.dbf");
  b.replace(97 + 5, 6, "Jos\xE9  ");  // "José" written by the earlier Windows program
  dir.writeBytes("t.dbf", b);
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", false), DbfError::None);
  ASSERT_EQ(t.top(), DbfError::None);
  EXPECT_EQ(t.text(1), "José  ");
}

TEST(DbfTable, NavigationCountsFromOneAndRefusesNumbersOutside) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a", "b", "c"});
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", false), DbfError::None);
  EXPECT_EQ(t.recordCount(), 3);
  EXPECT_EQ(t.fieldCount(), 2);
  EXPECT_EQ(t.fieldIndex("name"), 1);
  EXPECT_EQ(t.fieldIndex("NAM"), -1);
  ASSERT_EQ(t.go(2), DbfError::None);
  EXPECT_EQ(t.recNo(), 2);
  EXPECT_EQ(t.number(0), 2);
  EXPECT_EQ(t.go(0), DbfError::NoRecord);
  EXPECT_EQ(t.go(-1), DbfError::NoRecord);
  EXPECT_EQ(t.go(4), DbfError::NoRecord);
  EXPECT_EQ(t.recNo(), 2);  // position kept
  ASSERT_EQ(t.skip(1), DbfError::None);
  EXPECT_EQ(t.recNo(), 3);
  ASSERT_EQ(t.skip(1), DbfError::None);
  EXPECT_TRUE(t.eof());
  EXPECT_EQ(t.skip(1), DbfError::NoRecord);

  fill(dir / "empty.dbf", {});
  DbfTable e;
  ASSERT_EQ(e.open(dir / "empty.dbf", false), DbfError::None);
  ASSERT_EQ(e.top(), DbfError::None);
  EXPECT_TRUE(e.eof());
}

TEST(DbfTable, WritersNeedTheLockAndAWritableTable) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a"});
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  t.blank();
  EXPECT_EQ(t.appendRecord(), DbfError::Io);
  DbfTable r;
  ASSERT_EQ(r.open(dir / "t.dbf", false), DbfError::None);
  ASSERT_EQ(r.lockAll(), DbfError::None);
  EXPECT_EQ(r.appendRecord(), DbfError::Io);
  EXPECT_EQ(names(dir / "t.dbf"), std::vector<std::string>{"a     "});
}

TEST(DbfTable, UpdateWritesOnlyTheCurrentRecord) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a", "b", "c"});
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  ASSERT_EQ(t.lockAll(), DbfError::None);
  ASSERT_EQ(t.go(2), DbfError::None);
  t.setText(1, "bee");
  ASSERT_EQ(t.writeRecord(), DbfError::None);
  t.close();
  EXPECT_EQ(names(dir / "t.dbf"), (std::vector<std::string>{"a     ", "bee   ", "c     "}));
}

TEST(DbfTable, DeleteAndPackRenumbersLaterRecords) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a", "b", "c", "d", "e"});
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  ASSERT_EQ(t.lockAll(), DbfError::None);
  ASSERT_EQ(t.go(2), DbfError::None);
  ASSERT_EQ(t.markDeleted(), DbfError::None);
  EXPECT_TRUE(t.isDeleted());
  ASSERT_EQ(t.pack(), DbfError::None);
  EXPECT_EQ(t.recordCount(), 4);
  ASSERT_EQ(t.go(2), DbfError::None);
  EXPECT_EQ(t.text(1), "c     ");
  EXPECT_EQ(t.number(0), 3);
  t.close();
  EXPECT_EQ(dir.readBytes("t.dbf").size(), 97u + 4 * 11 + 1);
  // The temporary file of the pack is gone.
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(DbfTable, RecallUndoesTheMark) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a"});
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  ASSERT_EQ(t.lockAll(), DbfError::None);
  ASSERT_EQ(t.top(), DbfError::None);
  ASSERT_EQ(t.markDeleted(), DbfError::None);
  ASSERT_EQ(t.recall(), DbfError::None);
  ASSERT_EQ(t.pack(), DbfError::None);
  EXPECT_EQ(t.recordCount(), 1);
}

// A second process takes the table's lock and keeps it for holdMs.
pid_t holdLockInChild(const std::filesystem::path& path, int holdMs) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int fd = ::open(path.c_str(), O_RDWR);
    const bool locked = fd >= 0 && ::flock(fd, LOCK_EX) == 0;
    const char c = locked ? '1' : '0';
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

TEST(DbfTableLocking, WriterWaitsForAnotherProcessesLock) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a"});
  const pid_t holder = holdLockInChild(dir / "t.dbf", 300);
  ASSERT_GT(holder, 0);
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(t.lockAll(), DbfError::None);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  t.blank();
  t.setText(1, "b");
  ASSERT_EQ(t.appendRecord(), DbfError::None);
  t.close();
  ::waitpid(holder, nullptr, 0);
  EXPECT_EQ(names(dir / "t.dbf"), (std::vector<std::string>{"a     ", "b     "}));
}

TEST(DbfTableLocking, WriterGivesUpAfterItsWait) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a"});
  const pid_t holder = holdLockInChild(dir / "t.dbf", 1000);
  ASSERT_GT(holder, 0);
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  t.setLockWait(std::chrono::milliseconds(50));
  EXPECT_EQ(t.lockAll(), DbfError::Locked);
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  EXPECT_EQ(t.lockAll(), DbfError::None);
}

TEST(DbfTableLocking, WriterFollowsATablePackedElsewhere) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a", "b"});
  DbfTable stale;
  ASSERT_EQ(stale.open(dir / "t.dbf", true), DbfError::None);  // opened before the pack
  {
    DbfTable packer;
    ASSERT_EQ(packer.open(dir / "t.dbf", true), DbfError::None);
    ASSERT_EQ(packer.lockAll(), DbfError::None);
    ASSERT_EQ(packer.top(), DbfError::None);
    ASSERT_EQ(packer.markDeleted(), DbfError::None);
    ASSERT_EQ(packer.pack(), DbfError::None);
  }
  ASSERT_EQ(stale.lockAll(), DbfError::None);
  EXPECT_EQ(stale.recordCount(), 1);
  stale.blank();
  stale.setText(1, "c");
  ASSERT_EQ(stale.appendRecord(), DbfError::None);
  stale.close();
  EXPECT_EQ(names(dir / "t.dbf"), (std::vector<std::string>{"b     ", "c     "}));
}

TEST(DbfTablePack, CrashAfterTheTemporaryFileLeavesTheTableWhole) {
  TempFolder dir;
  fill(dir / "t.dbf", {"a", "b", "c"});
  const std::string before = dir.readBytes("t.dbf");
  const pid_t child = ::fork();
  if (child == 0) {
    // Stops dead between writing the packed copy and renaming it: no destructor runs.
    DbfTable t;
    if (t.open(dir / "t.dbf", false) != DbfError::None) ::_exit(2);
    auto* out = new AtomicFileWriter(dir / "t.dbf");
    if (!out->open() || t.writePackedCopy(*out) != DbfError::None) ::_exit(3);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(dir.readBytes("t.dbf"), before);
  int leftovers = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) leftovers += e.path().filename() != "t.dbf";
  EXPECT_EQ(leftovers, 0);  // the abandoned copy was never named: nothing lies beside the table
  EXPECT_EQ(names(dir / "t.dbf"), (std::vector<std::string>{"a     ", "b     ", "c     "}));
}

}  // namespace
}  // namespace velmora
