#include "ui/ui_fonts.h"

#include <QStringList>

namespace redox {
namespace {

QFont fontOf(const QStringList& families, QFont::StyleHint hint, qreal pointSize, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(hint);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont sansSerifFont(qreal pointSize, bool bold) {
  return fontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("DejaVu Sans")},
                QFont::SansSerif, pointSize, bold);
}

QFont monospaceFont(qreal pointSize, bool bold) {
  return fontOf({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                 QStringLiteral("DejaVu Sans Mono")},
                QFont::TypeWriter, pointSize, bold);
}

}  // namespace redox
