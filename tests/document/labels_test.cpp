// Labels in the document: slots, the shifts edits make, the label file and TextGrids.
#include <gtest/gtest.h>

#include <random>

#include "document/label_file.h"
#include "document/label_intervals.h"
#include "document/label_set.h"
#include "document/text_grid.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

TextLabel labelAt(int32_t start, int32_t end, const std::string& text) {
  TextLabel l;
  l.zoom = {0, 88200};
  l.samples = {start, end};
  l.text = text;
  return l;
}

TEST(LabelSet, FiftyShownLabelsRefuseAnotherAndADeletedSlotIsReused) {
  LabelSet set;
  for (int i = 0; i < 50; ++i) ASSERT_EQ(set.add(labelAt(i * 100, i * 100 + 50, "t" + std::to_string(i))), size_t(i));
  EXPECT_FALSE(set.canAdd());
  EXPECT_FALSE(set.add(labelAt(9000, 9100, "one too many")));
  EXPECT_EQ(set.visibleCount(), 50u);

  set.remove(17);
  EXPECT_EQ(set.visibleCount(), 49u);
  EXPECT_EQ(set.add(labelAt(9000, 9100, "new")), size_t(17));
  EXPECT_EQ(set.entries()[17].text, "new");
  EXPECT_EQ(set.entries().size(), 50u);
}

TEST(LabelSet, ALabelCutAwayComesBackWithUndoAndKeepsItsSlotMeanwhile) {
  LabelSet set;
  set.load({labelAt(1000, 1500, "before"), labelAt(5000, 5600, "inside"), labelAt(9000, 9400, "after"),
            labelAt(4000, 4100, "at the cut's start")});
  set.remove(0);  // a free slot, to show the cut-away one is not taken first
  set.add(labelAt(100, 200, "first"));
  set.remove(0);

  set.shiftForCut(4000, 8000);
  const auto& e = set.entries();
  EXPECT_TRUE(e[1].hidden);
  EXPECT_EQ(e[1].samples, (SampleRange{1000, 1600}));
  EXPECT_EQ(e[2].samples, (SampleRange{5000, 5400}));
  EXPECT_EQ(e[2].zoom, (SampleRange{-4000, 84200}));
  EXPECT_FALSE(e[2].hidden);
  EXPECT_EQ(e[3].samples, (SampleRange{4000, 4100}));
  EXPECT_EQ(set.visibleCount(), 2u);
  EXPECT_TRUE(set.modified());

  // A label made meanwhile takes the deleted slot, not the one the cut hid.
  EXPECT_EQ(set.add(labelAt(300, 400, "meanwhile")), size_t(0));

  set.undoShift(LastEdit::Cut, 4000);
  EXPECT_FALSE(e[1].hidden);
  EXPECT_EQ(e[1].samples, (SampleRange{5000, 5600}));
  EXPECT_EQ(e[2].samples, (SampleRange{9000, 9400}));
  EXPECT_EQ(e[2].zoom, (SampleRange{0, 88200}));
  EXPECT_EQ(e[3].samples, (SampleRange{4000, 4100}));

  set.shiftForPaste(4000, 300);
  EXPECT_EQ(e[3].samples, (SampleRange{4300, 4400}));
  EXPECT_EQ(e[0].samples, (SampleRange{300, 400}));
  set.undoShift(LastEdit::Paste, 300);
  EXPECT_EQ(e[3].samples, (SampleRange{4000, 4100}));

  // A new cut forgets what the last one did: its labels are gone for good.
  set.shiftForCut(4000, 6000);
  set.shiftForCut(0, 10);
  set.undoShift(LastEdit::Cut, 10);
  EXPECT_TRUE(e[1].hidden);
}

TEST(LabelFile, WritesTheShownLabelsByteForByteAndRemovesTheFileWhenNoneIsLeft) {
  testing::TempFolder folder;
  LabelSet set;
  set.add(labelAt(22050, 26460, "vowel a"));
  set.add(labelAt(30000, 31000, "deleted"));
  set.add(labelAt(40000, 42000, "ã;"));
  set.remove(1);
  const auto path = folder / "wv001.mrk";
  ASSERT_TRUE(storeLabelFile(path, set));
  EXPECT_EQ(folder.readBytes("wv001.mrk"), "2;;0;;88200;;22050;;26460;;vowel a;;0;;88200;;40000;;42000;;\xC3\xA3; ;;");

  const auto back = readLabelFile(path);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->labels.size(), 2u);
  EXPECT_EQ(back->labels[1].text, "ã; ");

  set.remove(0);
  set.remove(2);
  ASSERT_TRUE(storeLabelFile(path, set));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(readLabelFile(path));
}

// Damaged label files: each reads to what can be trusted and nothing else.
TEST(LabelFile, ReaderCorpus) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> texts;  // labels read, in order
    int skipped;
  };
  const std::string longText(300, 'x');
  std::vector<Case> cases = {
      {"the example", "1;;0;;88200;;22050;;26460;;vowel a;;", {"vowel a"}, 0},
      {"single ';' belong to the field", "2;;0;;88200;;22050;;26460;;a;b;;0;;1;;2;;3;;c;d;;", {"a;b", "c;d"}, 0},
      {"a single ';' inside a number", "2;;0;;88200;;22;050;;26460;;a;;0;;1;;2;;3;;b;;", {"b"}, 1},
      {"a field cut by the end of the file", "2;;0;;88200;;22050;;26460;;a;;0;;1;;2;;3;;b", {"a"}, 1},
      {"a number cut by the end of the file", "1;;0;;88200;;22050;;2646", {}, 1},
      {"a missing number is not taken from the label before",
       "2;;0;;88200;;22050;;26460;;a;;0;;;;2;;3;;b;;", {"a"}, 1},
      {"not a number", "2;;0;;88200;;22050;;26460x;;a;;0;;1;;2;;3;;b;;", {"b"}, 1},
      {"an empty text", "1;;0;;88200;;22050;;26460;;;;", {}, 1},
      {"a count larger than what follows", "5;;0;;1;;2;;3;;a;;", {"a"}, 0},
      {"a missing count", ";;0;;1;;2;;3;;a;;", {}, 0},
      {"a negative count", "-3;;0;;1;;2;;3;;a;;", {}, 0},
      {"a count beyond 32 bits", "99999999999;;0;;1;;2;;3;;a;;", {}, 0},
      {"an empty file", "", {}, 0},
      {"Windows-1252 text", "1;;0;;1;;2;;3;;vogal \xE3;;", {"vogal ã"}, 0},
      {"a zero byte ends the text", std::string("1;;0;;1;;2;;3;;ab\0cd;;", 22), {"ab"}, 0},
      {"a line end becomes a space", "1;;0;;1;;2;;3;;a\r\nb;;", {"a  b"}, 0},
      {"300 characters keep 150", "1;;0;;1;;2;;3;;" + longText + ";;", {longText.substr(0, 150)}, 0},
  };
  std::string sixty = "60;;";
  std::vector<std::string> fifty;
  for (int i = 0; i < 60; ++i) {
    sixty += "0;;1;;" + std::to_string(i) + ";;" + std::to_string(i + 1) + ";;n" + std::to_string(i) + ";;";
    if (i < 50) fifty.push_back("n" + std::to_string(i));
  }
  cases.push_back({"a count of 60 reads 50", sixty, fifty, 0});

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const LabelFileContent content = parseLabelFile(c.bytes);
    std::vector<std::string> texts;
    for (const TextLabel& l : content.labels) texts.push_back(l.text);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(content.skipped, c.skipped);
  }
  const LabelFileContent example = parseLabelFile(cases[0].bytes);
  EXPECT_EQ(example.labels[0].zoom, (SampleRange{0, 88200}));
  EXPECT_EQ(example.labels[0].samples, (SampleRange{22050, 26460}));

  // Random bytes, and random damage to a good file: never more than 50 labels, never a
  // text over 150 characters, never a crash (the sanitizer run watches).
  std::mt19937 random(15);
  for (int round = 0; round < 300; ++round) {
    std::string bytes = round % 2 ? sixty : std::string();
    const size_t extra = random() % 400;
    for (size_t k = 0; k < extra; ++k) {
      const char pick = "0123456789;-xa\xE3\xC3"[random() % 16];
      if (bytes.empty() || random() % 3 == 0)
        bytes += pick;
      else
        bytes[random() % bytes.size()] = pick;
    }
    const LabelFileContent content = parseLabelFile(bytes);
    ASSERT_LE(content.labels.size(), 50u);
    for (const TextLabel& l : content.labels) ASSERT_LE(utf8CharacterCount(l.text), 151u);
  }
}

TEST(LabelIntervals, MrkToTextGridToMrkKeepsStartEndAndText) {
  testing::TempFolder folder;
  const int rate = 22050;
  const int32_t count = 5 * rate + 17;
  folder.writeBytes("a.mrk", "3;;0;;88200;;22050;;26460;;vowel \"a\";;0;;110267;;1;;7;;x;;0;;40000;;30001;;50003;;vogal \xE3;;");
  const auto read = readLabelFile(folder / "a.mrk");
  ASSERT_TRUE(read);
  LabelSet set;
  set.load(read->labels);

  const LabelIntervals out = labelIntervals(set, rate, count);
  EXPECT_EQ(out.shortened, 0);
  const std::string grid = formatTextGrid(0, count / double(rate), "labels", out.intervals);
  const TextGridTier tier = parseFirstIntervalTier(grid);
  ASSERT_EQ(tier.error, TextGridError::None);
  EXPECT_EQ(tier.name, "labels");
  EXPECT_EQ(tier.xmax, count / double(rate));
  ASSERT_EQ(tier.intervals.size(), 7u);  // three labels and four gaps

  const LabelsFromIntervals back = labelsFromIntervals(tier.intervals, rate, count);
  ASSERT_EQ(back.labels.size(), 3u);
  LabelSet again;
  again.load(back.labels);
  ASSERT_TRUE(storeLabelFile(folder / "b.mrk", again));
  // Sorted by start; the range each was made in becomes the whole recording.
  EXPECT_EQ(folder.readBytes("b.mrk"),
            "3;;0;;110267;;1;;7;;x;;0;;110267;;22050;;26460;;vowel \"a\";;0;;110267;;30001;;50003;;vogal \xC3\xA3;;");
}

TEST(TextGrid, ReadsTheShortFormAndUtf16AndRefusesDamagedFiles) {
  const std::string shortForm =
      "File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n\n0\n2\n<exists>\n2\n"
      "\"TextTier\"\n\"points\"\n0\n2\n1\n0.5\n\"p\"\n"
      "\"IntervalTier\"\n\"words\"\n0\n2\n2\n0\n1.25\n\"say \"\"hi\"\"\"\n1.25\n2\n\"\"\n";
  TextGridTier t = parseFirstIntervalTier(shortForm);
  ASSERT_EQ(t.error, TextGridError::None);
  EXPECT_EQ(t.name, "words");
  ASSERT_EQ(t.intervals.size(), 2u);
  EXPECT_EQ(t.intervals[0].text, "say \"hi\"");
  EXPECT_EQ(t.intervals[0].xmax, 1.25);

  const std::string ascii = formatTextGrid(0, 1, "labels", {{0.25, 0.5, "ok"}});
  std::string utf16 = "\xFF\xFE";
  for (char c : ascii) utf16 += std::string{c, '\0'};
  t = parseFirstIntervalTier(utf16);
  ASSERT_EQ(t.error, TextGridError::None);
  ASSERT_EQ(t.intervals.size(), 3u);
  EXPECT_EQ(t.intervals[1].text, "ok");

  const struct {
    std::string bytes;
    TextGridError error;
  } damaged[] = {
      {"", TextGridError::NotATextGrid},
      {"File type = \"ooTextFile\"\nObject class = \"Sound\"\n", TextGridError::NotATextGrid},
      {shortForm.substr(0, shortForm.size() - 10), TextGridError::Damaged},
      {"File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n0 2 <exists> 4000000000 \"IntervalTier\" \"a\" 0 2 0",
       TextGridError::Damaged},
      {"File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n0 2 <exists> 1 \"IntervalTier\" \"a\" 0 2 99 0 1 \"x\"",
       TextGridError::Damaged},
      {"File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n0 2 <exists> 1 \"IntervalTier\" \"a\" 0 2 1 0 1 \"cut",
       TextGridError::Damaged},
      {"File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n0 2 <absent>", TextGridError::NoIntervalTier},
  };
  for (const auto& d : damaged) {
    SCOPED_TRACE(d.bytes);
    t = parseFirstIntervalTier(d.bytes);
    EXPECT_EQ(t.error, d.error);
    EXPECT_TRUE(t.intervals.empty());
  }
}

}  // namespace
}  // namespace velmora
