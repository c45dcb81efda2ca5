// Start-up pieces: the command line, the splash and its input filter, the fonts, the About texts.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QGlyphRun>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>

#include "app/about_dialog.h"
#include "app/font_substitutes.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "core/language.h"
#include "core/string_table.h"
#include "core/string_table_data.h"
#include "platform/translation_catalog.h"
#include "view/view_renderer.h"

namespace velmora {
namespace {

TEST(StartOptions, DataFolderFileAndSplash) {
  StartOptions o = parseStartOptions({"--data", "/tmp/x", "voice.wav"});
  EXPECT_EQ(o.dataFolder, "/tmp/x");
  EXPECT_EQ(o.file, "voice.wav");
  EXPECT_TRUE(o.splash);
  EXPECT_TRUE(o.error.empty());
  EXPECT_FALSE(parseStartOptions({"-Embedding"}).splash);
  EXPECT_FALSE(parseStartOptions({"--data"}).error.empty());
  EXPECT_FALSE(parseStartOptions({"a.wav", "b.wav"}).error.empty());
  EXPECT_FALSE(parseStartOptions({"--colour"}).error.empty());
  EXPECT_TRUE(parseStartOptions({}).file.empty());
}

TEST(Splash, AKeyPressClosesItAndIsSwallowed) {
  QLineEdit edit;
  edit.show();
  auto* splash = new SplashWindow(0);
  QSignalSpy closed(splash, &SplashWindow::closed);
  splash->start();
  QTest::keyClick(&edit, Qt::Key_A);
  EXPECT_EQ(closed.count(), 1);
  EXPECT_TRUE(edit.text().isEmpty());  // the key only closed the splash
  QTest::keyClick(&edit, Qt::Key_B);
  EXPECT_EQ(edit.text(), "b");          // afterwards keys work again
}

TEST(Splash, ClosesByItselfAfterTwoSeconds) {
  auto* splash = new SplashWindow(1);
  QSignalSpy closed(splash, &SplashWindow::closed);
  splash->start();
  EXPECT_FALSE(closed.wait(kSplashMilliseconds - 500));
  EXPECT_TRUE(closed.wait(2000));
}

TEST(Fonts, WindowsFontNamesDrawWithInstalledFonts) {
  installFontSubstitutes();
  // The fonts the view names resolve to real, metric-compatible families on this system.
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Times New Roman"))).family(), "Liberation Serif");
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Verdana"))).family(), "DejaVu Sans");
}

// Every Korean text of the catalog is drawn with real glyphs, no missing-glyph boxes, in each
// font the program draws with under the Korean rules (the view's faces, the labels' face, the
// widgets' own font), through the substitutes and Qt's font fallback.
TEST(Fonts, KoreanTextsHaveGlyphsInEveryFontDrawnUnderTheKoreanRules) {
  installFontSubstitutes();
  ASSERT_TRUE(applyLanguageCatalog(Korean, QStringLiteral(VELMORA_CATALOG_DIR)));
  const QFont fonts[] = {viewFont("Verdana", 25, true), viewFont("Verdana", 13, true), viewFont("Arial", 14, true),
                         labelFont(14, Korean), QApplication::font()};
  const QRegularExpression hangul(QStringLiteral("[\\x{AC00}-\\x{D7A3}]"));
  int korean = 0;
  for (const StringEntry& e : englishStrings()) {
    QString text = QString::fromStdString(velmora::tr(e.id));
    text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (!text.contains(hangul)) continue;
    ++korean;
    for (const QFont& font : fonts) {
      QTextLayout layout(text, font);
      layout.beginLayout();
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) line.setLineWidth(100000);
      layout.endLayout();
      int glyphs = 0;
      int missing = 0;  // glyph 0 is the font's missing-glyph box
      for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        glyphs += static_cast<int>(indexes.size());
        missing += static_cast<int>(std::count(indexes.begin(), indexes.end(), 0u));
      }
      EXPECT_GE(glyphs, 1) << e.id;
      EXPECT_EQ(missing, 0) << e.id << " in " << font.family().toStdString() << ": " << text.toStdString();
    }
  }
  applyLanguageCatalog(English, QStringLiteral(VELMORA_CATALOG_DIR));
  EXPECT_GT(korean, 250);  // the catalog's texts, not a handful
}

TEST(About, MemoryInMegabytesRoundedUp) {
  EXPECT_EQ(memoryText(1ull << 30), "1024.0 MB");
  EXPECT_EQ(memoryText((1ull << 30) + 1), "1025.0 MB");
  EXPECT_GT(physicalMemoryBytes(), 0u);
  EXPECT_FALSE(systemName().empty());
}

}  // namespace
}  // namespace velmora
