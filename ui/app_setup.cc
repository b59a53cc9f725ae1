#include "ui/app_setup.h"

#include <QApplication>
#include <QFont>

namespace rq51 {

void SetUpApplicationFont() {
  const QString family = QString::fromUtf16(kWindowFontFamily);
  // The requested family does not exist on Linux; without the substitution
  // Qt falls back to a Latin face whose Japanese glyphs come from a
  // fixed-pitch font, which breaks every hand-aligned caption.
  QFont::insertSubstitution(family, QString::fromUtf16(kSubstituteFontFamily));
  QFont font(family);
  font.setPixelSize(kWindowFontPixelSize);
  QApplication::setFont(font);
}

}  // namespace rq51
