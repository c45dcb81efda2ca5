// The printed page as the CLI writes it, read back by poppler: the texts with pdftotext, the
// picture with pdftoppm (colours with --colour, only grays otherwise).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

const char* const kPdfToText = "/usr/bin/pdftotext";
const char* const kPdfToPpm = "/usr/bin/pdftoppm";

std::string pdfText(const std::filesystem::path& pdf) {
  const ProcessResult r = runProcess(kPdfToText, {"-layout", pdf.string(), "-"});
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  return r.out;
}

struct Colours {
  long coloured = 0;  // pixels whose channels differ by more than 40
  long nonGray = 0;   // pixels whose channels differ at all
  long pixels = 0;
};

// The page rendered at 40 dpi as a binary PPM, counted.
Colours pageColours(const std::filesystem::path& pdf, const std::filesystem::path& prefix) {
  const ProcessResult r = runProcess(kPdfToPpm, {"-r", "40", "-singlefile", pdf.string(), prefix.string()});
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  std::ifstream in(prefix.string() + ".ppm", std::ios::binary);
  std::string magic;
  int width = 0, height = 0, maxValue = 0;
  in >> magic >> width >> height >> maxValue;
  in.get();
  EXPECT_EQ(magic, "P6");
  Colours c;
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
    const int lo = std::min({rgb[i], rgb[i + 1], rgb[i + 2]}), hi = std::max({rgb[i], rgb[i + 1], rgb[i + 2]});
    if (hi - lo > 40) ++c.coloured;
    if (hi != lo) ++c.nonGray;
    ++c.pixels;
  }
  return c;
}

class CliReport : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(kPdfToText)) << "poppler-utils (scripts/install-deps.sh)";
    ASSERT_EQ(runProcess(VELMORA_CLI_PATH, {"make-demo", demo().string()}).exitStatus, 0);
    // The report head: "Test Clinic", registration "77".
    dir.writeBytes("demo/info_vl.dat", std::string("\x0bTest Clinic\x02" "77"));
  }
  std::filesystem::path demo() const { return dir / "demo"; }
  ProcessResult report(std::vector<std::string> extra) {
    std::vector<std::string> args = {"report", "--data", demo().string(), "--client", "1", "--file", "1",
                                     "--pdf", (dir / "out.pdf").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return runProcess(VELMORA_CLI_PATH, args);
  }
  TempFolder dir;
};

TEST_F(CliReport, PageCarriesHeaderTitlePersonalInformationAndWrappedNotes) {
  // A first line of 17 six-letter words: twelve of them with their blanks take 84 characters,
  // so the thirteenth (to character 90) starts a new line; then 24 short lines, of which the
  // page keeps as many as make 20 lines in all.
  std::string notes;
  for (int i = 0; i < 17; ++i) notes += (i ? " w" : "w") + std::string(i < 10 ? "ord0" : "ord1") + std::to_string(i % 10);
  notes += "\r\n";
  for (int i = 2; i <= 25; ++i) notes += "line" + std::to_string(i) + "\r\n";
  dir.writeBytes("demo/pac001/wv001.txt", notes);

  const ProcessResult r = report({});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(std::filesystem::status(dir / "out.pdf").permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const std::string text = pdfText(dir / "out.pdf");
  EXPECT_NE(text.find("Test Clinic"), std::string::npos) << text;
  EXPECT_NE(text.find("Reg.: 77"), std::string::npos) << text;
  EXPECT_NE(text.find("Client: Demo Client"), std::string::npos) << text;
  EXPECT_NE(text.find("File 1 - Date: "), std::string::npos) << text;
  EXPECT_NE(text.find("Personal Information"), std::string::npos);
  EXPECT_NE(text.find("Name:"), std::string::npos);
  EXPECT_NE(text.find("04\\12\\1985"), std::string::npos) << text;  // MM\DD\YYYY in English
  EXPECT_NE(text.find("City:"), std::string::npos);
  EXPECT_NE(text.find("Lisbon"), std::string::npos);
  EXPECT_EQ(text.find("Address:"), std::string::npos);  // an empty field prints nothing
  EXPECT_NE(text.find("Obs.:"), std::string::npos);
  // word00 .. word11 on the first line, word12 starts the second.
  std::istringstream lines(text);
  std::string line, firstNotes, nextNotes;
  while (std::getline(lines, line)) {
    if (line.find("word00") != std::string::npos) {
      firstNotes = line;
      std::getline(lines, nextNotes);
    }
  }
  EXPECT_NE(firstNotes.find("word11"), std::string::npos) << firstNotes;
  EXPECT_EQ(firstNotes.find("word12"), std::string::npos) << firstNotes;
  EXPECT_NE(nextNotes.find("word12"), std::string::npos) << nextNotes;
  EXPECT_NE(text.find("line19"), std::string::npos);  // the 20th printed line
  EXPECT_EQ(text.find("line20"), std::string::npos);

  ASSERT_EQ(report({"--no-personal", "--no-notes"}).exitStatus, 0);
  const std::string bare = pdfText(dir / "out.pdf");
  EXPECT_EQ(bare.find("Personal Information"), std::string::npos);
  EXPECT_EQ(bare.find("word00"), std::string::npos);
  EXPECT_NE(bare.find("Client: Demo Client"), std::string::npos);
}

TEST_F(CliReport, DatesFollowTheWorkingFoldersLanguage) {
  for (const auto& [language, birthDate] : {std::pair<char, const char*>{'\1', "12\\04\\1985"},
                                            {'\2', "1985\\12\\04"},
                                            {'\3', "12\\04\\1985"}}) {
    dir.writeBytes("demo/lang.dat", std::string(1, language) + std::string(3, '\0'));
    const ProcessResult r = report({});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    const std::string text = pdfText(dir / "out.pdf");
    EXPECT_NE(text.find(birthDate), std::string::npos) << int(language) << "\n" << text;
  }
}

TEST_F(CliReport, SpectrogramIsInColourOnlyWithColour) {
  ASSERT_EQ(report({"--colour"}).exitStatus, 0);
  const Colours colour = pageColours(dir / "out.pdf", dir / "colour");
  // The spectrogram pane (723 x 300 units) is well over 1% of the page.
  EXPECT_GT(colour.coloured, colour.pixels / 100);
  ASSERT_EQ(report({}).exitStatus, 0);
  const Colours gray = pageColours(dir / "out.pdf", dir / "gray");
  EXPECT_EQ(gray.nonGray, 0);
  EXPECT_GT(gray.pixels, 0);
}

TEST_F(CliReport, OtherFilesPageAndBadArguments) {
  dir.writeBytes("take.wav", pcmWav(std::vector<int16_t>(11025, 1000), 11025, 1));
  ProcessResult r = runProcess(VELMORA_CLI_PATH, {"report", (dir / "take.wav").string(), "--pdf", (dir / "t.pdf").string(),
                                                  "--landscape"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  const std::string text = pdfText(dir / "t.pdf");
  EXPECT_NE(text.find("take.wav"), std::string::npos) << text;
  EXPECT_EQ(text.find("Client:"), std::string::npos);
  EXPECT_EQ(text.find("Personal Information"), std::string::npos);
  EXPECT_EQ(report({"--client"}).exitStatus, 1);
  r = runProcess(VELMORA_CLI_PATH, {"report", "--data", demo().string(), "--client", "1", "--file", "9", "--pdf",
                                    (dir / "x.pdf").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
}

}  // namespace
}  // namespace velmora
