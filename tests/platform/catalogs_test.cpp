// The shipped catalogs (translations/*.ts compiled by the build): every text of the string
// table is translated in each language, keeps the English text's printf directives, and is
// not left in English unless it is one of the texts that stay as they are everywhere.
#include <gtest/gtest.h>

#include <QTranslator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/string_ids.h"
#include "core/string_table_data.h"

namespace velmora {
namespace {

// Texts that read the same in every language: folder names on disk, a program name, units and
// measure names (the voice report's perturbation measures keep their usual abbreviations), and
// the input names that are Portuguese in every language.
const std::set<int> kSameEverywhere = {
    str::ModelsFolder, str::OtherFilesFolder, str::DisplaySettingsProgram, str::MemoryMegabytes,
    str::VolumeCaption, str::MicCaption, str::LtasBox, str::F0Box, str::LineInLabel, str::MicrophoneLabel,
    str::LimitEntry, str::RowJitterRap, str::RowJitterPpq5, str::RowJitterDdp, str::RowShimmerApq3,
    str::RowShimmerApq5, str::RowShimmerApq11, str::RowShimmerDda,
};

// The conversions of a printf format in order, flags and widths left out (a date may be
// padded differently in another language, but a number must stay a number).
std::string directives(const std::string& format) {
  static const std::regex spec(R"(%[-+ #0]*[0-9]*(?:\.[0-9]+)?[hl]*([diouxXcsfgeE%]))");
  std::string out;
  for (auto it = std::sregex_iterator(format.begin(), format.end(), spec); it != std::sregex_iterator(); ++it) {
    char c = (*it)[1].str()[0];
    if (c == '%') continue;
    out += c == 'i' ? 'd' : c;
  }
  return out;
}

struct Catalog {
  int language;
  QTranslator translator;
  std::string translate(const StringEntry& e) const {
    return translator.translate("Velmora", e.text, std::to_string(e.id).c_str()).toStdString();
  }
};

class Catalogs : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    const std::string module = languageInfo(GetParam()).catalog;
    ASSERT_TRUE(catalog.translator.load(QString::fromStdString(module), QStringLiteral(VELMORA_CATALOG_DIR))) << module;
  }
  Catalog catalog;
};

TEST(CatalogDirectives, AreReadInOrderWithoutFlags) {
  EXPECT_EQ(directives(" File %d - Date: %02d/%02d/%04d"), "dddd");
  EXPECT_EQ(directives("%s kept %.1f s, 100%% %i"), "sfd");
  EXPECT_NE(directives("%d %s"), directives("%s %d"));
}

TEST_P(Catalogs, TranslateEveryTextWithTheSameDirectives) {
  int checked = 0;
  for (const StringEntry& e : englishStrings()) {
    const std::string t = catalog.translate(e);
    EXPECT_FALSE(t.empty()) << "id " << e.id << " has no translation";
    if (t.empty()) continue;
    EXPECT_EQ(directives(t), directives(e.text)) << "id " << e.id << ": " << t;
    if (!kSameEverywhere.count(e.id)) {
      EXPECT_NE(t, e.text) << "id " << e.id << " is left in English";
    }
    ++checked;
  }
  EXPECT_GT(checked, 200);
}

// The input names stay Portuguese and the folder and program names stay as the disk has them,
// whatever the language.
TEST_P(Catalogs, KeepNamesAndThePortugueseInputNames) {
  const std::set<int> kept = {str::LineInLabel, str::MicrophoneLabel, str::OtherFilesFolder, str::ModelsFolder,
                              str::DisplaySettingsProgram};
  int seen = 0;
  for (const StringEntry& e : englishStrings()) {
    if (!kept.count(e.id)) continue;
    EXPECT_EQ(catalog.translate(e), e.text) << "id " << e.id;
    ++seen;
  }
  EXPECT_EQ(seen, static_cast<int>(kept.size()));
}

// A printed title is cut where the word "File" first occurs; each language's titles must
// carry its own word for it.
TEST_P(Catalogs, TitlesCarryTheWordThePrintedTitleIsCutAt) {
  std::string word;
  std::vector<std::string> titles;
  for (const StringEntry& e : englishStrings()) {
    if (e.id == str::FileWord) word = catalog.translate(e);
    if (e.id == str::ClientFileTitle || e.id == str::PathFileTitle || e.id == str::TakeTitle)
      titles.push_back(catalog.translate(e));
  }
  ASSERT_FALSE(word.empty());
  ASSERT_EQ(titles.size(), 3u);
  for (const std::string& title : titles) EXPECT_NE(title.find(word), std::string::npos) << title;
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogs, ::testing::Values(Spanish, Korean, Portuguese));

}  // namespace
}  // namespace velmora
