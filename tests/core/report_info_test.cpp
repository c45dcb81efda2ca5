#include "core/report_info.h"

#include <gtest/gtest.h>

#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

TEST(ReportInfo, LengthPrefixForEachSizeClass) {
  struct Case {
    size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, std::string("\x00", 1)},
      {254, "\xFE"},
      {255, std::string("\xFF\xFF\x00", 3)},
      {300, std::string("\xFF\x2C\x01", 3)},
      {65533, "\xFF\xFD\xFF"},
      {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
  };
  for (const Case& c : cases) {
    const std::string text(c.length, 'a');
    const std::string encoded = encodeArchiveString(text);
    EXPECT_EQ(encoded.substr(0, c.prefix.size()), c.prefix) << c.length;
    EXPECT_EQ(encoded.size(), c.prefix.size() + c.length) << c.length;
    size_t offset = 0;
    auto decoded = decodeArchiveString(encoded, offset);
    ASSERT_TRUE(decoded) << c.length;
    EXPECT_EQ(*decoded, text);
    EXPECT_EQ(offset, encoded.size());
  }
}

TEST(ReportInfo, FileRoundTripIsByteExact) {
  TempFolder dir;
  for (size_t n : {0u, 254u, 255u, 300u, 70000u}) {
    ReportInfo info{std::string(n, 'c'), "CRFa 12345"};
    ASSERT_TRUE(writeReportInfo(dir.path(), info));
    const std::string bytes = dir.readBytes("info_vl.dat");
    EXPECT_EQ(bytes, encodeArchiveString(info.clinicName) + encodeArchiveString(info.registration));
    auto back = readReportInfo(dir.path());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->clinicName, info.clinicName);
    EXPECT_EQ(back->registration, info.registration);
  }
}

TEST(ReportInfo, MissingOrDamagedFilesReadAsNothing) {
  TempFolder dir;
  EXPECT_FALSE(readReportInfo(dir.path()));
  dir.writeBytes("info_vl.dat", "\x05" "abc");  // claims 5, holds 3
  EXPECT_FALSE(readReportInfo(dir.path()));
  dir.writeBytes("info_vl.dat", std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7));  // 2 GiB claimed
  EXPECT_FALSE(readReportInfo(dir.path()));
  dir.writeBytes("info_vl.dat", "\x02" "ab");  // second string missing
  EXPECT_FALSE(readReportInfo(dir.path()));
}

TEST(ReportInfo, OlderWindows1252TextIsDecoded) {
  TempFolder dir;
  dir.writeBytes("info_vl.dat", std::string("\x0b" "Cl\xEDnica S\xE3o") + std::string("\x00", 1));
  auto info = readReportInfo(dir.path());
  ASSERT_TRUE(info);
  EXPECT_EQ(info->clinicName, "Cl\xC3\xADnica S\xC3\xA3o");
  EXPECT_EQ(info->registration, "");
}

}  // namespace
}  // namespace velmora
