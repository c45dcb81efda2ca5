#include "clients/client_deletion.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "clients/client_folders.h"
#include "clients/client_register.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;
namespace fs = std::filesystem;

class Deletion : public ::testing::Test {
 protected:
  TempFolder work;
  ScriptedInteraction ui;
  ClientRegister reg{ui};

  void SetUp() override {
    reg.setFileName(work / "pacb.dbf");
    ASSERT_TRUE(reg.create());
    for (int code : {1, 2, 3}) {
      ClientRecord r;
      r.code = code;
      r.name = "Client " + std::to_string(code);
      ASSERT_EQ(reg.append(r), 1);
      ASSERT_TRUE(createClientFolder(ui, work.path(), code));
    }
  }
  void touch(const std::string& relative) { work.writeBytes(relative, "data"); }
  bool has(const std::string& relative) { return fs::exists(work / relative); }
  std::vector<std::string> listedCodes() {
    std::vector<std::string> codes;
    reg.query("");
    for (int i = 0; i < reg.count(); ++i) codes.push_back(reg.entry(i)->code);
    return codes;
  }
};

TEST_F(Deletion, ClientFilesFolderAndRecordGo) {
  for (const char* f : {"pac002/wv001.wav", "pac002/wv001.ddt", "pac002/wv001.txt", "pac002/wv001.mrk",
                        "pac002/QV002.WAV", "pac002/old.dat", "pac002/an001.rtf", "pac002/x.f0"})
    touch(f);
  const ClientDeletion d = deleteClient(ui, reg, work.path(), 2);
  EXPECT_TRUE(d.folderRemoved);
  EXPECT_TRUE(d.recordDeleted);
  EXPECT_FALSE(has("pac002"));
  EXPECT_TRUE(has("pac001"));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(listedCodes(), (std::vector<std::string>{"1", "3"}));
}

TEST_F(Deletion, PlaceholdersKeepTheFolderButTheRecordGoes) {
  touch("pac003/wv001.wav");
  touch("pac003/wv002.bkp");
  touch("pac003/wv003.bkp1");
  const ClientDeletion d = deleteClient(ui, reg, work.path(), 3);
  EXPECT_FALSE(d.folderRemoved);
  EXPECT_TRUE(d.recordDeleted);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57649});
  EXPECT_FALSE(has("pac003/wv001.wav"));
  EXPECT_TRUE(has("pac003/wv002.bkp"));
  EXPECT_TRUE(has("pac003/wv003.bkp1"));
  EXPECT_EQ(listedCodes(), (std::vector<std::string>{"1", "2"}));
  // The code is free again and the surviving folder greets the next client with it.
  ui.shown.clear();
  EXPECT_TRUE(createClientFolder(ui, work.path(), 3));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57723});
}

TEST_F(Deletion, NoRecordForTheCodeSaysSoAndDeletesNoRecord) {
  ASSERT_TRUE(createClientFolder(ui, work.path(), 7));
  touch("pac007/wv001.wav");
  const ClientDeletion d = deleteClient(ui, reg, work.path(), 7);
  EXPECT_TRUE(d.folderRemoved);
  EXPECT_FALSE(d.recordDeleted);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57712});
  EXPECT_EQ(listedCodes(), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(Deletion, OtherFilesHasNoRecordToDelete) {
  ASSERT_TRUE(ensureOtherFilesFolder(work.path()));
  touch("Other Files/wv001.wav");
  const ClientDeletion d = deleteClient(ui, reg, work.path(), kOtherFilesCode);
  EXPECT_TRUE(d.folderRemoved);
  EXPECT_FALSE(d.recordDeleted);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(listedCodes().size(), 3u);
}

TEST_F(Deletion, NoClientDeletesNothing) {
  touch("pac001/wv001.wav");
  const ClientDeletion d = deleteClient(ui, reg, work.path(), kNoClient);
  EXPECT_FALSE(d.folderRemoved);
  EXPECT_FALSE(d.recordDeleted);
  EXPECT_TRUE(has("pac001/wv001.wav"));
  EXPECT_EQ(listedCodes().size(), 3u);
}

TEST_F(Deletion, OnlyThePatternsFilesAreDeleted) {
  for (const char* f : {"pac001/a.WAV", "pac001/b.Txt", "pac001/c.wave", "pac001/d.txt.keep", "pac001/sub/e.wav"})
    touch(f);
  deleteClientFiles(work / "pac001");
  EXPECT_FALSE(has("pac001/a.WAV"));
  EXPECT_FALSE(has("pac001/b.Txt"));
  EXPECT_TRUE(has("pac001/c.wave"));
  EXPECT_TRUE(has("pac001/d.txt.keep"));
  EXPECT_TRUE(has("pac001/sub/e.wav"));
}

TEST_F(Deletion, QuestionsAreAskedAndNoMeansNo) {
  ui.yesNoAnswers = {true, false};
  EXPECT_TRUE(confirmClientDeletion(ui));
  EXPECT_FALSE(confirmRecordingDeletion(ui));
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57648, 57655}));
}

TEST_F(Deletion, RecordingFilesGoTogether) {
  for (const char* f : {"pac001/wv003.wav", "pac001/wv003.txt", "pac001/wv003.ddt", "pac001/wv003.mrk",
                        "pac001/wv004.wav", "pac001/wv003.bkp"})
    touch(f);
  EXPECT_TRUE(deleteRecordingFiles(ui, recordingPath(work.path(), 1, 3, RecordingPrefix::Wv), NotesFailure::Silent));
  for (const char* f : {"pac001/wv003.wav", "pac001/wv003.txt", "pac001/wv003.ddt", "pac001/wv003.mrk"})
    EXPECT_FALSE(has(f)) << f;
  EXPECT_TRUE(has("pac001/wv004.wav"));
  EXPECT_TRUE(has("pac001/wv003.bkp"));
  EXPECT_TRUE(ui.shown.empty());
  // The number is free again only because it was not the highest.
  EXPECT_EQ(nextRecordingNumber(ui, work.path(), 1), 5);
}

TEST_F(Deletion, RecordingFilesSpelledInUpperCaseGoToo) {
  for (const char* f : {"Other Files/WV009.WAV", "Other Files/WV009.TXT", "Other Files/wv009.Ddt"}) touch(f);
  EXPECT_TRUE(deleteRecordingFiles(ui, work / "Other Files" / "wv009.wav", NotesFailure::Silent));
  EXPECT_FALSE(has("Other Files/WV009.WAV"));
  EXPECT_FALSE(has("Other Files/WV009.TXT"));
  EXPECT_FALSE(has("Other Files/wv009.Ddt"));
}

TEST_F(Deletion, AMissingSoundFileIsNoError) {
  touch("pac001/wv005.txt");
  EXPECT_TRUE(deleteRecordingFiles(ui, recordingPath(work.path(), 1, 5, RecordingPrefix::Qv), NotesFailure::Reported));
  EXPECT_TRUE(has("pac001/wv005.txt"));  // another prefix's notes are not this recording's
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Deletion, EntriesThatCannotBeDeletedAreReported) {
  // A folder in the sound file's and the notes file's place, with something in it, stays.
  touch("pac001/wv007.wav/inside");
  touch("pac001/wv007.txt/inside");
  touch("pac001/wv007.ddt");
  EXPECT_FALSE(deleteRecordingFiles(ui, recordingPath(work.path(), 1, 7, RecordingPrefix::Wv), NotesFailure::Silent));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57656});
  EXPECT_FALSE(has("pac001/wv007.ddt"));  // the steps went on
  ui.shown.clear();
  deleteRecordingFiles(ui, recordingPath(work.path(), 1, 7, RecordingPrefix::Wv), NotesFailure::Reported);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57656, 57656}));
}

TEST_F(Deletion, FilesInAReadOnlyFolderAreReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "root deletes from read-only folders";
  touch("pac001/wv006.wav");
  touch("pac001/wv006.txt");
  ASSERT_EQ(::chmod((work / "pac001").c_str(), 0555), 0);
  EXPECT_FALSE(deleteRecordingFiles(ui, recordingPath(work.path(), 1, 6, RecordingPrefix::Wv), NotesFailure::Silent));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57656});
  ui.shown.clear();
  deleteRecordingFiles(ui, recordingPath(work.path(), 1, 6, RecordingPrefix::Wv), NotesFailure::Reported);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{57656, 57656}));
  ::chmod((work / "pac001").c_str(), 0755);
}

}  // namespace
}  // namespace velmora
