// The header band and the information block in every language, screen layout, mode and kind
// of recording, with the fonts the program draws them in: no two texts overlap and none
// leaves its band; English keeps the places the large layout was drawn with.
#include <gtest/gtest.h>

#include "app/font_substitutes.h"
#include "core/language.h"
#include "platform/translation_catalog.h"
#include "view/header_layout.h"

namespace velmora {
namespace {

SoundBuffer recording(int number, uint16_t channels, const char* name) {
  SoundBuffer b;
  b.format = WaveFormat::pcm(22050, 16, channels);
  b.samples.assign(57330, 0);  // 2.6 s: "00:00:02,600"
  b.path = name;
  b.recordingNumber = number;
  b.showAll();
  return b;
}

QString describe(int language, const ViewGeometry& g, const ViewScene& s, const SoundBuffer* b) {
  return QStringLiteral("language %1, %2x%3, mode %4, %5, comparison %6, printing %7")
      .arg(language).arg(g.screenWidth).arg(g.screenHeight).arg(s.mode)
      .arg(b ? QString::fromStdString(b->path.string()) : QStringLiteral("no recording"))
      .arg(s.comparison).arg(s.printing);
}

// Every drawn text inside the band, and no two of them touching.
void expectApartInsideTheBand(const HeaderLayout& l, const std::string& where) {
  const HeaderText* texts[] = {&l.title, &l.time, &l.upper, &l.lower};
  for (size_t i = 0; i < 4; ++i) {
    if (texts[i]->text.isEmpty()) continue;
    const std::string text = texts[i]->text.toStdString();
    EXPECT_GE(texts[i]->bounds.left(), l.band.left()) << text << ", " << where;
    EXPECT_LE(texts[i]->bounds.right(), l.band.right()) << text << ", " << where;
    for (size_t j = i + 1; j < 4; ++j) {
      if (texts[j]->text.isEmpty()) continue;
      EXPECT_FALSE(texts[i]->bounds.intersects(texts[j]->bounds))
          << text << " / " << texts[j]->text.toStdString() << ", " << where;
    }
  }
}

class HeaderLayoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { installFontSubstitutes(); }
  void TearDown() override { applyLanguageCatalog(English, QStringLiteral(VELMORA_CATALOG_DIR)); }
};

TEST_F(HeaderLayoutTest, NoTextsOverlapInAnyLanguageAndEnglishKeepsItsPlaces) {
  const SoundBuffer numbered = recording(3, 1, "wv003.wav");
  const SoundBuffer byPath = recording(kNoRecordingNumber, 2, "entrevista_final.wav");
  const SoundBuffer model = recording(kModelRecordingNumber, 1, "model.wav");
  const std::pair<int, int> screens[] = {{1024, 768}, {800, 600}, {1280, 1024}};
  int checked = 0;
  for (const int language : {English, Spanish, Korean, Portuguese}) {
    ASSERT_TRUE(applyLanguageCatalog(language, QStringLiteral(VELMORA_CATALOG_DIR))) << language;
    for (const auto& [w, h] : screens) {
      ViewScene s;
      s.language = language;
      s.geometry = ViewGeometry::forScreen(w, h);
      const ViewGeometry& g = s.geometry;
      for (const int mode : {ModeSpectrogram, ModePowerSpectrum, ModeLiveSpectrogram})
        for (const SoundBuffer* b : {&numbered, &byPath, &model, static_cast<const SoundBuffer*>(nullptr)})
          for (const bool comparison : {false, true})
            for (const bool printing : {false, true}) {
              s.mode = mode;
              s.buffer = b;
              s.comparison = comparison;
              s.printing = printing;
              const HeaderLayout l = headerLayout(s);
              const QString where = describe(language, g, s, b);
              expectApartInsideTheBand(l, where.toStdString());
              EXPECT_FALSE(l.time.text.isEmpty());
              EXPECT_EQ(l.title.text.isEmpty(), comparison);
              // The small layout's English power-spectrum title and long file names did not
              // fit either: only the large layout keeps every English place.
              if (language == English && !comparison && g.largeLayout) {
                EXPECT_EQ(l.time.at.x(), g.graphLeft + g.graphWidth - 520) << where.toStdString();
                EXPECT_EQ(l.bandFont.pixelSize(), 25) << where.toStdString();
              }
              ++checked;
            }
    }
  }
  EXPECT_EQ(checked, 4 * 3 * 3 * 4 * 2 * 2);
}

// The Spanish caption is longer than the English one: measured, it ends before the file name.
TEST_F(HeaderLayoutTest, ALongerDurationCaptionMovesLeftOfTheFileName) {
  const SoundBuffer byPath = recording(kNoRecordingNumber, 1, "wv001.wav");
  ViewScene s;
  s.geometry = ViewGeometry::forScreen(1280, 1024);
  s.mode = ModeSpectrogram;
  s.buffer = &byPath;
  const HeaderLayout english = headerLayout(s);
  ASSERT_TRUE(applyLanguageCatalog(Spanish, QStringLiteral(VELMORA_CATALOG_DIR)));
  s.language = Spanish;
  const HeaderLayout spanish = headerLayout(s);
  EXPECT_TRUE(spanish.time.text.startsWith(QStringLiteral("Tiempo: ")));
  EXPECT_GT(spanish.time.bounds.width(), english.time.bounds.width());
  EXPECT_LT(spanish.time.bounds.right(), spanish.upper.bounds.left());
  EXPECT_LT(spanish.time.at.x(), english.time.at.x());
}

}  // namespace
}  // namespace velmora
