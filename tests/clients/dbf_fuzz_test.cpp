// Damaged registers, made by mutating a good one: whatever the bytes, reading answers with
// an error or with records that lie inside the file, and never crashes (this test also runs
// under AddressSanitizer and UBSan).
#include <gtest/gtest.h>

#include <random>

#include "clients/client_register.h"
#include "clients/dbf_table.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

std::string goodRegister(const TempFolder& dir) {
  ScriptedInteraction ui;
  ClientRegister reg(ui);
  reg.setFileName(dir / "seed.dbf");
  EXPECT_TRUE(reg.create());
  for (int code = 1; code <= 4; ++code) {
    ClientRecord r;
    r.code = code;
    r.name = "Cliente " + std::to_string(code) + " Ção";
    r.observations = "obs";
    EXPECT_EQ(reg.append(r), 1);
  }
  return dir.readBytes("seed.dbf");
}

// Reads everything the table offers and checks that what it claims fits the file.
void readAll(const std::filesystem::path& path, uint64_t fileBytes) {
  DbfTable t;
  if (t.open(path, false) != DbfError::None) return;
  ASSERT_GE(t.fieldCount(), 1);
  uint64_t recordBytes = 1;
  for (const DbfField& f : t.fields()) recordBytes = std::max<uint64_t>(recordBytes, f.offset + f.length);
  ASSERT_LE(static_cast<uint64_t>(t.recordCount()) * recordBytes, fileBytes);
  for (t.top(); !t.eof(); t.skip(1)) {
    for (int i = 0; i < t.fieldCount(); ++i) {
      ASSERT_EQ(t.rawField(i).size(), t.fields()[static_cast<size_t>(i)].length);
      (void)t.text(i);
      (void)t.number(i);
    }
  }
}

TEST(DbfFuzz, MutatedRegistersNeverCrashTheReader) {
  TempFolder dir;
  const std::string seed = goodRegister(dir);
  ASSERT_GT(seed.size(), 400u);
  std::mt19937 random(20240611);
  ScriptedInteraction ui;
  ClientRegister reg(ui);
  reg.setFileName(dir / "pacb.dbf");
  int accepted = 0;
  constexpr int kRounds = 1500;
  for (int round = 0; round < kRounds; ++round) {
    std::string bytes = seed;
    const int kind = round % 4;
    if (kind == 0) {
      // A few random bytes anywhere, favouring the header.
      const int flips = 1 + static_cast<int>(random() % 4);
      for (int k = 0; k < flips; ++k) {
        const size_t limit = (random() % 2) ? 64 : bytes.size();
        bytes[random() % limit] = static_cast<char>(random() & 0xFF);
      }
    } else if (kind == 1) {
      bytes.resize(random() % bytes.size());
    } else if (kind == 2) {
      // One of the size fields set to a random value.
      const size_t at = std::array<size_t, 4>{4, 6, 8, 10}[random() % 4];
      writeLe16(bytes.data() + at, static_cast<uint32_t>(random() & 0xFFFF));
    } else {
      // A field descriptor's length or the terminator moved.
      const size_t field = random() % 12;
      const size_t at = 32 + 32 * field + ((random() % 2) ? 16 : 0);
      if (at < bytes.size()) bytes[at] = static_cast<char>(random() & 0xFF);
    }
    // A fresh file each round: truncating one in place makes some file systems flush to disk.
    std::filesystem::remove(dir / "pacb.dbf");
    dir.writeBytes("pacb.dbf", bytes);
    SCOPED_TRACE("round " + std::to_string(round));
    readAll(dir / "pacb.dbf", bytes.size());
    const int result = reg.query("");
    EXPECT_TRUE(result == 1 || result == -1);
    if (result == 1) ++accepted;
    reg.query("CODIGO = 2");
    if (::testing::Test::HasFatalFailure()) return;
  }
  // The mutations must leave some tables readable, or the loop tested only the first check.
  EXPECT_GT(accepted, kRounds / 20);
  EXPECT_LT(accepted, kRounds);
}

TEST(DbfFuzz, RandomHeadersAreParsedWithinTheirBytes) {
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    std::string header(33 + random() % 400, '\0');
    for (char& c : header) c = static_cast<char>(random() & 0xFF);
    header[0] = 0x03;
    writeLe16(header.data() + 8, static_cast<uint32_t>(header.size()));
    const uint64_t fileBytes = header.size() + random() % 100000;
    DbfHeader parsed;
    if (parseDbfHeader(header, fileBytes, parsed) != DbfError::None) continue;
    ASSERT_FALSE(parsed.fields.empty());
    for (const DbfField& f : parsed.fields) ASSERT_LE(f.offset + f.length, parsed.recordBytes);
    ASSERT_LE(parsed.headerBytes + static_cast<uint64_t>(parsed.recordCount) * parsed.recordBytes, fileBytes);
  }
}

}  // namespace
}  // namespace velmora
