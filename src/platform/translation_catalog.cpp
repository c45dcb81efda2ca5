#include "platform/translation_catalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <string>

#include "core/language.h"
#include "core/string_table.h"
#include "core/string_table_data.h"

namespace velmora {

namespace {
// Qt's own texts (the Yes and No of the message boxes, the file choosers) in the language.
void applyQtCatalog(int language) {
  static QTranslator* active = nullptr;
  if (active) {
    QCoreApplication::removeTranslator(active);
    delete active;
    active = nullptr;
  }
  const char* code = language == Spanish ? "es" : language == Korean ? "ko" : language == Portuguese ? "pt_BR" : nullptr;
  if (!code || !QCoreApplication::instance()) return;
  auto* translator = new QTranslator;
  if (translator->load(QStringLiteral("qtbase_") + QLatin1String(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
    active = translator;
  } else {
    delete translator;
  }
}
}  // namespace

bool applyLanguageCatalog(int language, const QString& programFolder) {
  applyQtCatalog(language);
  StringTable& table = StringTable::instance();
  table.clearTranslations();
  const LanguageInfo info = languageInfo(language);
  if (info.catalog.empty()) return true;

  QTranslator translator;
  const QString name = QString::fromStdString(info.catalog);
  const QStringList folders = {programFolder, programFolder + "/../share/velmora/translations", QDir::currentPath()};
  bool loaded = false;
  for (const QString& folder : folders) {
    if (translator.load(name, folder)) {
      loaded = true;
      break;
    }
  }
  if (!loaded) return false;

  std::map<int, std::string> translated;
  for (const StringEntry& e : englishStrings()) {
    // The id tells apart texts that read the same in English; a catalog without ids is
    // still found by the English text alone.
    const QString t = translator.translate("Velmora", e.text, std::to_string(e.id).c_str());
    if (!t.isEmpty()) translated.emplace(e.id, t.toStdString());
  }
  table.setTranslations(std::move(translated));
  return true;
}

}  // namespace velmora
