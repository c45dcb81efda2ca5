#include "app/font_substitutes.h"

#include <QFont>
#include <QStringList>

namespace velmora {

namespace {
// Hangul is drawn from a CJK font: the Windows faces the view names carry none.
const QString kHangul = QStringLiteral("Noto Sans CJK KR");
const QString kHangulMono = QStringLiteral("Noto Sans Mono CJK KR");
}  // namespace

void installFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), kHangul});
  QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), kHangul});
  QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), kHangul});
  QFont::insertSubstitutions(QStringLiteral("Lucida Sans Unicode"), {QStringLiteral("DejaVu Sans"), kHangul});
  QFont::insertSubstitutions(QStringLiteral("Courier New"),
                             {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"), kHangulMono});
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"), kHangul});
}

}  // namespace velmora
