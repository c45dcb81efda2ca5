// Date files, the temporary take file and the atomic writer beneath them.
#include <gtest/gtest.h>

#include "audio/temp_sample_file.h"
#include "clients/companion_path.h"
#include "clients/date_file.h"
#include "core/atomic_file.h"
#include "core/file_times.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;

TEST(DateFile, HoldsTheWavFilesTimeAsDecimalSeconds) {
  TempFolder dir;
  ScriptedInteraction ui;
  dir.writeBytes("wv001.wav", "x");
  ASSERT_TRUE(setFileTime(dir / "wv001.wav", FileTime{1700000000, 5}));
  ASSERT_TRUE(writeDateFile(dir / "wv001.wav", ui));
  EXPECT_EQ(dir.readBytes("wv001.ddt"), "1700000000");
  EXPECT_EQ(readDateFile(dir / "wv001.ddt"), 1700000000);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(DateFile, MissingWavGivesAnEmptyFileAndShortFilesHaveNoDate) {
  TempFolder dir;
  ScriptedInteraction ui;
  ASSERT_TRUE(writeDateFile(dir / "qv002.wav", ui));
  EXPECT_TRUE(std::filesystem::exists(dir / "qv002.ddt"));
  EXPECT_EQ(dir.readBytes("qv002.ddt"), "");
  EXPECT_FALSE(readDateFile(dir / "qv002.ddt"));
  dir.writeBytes("x.ddt", "12345");
  EXPECT_FALSE(readDateFile(dir / "x.ddt"));
  dir.writeBytes("y.ddt", "abcdefgh");
  EXPECT_FALSE(readDateFile(dir / "y.ddt"));
  dir.writeBytes("z.ddt", "123456");
  EXPECT_EQ(readDateFile(dir / "z.ddt"), 123456);
}

TEST(DateFile, CannotBeCreatedShows57661) {
  TempFolder dir;
  ScriptedInteraction ui;
  EXPECT_FALSE(writeDateFile(dir / "nofolder" / "wv001.wav", ui));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57661});
}

TEST(CompanionPath, ReplacesTheLastThreeCharacters) {
  EXPECT_EQ(companionPath("pac001/wv001.wav", "mrk"), std::filesystem::path("pac001/wv001.mrk"));
  EXPECT_EQ(companionPath("a.WAV", "txt"), std::filesystem::path("a.txt"));
}

TEST(TempSampleFile, WritesFlushReadsBackAndReportsState) {
  TempFolder dir;
  TempSampleFile f;
  const char data[] = "abcdef";
  EXPECT_EQ(f.write(data, 6), -1);
  EXPECT_EQ(f.size(), -1);
  ASSERT_TRUE(f.open(TempSampleFile::WriteMode, dir / "grav.tmp"));
  EXPECT_EQ(f.write(data, 6), 1);
  // Flushed at once: another reader sees the bytes while the take is still open.
  EXPECT_EQ(dir.readBytes("grav.tmp"), "abcdef");
  EXPECT_EQ(f.size(), 6);
  f.close();
  char back[6] = {};
  EXPECT_EQ(f.read(back, 6), 6u);  // opens for reading by itself
  EXPECT_EQ(std::string(back, 6), "abcdef");
  f.rewind();
  EXPECT_EQ(f.read(back, 3), 3u);
  // A read-only stream refuses writes.
  EXPECT_EQ(f.write(data, 1), 0);
  // Reopening for writing truncates.
  ASSERT_TRUE(f.open(TempSampleFile::WriteMode, dir / "grav.tmp"));
  EXPECT_EQ(f.size(), 0);
}

TEST(AtomicFileWriter, UncommittedWriteLeavesTheTargetAndNoTemporaryFile) {
  TempFolder dir;
  dir.writeBytes("notes.txt", "old");
  {
    AtomicFileWriter w(dir / "notes.txt");
    ASSERT_TRUE(w.open());
    ASSERT_TRUE(w.write("new content"));
    // The content waits in an unnamed file: nothing but the target is in the folder.
    EXPECT_TRUE(w.temporaryPath().empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
  }
  EXPECT_EQ(dir.readBytes("notes.txt"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
  ASSERT_TRUE(writeFileAtomically(dir / "notes.txt", "new"));
  EXPECT_EQ(dir.readBytes("notes.txt"), "new");
}

}  // namespace
}  // namespace velmora
