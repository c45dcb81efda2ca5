// velmora-cli labels: the label file as CSV, and TextGrids that Praat (Debian's praat, an
// independent reader and writer) reads and writes.
#include <gtest/gtest.h>

#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr const char* kPraat = "/usr/bin/praat";
constexpr int kRate = 22050;
constexpr int kSamples = 55125;  // 2.5 s

// Prints every interval of the first tier in samples, the tier's name, and saves the grid
// again as Praat writes it.
constexpr const char* kPraatScript = R"(form Labels
  sentence Path x
  sentence Copy x
  positive Rate 22050
endform
Read from file: path$
n = Get number of intervals: 1
for i to n
  s = Get start time of interval: 1, i
  en = Get end time of interval: 1, i
  t$ = Get label of interval: 1, i
  appendInfoLine: round(s * rate), tab$, round(en * rate), tab$, t$
endfor
name$ = Get tier name: 1
appendInfoLine: name$
Save as text file: copy$
)";

class CliLabels : public ::testing::Test {
 protected:
  void SetUp() override { dir.writeBytes("wv001.wav", pcmWav(std::vector<int16_t>(kSamples, 0), kRate, 1)); }
  std::string wav() const { return (dir / "wv001.wav").string(); }
  TempFolder dir;
};

TEST_F(CliLabels, CsvTextGridThroughPraatAndBack) {
  const std::string mrk = "2;;0;;55125;;22050;;26460;;vowel, \"a\";;0;;40000;;33075;;44100;;vogal \xE3;;";
  dir.writeBytes("wv001.mrk", mrk);
  ProcessResult r = runProcess(VELMORA_CLI_PATH, {"labels", wav()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, "start,end,text\n1.000000,1.200000,\"vowel, \"\"a\"\"\"\n1.500000,2.000000,vogal \xC3\xA3\n");

  r = runProcess(VELMORA_CLI_PATH, {"labels", wav(), "--textgrid", (dir / "out.TextGrid").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(dir.readBytes("wv001.mrk"), mrk);  // exporting leaves the label file alone

  dir.writeBytes("read.praat", kPraatScript);
  r = runProcess(kPraat, {"--run", (dir / "read.praat").string(), (dir / "out.TextGrid").string(),
                          (dir / "praat.TextGrid").string(), std::to_string(kRate)});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out,
            "0\t22050\t\n22050\t26460\tvowel, \"a\"\n26460\t33075\t\n33075\t44100\tvogal \xC3\xA3\n44100\t55125\t\n"
            "labels\n");

  // What Praat wrote comes back as the same labels, made on the whole recording.
  r = runProcess(VELMORA_CLI_PATH, {"labels", wav(), "--from-textgrid", (dir / "praat.TextGrid").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(dir.readBytes("wv001.mrk"),
            "2;;0;;55125;;22050;;26460;;vowel, \"a\";;0;;55125;;33075;;44100;;vogal \xC3\xA3;;");
  EXPECT_EQ(r.out, "start,end,text\n1.000000,1.200000,\"vowel, \"\"a\"\"\"\n1.500000,2.000000,vogal \xC3\xA3\n");
}

TEST_F(CliLabels, ADamagedTextGridChangesNothing) {
  dir.writeBytes("wv001.mrk", "1;;0;;55125;;100;;200;;keep;;");
  dir.writeBytes("bad.TextGrid", "File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n0 2.5 <exists> 1\n"
                                 "\"IntervalTier\" \"x\" 0 2.5 3 0 1 \"a\"\n");
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"labels", wav(), "--from-textgrid", (dir / "bad.TextGrid").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
  EXPECT_EQ(dir.readBytes("wv001.mrk"), "1;;0;;55125;;100;;200;;keep;;");
}

}  // namespace
}  // namespace velmora
