#pragma once
// Loads the translation catalog of a language (a Qt .qm file named after the language's
// module, next to the program or in its share folder) into the string table. The catalog
// translates each English text in the context "Velmora", with the string id as its
// disambiguating comment (translations/*.ts); a missing catalog leaves English.
#include <QString>

namespace velmora {

// Applies `language` to the string table; returns false when its catalog was not found
// (English stays active then).
bool applyLanguageCatalog(int language, const QString& programFolder);

}  // namespace velmora
