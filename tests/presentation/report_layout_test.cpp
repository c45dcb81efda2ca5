// The printed page's arithmetic: the dialog's starting options, the mappings, where the
// graph starts, the title line and the two blocks, and the exported bitmap's layout.
#include <gtest/gtest.h>

#include "core/language.h"
#include "presentation/bmp_image.h"
#include "presentation/report_blocks.h"
#include "presentation/report_layout.h"

namespace velmora {
namespace {

TEST(ReportLayout, NotesStartOffWithoutANotesFile) {
  EXPECT_FALSE(defaultPrintOptions(false).notes);
  EXPECT_TRUE(defaultPrintOptions(true).notes);
  EXPECT_TRUE(defaultPrintOptions(false).grayScale);
  EXPECT_TRUE(defaultPrintOptions(false).personalInformation);
}

TEST(ReportLayout, LandscapeUsesItsOwnExtentAndOrigin) {
  const PageMapping l = graphMapping(true, 600, 300);
  EXPECT_EQ(l.windowWidth, 110);
  EXPECT_EQ(l.windowHeight, 100);
  EXPECT_EQ(l.originX, -25);  // the blocks and panes 25 units right, as the texts
  EXPECT_EQ(l.originY, -90);
  EXPECT_DOUBLE_EQ(l.viewportWidth, 800.0);  // 600 / 300 x 400
  EXPECT_DOUBLE_EQ(l.viewportHeight, 250.0);
  const PageMapping p = graphMapping(false, 600, 300);
  EXPECT_EQ(p.windowWidth, 100);
  EXPECT_EQ(p.windowHeight, 120);
  EXPECT_EQ(p.originX, 0);
  EXPECT_EQ(p.originY, -90);
  EXPECT_DOUBLE_EQ(p.viewportWidth, 604.0);
  EXPECT_EQ(textMapping(300, 300).originY, -80);
  EXPECT_EQ(footOriginY(false), -1230);
  EXPECT_EQ(footOriginY(true), -930);
}

TEST(ReportLayout, GraphStartFollowsTheBlocks) {
  const PrintOptions both{true, true, true};
  const PrintOptions notesOff{true, true, false};
  const PrintOptions bothOff{true, false, false};
  // With both blocks off the graph starts 100 units above where it starts with no block
  // taking room; with notes off alone it starts 50 units above the personal block's end.
  EXPECT_DOUBLE_EQ(graphDrop(bothOff, 204, 3, true), -100.0);
  EXPECT_DOUBLE_EQ(graphDrop(notesOff, 204, 3, true), 154.0);
  EXPECT_DOUBLE_EQ(graphDrop(notesOff, 204, 3, true) - graphDrop(bothOff, 204, 3, true), 254.0);
  // Three reported lines at 17.5 units, 30 back with the F0 pane, 20 up without.
  EXPECT_DOUBLE_EQ(graphDrop(both, 204, 3, true), 204 + 52.5 + 30);
  EXPECT_DOUBLE_EQ(graphDrop(both, 204, 3, false), 204 + 52.5 - 20);
  // Notes on but empty: 50 further up.
  EXPECT_DOUBLE_EQ(graphDrop(both, 100, 0, false), 100 - 20 - 50);
}

TEST(ReportLayout, TitleLineIsCutAtFileAndDatedInTheLanguagesOrder) {
  const CalendarDate d = dateOfSeconds(1765152000);  // 2025-12-08 00:00 UTC
  EXPECT_EQ(reportTitleLine("Ana  File - 3", true, 3, d, English), "Client: Ana   File 3 - Date: 12/08/2025");
  EXPECT_EQ(reportTitleLine("Ana  File - 3", true, 3, d, Spanish), "Client: Ana   File 3 - Date: 08/12/2025");
  EXPECT_EQ(reportTitleLine("Ana  File - 3", true, 3, d, Korean), "Client: Ana   File 3 - Date: 2025/12/0008");
  EXPECT_EQ(reportTitleLine("take.wav", false, -1, std::nullopt, English), "take.wav");
  EXPECT_EQ(reportHeaderText(ReportInfo{"Clinic", "42"}), "Clinic  Reg.: 42");
  EXPECT_EQ(reportHeaderText(ReportInfo{"Clinic", ""}), "Clinic");
  EXPECT_EQ(reportHeaderText(std::nullopt), "");
}

const PlacedText* findText(const PersonalInfoBlock& b, const std::string& text) {
  for (const PlacedText& t : b.texts)
    if (t.text == text) return &t;
  return nullptr;
}

TEST(ReportLayout, PersonalInformationRowsAndBirthDateByLanguage) {
  ClientRecord c;
  c.name = "Ana";
  c.birthDate = "03141990";  // March 14, 1990
  c.city = "Porto";
  c.state = "PT";
  c.homePhone = "555";
  c.observations = "hoarse";
  PersonalInfoBlock b = layoutPersonalInfo(c, English, 40, 723);
  ASSERT_NE(findText(b, "03\\14\\1990"), nullptr);
  EXPECT_EQ(findText(b, "03\\14\\1990")->x, 40 + 585);
  EXPECT_EQ(findText(b, "Address:"), nullptr);
  EXPECT_EQ(findText(b, "City:")->y, 114);  // no address: the city is the second row
  EXPECT_EQ(findText(b, "Porto")->y, 115);
  EXPECT_EQ(findText(b, "PT")->x, 40 + 465);
  EXPECT_EQ(findText(b, "Home Phone:")->y, 144);
  EXPECT_EQ(findText(b, "Work Phone:"), nullptr);
  EXPECT_EQ(findText(b, "Obs.:")->y, 174);
  EXPECT_EQ(b.height, 144 + 30 * 3);
  EXPECT_EQ(b.frame[2].y0, 124 + 30 * 3);
  b = layoutPersonalInfo(c, Korean, 40, 723);
  EXPECT_EQ(findText(b, "1990\\14\\03")->x, 40 + 585);
  b = layoutPersonalInfo(c, Portuguese, 40, 723);
  EXPECT_EQ(findText(b, "14\\03\\1990")->x, 40 + 605);
  EXPECT_EQ(findText(b, "PT")->x, 40 + 475);
  c.address = "Rua 1";
  EXPECT_EQ(findText(layoutPersonalInfo(c, English, 40, 723), "City:")->y, 144);
  EXPECT_EQ(layoutPersonalInfo(ClientRecord{}, English, 40, 723).height, 174);
}

TEST(ReportLayout, NotesWrapBefore89CharactersAndStopAt20Lines) {
  EXPECT_TRUE(wrapNotes("").empty());
  const std::string word88(88, 'a');
  // 88 + blank = 89 characters; the next word of 1 would make 90: a new line.
  auto lines = wrapNotes(word88 + " b");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 89u);
  EXPECT_EQ(lines[1], U"b");
  lines = wrapNotes(std::string(87, 'a') + " b");  // exactly 89: one line
  EXPECT_EQ(lines.size(), 1u);
  lines = wrapNotes("one\r\ntwo\r\n");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], U"one");
  EXPECT_EQ(lines[1], U"two");
  std::string many;
  for (int i = 0; i < 30; ++i) many += "line " + std::to_string(i) + "\n";
  lines = wrapNotes(many);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[19], U"line 19");
  lines = wrapNotes(std::string(200, 'x'));  // a word longer than a line is broken
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), 89u);
  EXPECT_EQ(wrapNotes("caf\xC3\xA9")[0], U"caf\u00E9");
}

TEST(BitmapExport, HeightAndFileLayout) {
  EXPECT_EQ(exportBitmapHeight(599), 569);
  EXPECT_EQ(exportBitmapHeight(600), 470);
  // 2 x 2 pixels: top row red, blue; bottom row green, white. Rows of 6 bytes padded to 8.
  const std::vector<uint8_t> rgb = {255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 255};
  const std::string bmp = encodeBmp24(2, 2, rgb);
  ASSERT_EQ(bmp.size(), 54u + 16u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(bmp.substr(2, 4), std::string("\x46\0\0\0", 4));  // 70 bytes
  EXPECT_EQ(bmp[10], 54);
  EXPECT_EQ(bmp[14], 40);
  EXPECT_EQ(bmp[28], 24);
  // The bottom row first, blue-green-red.
  EXPECT_EQ(bmp.substr(54, 8), std::string("\0\xFF\0\xFF\xFF\xFF\0\0", 8));
  EXPECT_EQ(bmp.substr(62, 8), std::string("\0\0\xFF\xFF\0\0\0\0", 8));
}

}  // namespace
}  // namespace velmora
