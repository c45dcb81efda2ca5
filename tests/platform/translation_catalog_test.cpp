#include "platform/translation_catalog.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/message_ids.h"
#include "core/string_table.h"
#include "fakes/run_process.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;

TEST(TranslationCatalog, MissingCatalogLeavesEnglish) {
  TempFolder dir;
  EXPECT_FALSE(applyLanguageCatalog(1, QString::fromStdString(dir.path().string())));
  EXPECT_EQ(tr(57651), "Client not found!");
  EXPECT_TRUE(applyLanguageCatalog(0, QString::fromStdString(dir.path().string())));
  EXPECT_EQ(tr(57651), "Client not found!");
}

TEST(TranslationCatalog, CatalogOfTheLanguageReplacesItsTexts) {
  TempFolder dir;
  {
    std::ofstream ts(dir / "langspavl.ts");
    ts << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"es\">\n"
          "<context><name>Velmora</name>\n"
          "<message><source>Client not found!</source><translation>\xC2\xA1" "Cliente no encontrado!</translation></message>\n"
          "</context></TS>\n";
  }
  ProcessResult r = runProcess(VELMORA_LRELEASE, {(dir / "langspavl.ts").string(), "-qm", (dir / "langspavl.qm").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  ASSERT_TRUE(applyLanguageCatalog(1, QString::fromStdString(dir.path().string())));
  EXPECT_EQ(tr(57651), "\xC2\xA1" "Cliente no encontrado!");
  EXPECT_EQ(tr(57650), StringTable::englishText(57650));
  // Switching back to English drops the catalog.
  applyLanguageCatalog(0, QString::fromStdString(dir.path().string()));
  EXPECT_EQ(tr(57651), "Client not found!");
}

// Installed, the programs are in bin and the catalogs in share/velmora/translations.
TEST(TranslationCatalog, InstalledCatalogBesideTheBinFolderIsFound) {
  TempFolder prefix;
  std::filesystem::create_directories(prefix / "bin");
  std::filesystem::create_directories(prefix / "share/velmora/translations");
  {
    std::ofstream ts(prefix / "langspavl.ts");
    ts << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"es\">\n"
          "<context><name>Velmora</name>\n"
          "<message><source>Client not found!</source><translation>Cliente no encontrado</translation></message>\n"
          "</context></TS>\n";
  }
  ProcessResult r = runProcess(VELMORA_LRELEASE, {(prefix / "langspavl.ts").string(), "-qm",
                                                  (prefix / "share/velmora/translations/langspavl.qm").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  ASSERT_TRUE(applyLanguageCatalog(1, QString::fromStdString((prefix / "bin").string())));
  EXPECT_EQ(tr(msg::ClientNotFound), "Cliente no encontrado");
  applyLanguageCatalog(0, QString::fromStdString((prefix / "bin").string()));
}

}  // namespace
}  // namespace velmora
