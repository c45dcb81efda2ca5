#include "document/save_changes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "audio/wav_reader.h"
#include "audio/wav_writer.h"
#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace velmora::testing;
constexpr int kThisFile = 0;
constexpr int kNewFile = 1;
constexpr int kClient = 7;

std::string bytesOf(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SaveChangesTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(clientFolder(folder.path(), kClient)); }

  // A client's recording as it was on disk, opened and then edited (every sample doubled).
  void openEdited(int number, uint32_t rate) {
    const fs::path path = recordingPath(folder.path(), kClient, number, prefixForRate(rate));
    const std::vector<int16_t> v = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(writeWavFile(path, WaveFormat::pcm(rate), v.data(), v.size() * 2));
    WavData read = readWav(path);
    ASSERT_EQ(read.code, WavOk);
    SoundBuffer b;
    b.samples = std::move(read.samples);
    b.format = read.format;
    b.recordingNumber = number;
    doc.open(std::move(b), kClient);
    doc.editSamples([](std::vector<int16_t>& s) {
      for (int16_t& x : s) x = static_cast<int16_t>(x * 2);
    });
  }
  SaveClient client() const { return {kClient, folder.path()}; }
  std::vector<int16_t> samplesIn(const fs::path& path) const {
    WavData read = readWav(path);
    EXPECT_EQ(read.code, WavOk) << path;
    return read.samples;
  }

  TempFolder folder;
  ScriptedInteraction ui;
  RecordingDocument doc;
};

TEST_F(SaveChangesTest, SaveThisFileAt44100WritesTheQvNameAndItsDateFile) {
  openEdited(4, 44100);
  const fs::path target = recordingPath(folder.path(), kClient, 4, RecordingPrefix::Qv);
  // The recording keeps its time when written over.
  const auto oldTime = fs::last_write_time(target) - std::chrono::hours(48);
  fs::last_write_time(target, oldTime);
  ui.choiceAnswers = {kThisFile};
  EXPECT_EQ(saveChanges(doc, ui, client()), SaveResult::Saved);
  ASSERT_EQ(ui.choices.size(), 1u);
  EXPECT_EQ(ui.choices[0].title, "Save Changes?");
  EXPECT_EQ(ui.choices[0].initial, kThisFile);
  EXPECT_EQ(samplesIn(target), (std::vector<int16_t>{2, 4, 6, 8, 10, 12}));
  EXPECT_EQ(fs::last_write_time(target), oldTime);
  EXPECT_TRUE(fs::exists(recordingPath(folder.path(), kClient, 4, RecordingPrefix::Qv, "ddt")));
  EXPECT_FALSE(doc.isChanged());
  // Nothing changed since: no question.
  EXPECT_EQ(saveChanges(doc, ui, client()), SaveResult::NotNeeded);
  EXPECT_EQ(ui.choices.size(), 1u);
}

TEST_F(SaveChangesTest, SaveThisFileAt22050WritesTheWvName) {
  openEdited(9, 22050);
  ui.choiceAnswers = {kThisFile};
  EXPECT_EQ(saveChanges(doc, ui, client()), SaveResult::Saved);
  EXPECT_EQ(samplesIn(recordingPath(folder.path(), kClient, 9, RecordingPrefix::Wv)).front(), 2);
  EXPECT_FALSE(fs::exists(recordingPath(folder.path(), kClient, 9, RecordingPrefix::Qv)));
}

TEST_F(SaveChangesTest, DontSaveWritesNothingAndStaysChanged) {
  openEdited(1, 11025);
  const fs::path target = recordingPath(folder.path(), kClient, 1, RecordingPrefix::Wv);
  const std::string before = bytesOf(target);
  EXPECT_EQ(saveChanges(doc, ui, client()), SaveResult::NotSaved);  // no answer: Escape
  EXPECT_EQ(bytesOf(target), before);
  EXPECT_TRUE(doc.isChanged());
}

TEST_F(SaveChangesTest, SaveAsNewFileTakesTheNextNumber) {
  openEdited(1, 11025);
  const std::string before = bytesOf(recordingPath(folder.path(), kClient, 1, RecordingPrefix::Wv));
  ui.choiceAnswers = {kNewFile};
  EXPECT_EQ(saveChanges(doc, ui, client()), SaveResult::SavedAsNew);
  const fs::path written = recordingPath(folder.path(), kClient, 2, RecordingPrefix::Wv);
  EXPECT_EQ(samplesIn(written).back(), 12);
  EXPECT_EQ(bytesOf(recordingPath(folder.path(), kClient, 1, RecordingPrefix::Wv)), before);
  EXPECT_EQ(doc.path(), written);
  EXPECT_EQ(doc.recordingNumber(), 2);
  EXPECT_FALSE(doc.isChanged());
}

TEST_F(SaveChangesTest, SaveAsNewFileWithAllNumbersTakenWritesNothing) {
  openEdited(1, 11025);
  for (int n = 2; n <= kMaxRecordingNumber; ++n)
    std::ofstream(recordingPath(folder.path(), kClient, n, RecordingPrefix::Wv)) << "x";
  const size_t files = static_cast<size_t>(std::distance(fs::directory_iterator(clientFolder(folder.path(), kClient)),
                                                         fs::directory_iterator()));
  ui.choiceAnswers = {kNewFile};
  EXPECT_EQ(saveChanges(doc, ui, client()), SaveResult::NotSaved);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::TooManyRecordings});
  EXPECT_EQ(static_cast<size_t>(std::distance(fs::directory_iterator(clientFolder(folder.path(), kClient)),
                                              fs::directory_iterator())),
            files);
  EXPECT_TRUE(doc.isChanged());
}

TEST_F(SaveChangesTest, AWavThatCannotBeWrittenIsReportedAndKeepsTheChange) {
  openEdited(3, 11025);
  fs::remove_all(clientFolder(folder.path(), kClient));  // the folder went away under the program
  ui.choiceAnswers = {kThisFile};
  EXPECT_EQ(saveChanges(doc, ui, client()), SaveResult::Failed);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::WavNotWritten});
  EXPECT_TRUE(doc.isChanged());
}

TEST_F(SaveChangesTest, AStereoFileOpenedAsMonoAsksFirstAndNoLeavesItUntouched) {
  const fs::path path = folder / "two.wav";
  const std::vector<int16_t> stereo = {1, -1, 2, -2};
  ASSERT_TRUE(writeWavFile(path, WaveFormat::pcm(11025, 16, 2), stereo.data(), stereo.size() * 2));
  const std::string before = bytesOf(path);
  SoundBuffer b;
  b.samples = {1, 2};
  b.format = WaveFormat::pcm(11025);
  b.path = path;
  b.wasStereo = true;
  doc.open(std::move(b), kOtherFilesCode);
  doc.editSamples([](std::vector<int16_t>& s) { s[0] = 9; });
  const SaveClient otherFiles{kOtherFilesCode, folder.path()};

  ui.choiceAnswers = {kThisFile};
  ui.yesNoAnswers = {false};
  EXPECT_EQ(saveChanges(doc, ui, otherFiles), SaveResult::NotSaved);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{msg::AskSaveStereoAsMono});
  EXPECT_EQ(bytesOf(path), before);
  EXPECT_TRUE(doc.isChanged());

  ui.choiceAnswers = {kThisFile};
  ui.yesNoAnswers = {true};
  EXPECT_EQ(saveChanges(doc, ui, otherFiles), SaveResult::Saved);
  EXPECT_EQ(samplesIn(path), (std::vector<int16_t>{9, 2}));
}

TEST_F(SaveChangesTest, SaveAsNewInOtherFilesWritesTheChosenPath) {
  SoundBuffer b;
  b.samples = {5, 6, 7};
  b.format = WaveFormat::pcm(11025);
  b.path = folder / "loose.wav";
  doc.open(std::move(b), kOtherFilesCode);
  doc.editSamples([](std::vector<int16_t>& s) { s.pop_back(); });
  const fs::path chosen = folder / "shorter.wav";
  ui.choiceAnswers = {kNewFile};
  ui.fileAnswers = {chosen};
  EXPECT_EQ(saveChanges(doc, ui, SaveClient{kOtherFilesCode, folder.path()}), SaveResult::SavedAsNew);
  ASSERT_EQ(ui.fileRequests.size(), 1u);
  EXPECT_EQ(ui.fileRequests[0].defaultExtension, "wav");
  EXPECT_EQ(samplesIn(chosen), (std::vector<int16_t>{5, 6}));
  EXPECT_EQ(doc.path(), chosen);
  EXPECT_FALSE(fs::exists(folder / "loose.wav"));
}

}  // namespace
}  // namespace velmora
