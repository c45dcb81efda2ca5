// Copies and small files of the backup through the shared writer: what stands at the target
// is replaced only when it is a regular file, a cancelled or failed copy leaves the folder as
// it was, and a copy carries the source's time with the private or the replaced file's mode.
#include "backup/safe_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

unsigned modeOf(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST(SafeCopy, OnlyARegularFileAtTheTargetIsReplaced) {
  TempFolder dir;
  dir.writeBytes("source.wav", std::string(600000, 's'));
  dir.writeBytes("victim.wav", "victim");
  const fs::path source = dir / "source.wav";
  fs::create_symlink(dir / "victim.wav", dir / "link.wav");
  ASSERT_EQ(::mkfifo((dir / "fifo.wav").c_str(), 0600), 0);
  fs::create_directory(dir / "folder.wav");
  const std::set<std::string> before = namesIn(dir.path());

  for (const char* name : {"link.wav", "fifo.wav", "folder.wav"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(copyFileSafely(source, dir / name), CopyResult::Failed);
    EXPECT_FALSE(writePrivateFile(dir / name, "text"));
  }
  EXPECT_TRUE(fs::is_symlink(dir / "link.wav"));
  EXPECT_EQ(dir.readBytes("victim.wav"), "victim");
  EXPECT_TRUE(fs::is_fifo(dir / "fifo.wav"));
  EXPECT_TRUE(fs::is_directory(dir / "folder.wav"));
  EXPECT_EQ(namesIn(dir.path()), before);  // nothing temporary left either
}

TEST(SafeCopy, ACancelledCopyLeavesTheOldFileAndNothingElse) {
  TempFolder dir;
  dir.writeBytes("source.wav", std::string(600000, 'n'));
  dir.writeBytes("target.wav", "old");
  const std::set<std::string> before = namesIn(dir.path());
  int calls = 0;
  EXPECT_EQ(copyFileSafely(dir / "source.wav", dir / "target.wav", [&](uint64_t, uint64_t) { return ++calls < 2; }),
            CopyResult::Cancelled);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(dir.readBytes("target.wav"), "old");
  EXPECT_EQ(namesIn(dir.path()), before);
}

TEST(SafeCopy, TheCopyCarriesTheSourcesTimeAndAPrivateOrTheReplacedMode) {
  TempFolder dir;
  dir.writeBytes("source.wav", std::string(300000, 'c'));
  ASSERT_TRUE(setFileTime(dir / "source.wav", FileTime{1000000000, 250}));
  ASSERT_EQ(copyFileSafely(dir / "source.wav", dir / "new.wav"), CopyResult::Copied);
  EXPECT_EQ(dir.readBytes("new.wav"), dir.readBytes("source.wav"));
  EXPECT_EQ(fileTime(dir / "new.wav")->seconds, 1000000000);
  EXPECT_EQ(fileTime(dir / "new.wav")->nanoseconds, 250);
  EXPECT_EQ(modeOf(dir / "new.wav"), 0600u);

  dir.writeBytes("shared.wav", "old");
  ASSERT_EQ(::chmod((dir / "shared.wav").c_str(), 0640), 0);
  ASSERT_EQ(copyFileSafely(dir / "source.wav", dir / "shared.wav"), CopyResult::Copied);
  EXPECT_EQ(modeOf(dir / "shared.wav"), 0640u);
  EXPECT_EQ(fileTime(dir / "shared.wav")->seconds, 1000000000);

  const FileTime stamp{1200000000, 0};
  ASSERT_TRUE(writePrivateFile(dir / "dates.txt", "1;2\n", &stamp));
  EXPECT_EQ(dir.readBytes("dates.txt"), "1;2\n");
  EXPECT_EQ(fileTime(dir / "dates.txt")->seconds, 1200000000);
  EXPECT_EQ(modeOf(dir / "dates.txt"), 0600u);
}

}  // namespace
}  // namespace velmora
