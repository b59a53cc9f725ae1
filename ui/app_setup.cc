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
  // Glyphs are drawn from their outlines as they are. Hinted, FreeType's
  // automatic hinter first analyses the Japanese face, which takes longer
  // than drawing the main window; at these sizes the text looks the same.
  font.setHintingPreference(QFont::PreferNoHinting);
  QApplication::setFont(font);
}

}  // namespace rq51
