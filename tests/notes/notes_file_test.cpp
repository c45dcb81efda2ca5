#include "notes/notes_file.h"

#include <gtest/gtest.h>

#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;

TEST(NotesFile, PathReplacesTheLastThreeCharacters) {
  EXPECT_EQ(notesPathFor("pac003/wv012.wav"), std::filesystem::path("pac003/wv012.txt"));
}

TEST(NotesFile, OpeningWithoutNotesLeavesAnEmptyFileAndSavingKeepsItEmpty) {
  TempFolder dir;
  ScriptedInteraction ui;
  auto text = loadNotes(dir / "wv001.txt");
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, "");
  EXPECT_TRUE(std::filesystem::exists(dir / "wv001.txt"));
  ASSERT_TRUE(saveNotes(dir / "wv001.txt", *text, ui));
  EXPECT_EQ(dir.readBytes("wv001.txt"), "");
}

TEST(NotesFile, LinesKeepTheirEndsAndRoundTripUnchanged) {
  TempFolder dir;
  ScriptedInteraction ui;
  const std::string text = "Sustained /a/\n\nJitter high\n";
  ASSERT_TRUE(saveNotes(dir / "n.txt", text, ui));
  EXPECT_EQ(dir.readBytes("n.txt"), "Sustained /a/\n\nJitter high\n\n");
  auto back = loadNotes(dir / "n.txt");
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, text);
  // Saving again writes the very same bytes.
  ASSERT_TRUE(saveNotes(dir / "n.txt", *back, ui));
  EXPECT_EQ(dir.readBytes("n.txt"), "Sustained /a/\n\nJitter high\n\n");
}

TEST(NotesFile, LongLinesAreCutToTheLineLimitInCharacters) {
  const std::string line(1500, 'x');
  EXPECT_EQ(notesFileBytes(line), std::string(1024, 'x') + "\n");
  std::string accented;
  for (int i = 0; i < 1100; ++i) accented += "\xC3\xA3";
  EXPECT_EQ(notesFileBytes(accented).size(), 2048u + 1u);
}

TEST(NotesFile, OlderFilesWithCarriageReturnsAndWindows1252) {
  TempFolder dir;
  dir.writeBytes("old.txt", "Voz rouca\r\nsess\xE3o 2");
  auto text = loadNotes(dir / "old.txt");
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, "Voz rouca\nsess\xC3\xA3o 2");
}

TEST(NotesFile, LargeFileIsShownWhole) {
  TempFolder dir;
  dir.writeBytes("big.txt", std::string(3000, 'a'));
  EXPECT_EQ(loadNotes(dir / "big.txt")->size(), 3000u);
}

TEST(NotesFile, FailedSaveShows174AndKeepsThePreviousFile) {
  TempFolder dir;
  ScriptedInteraction ui;
  EXPECT_FALSE(saveNotes(dir / "missing-folder" / "n.txt", "text", ui));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{174});
}

}  // namespace
}  // namespace velmora
