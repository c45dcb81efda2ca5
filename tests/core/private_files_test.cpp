// Patient data is the user's only whatever the umask; files that exist keep their modes.
#include "core/private_files.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/atomic_file.h"
#include "fakes/temp_folder.h"

namespace velmora::testing {
namespace {

namespace fs = std::filesystem;

unsigned modeOf(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST(PrivateFiles, NewFoldersAndFilesAreTheUsersOnlyUnderAnOpenUmaskAndOldFilesKeepTheirMode) {
  TempFolder dir;
  const mode_t previous = ::umask(022);
  EXPECT_TRUE(makePrivateFolders(dir / "pac001/deep"));
  EXPECT_EQ(makePrivateFolder(dir / "pac001"), FolderResult::Existed);
  EXPECT_TRUE(writeFileAtomically(dir / "pac001/wv001.ddt", "1700000000"));
  const int fd = openPrivateFile(dir / "grav.tmp", O_WRONLY | O_CREAT);
  ASSERT_GE(fd, 0);
  ::close(fd);
  dir.writeBytes("lang.dat", "0000");
  ::chmod((dir / "lang.dat").c_str(), 0644);
  EXPECT_TRUE(writeFileAtomically(dir / "lang.dat", "1111"));
  ::umask(previous);

  EXPECT_EQ(modeOf(dir / "pac001"), 0700u);
  EXPECT_EQ(modeOf(dir / "pac001/deep"), 0700u);
  EXPECT_EQ(modeOf(dir / "pac001/wv001.ddt"), 0600u);
  EXPECT_EQ(modeOf(dir / "grav.tmp"), 0600u);
  EXPECT_EQ(modeOf(dir / "lang.dat"), 0644u);
  EXPECT_EQ(makePrivateFolder(dir / "lang.dat"), FolderResult::Failed);
}

}  // namespace
}  // namespace velmora::testing
