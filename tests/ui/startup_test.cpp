// Start-up pieces: the command line, the splash and its input filter, the About texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/about_dialog.h"
#include "app/font_substitutes.h"
#include "app/splash_window.h"
#include "app/startup.h"

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

TEST(About, MemoryInMegabytesRoundedUp) {
  EXPECT_EQ(memoryText(1ull << 30), "1024.0 MB");
  EXPECT_EQ(memoryText((1ull << 30) + 1), "1025.0 MB");
  EXPECT_GT(physicalMemoryBytes(), 0u);
  EXPECT_FALSE(systemName().empty());
}

}  // namespace
}  // namespace velmora
