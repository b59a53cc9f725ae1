#pragma once

#include <QFont>
#include <QString>

namespace rq51 {

// The family every window asks for, and the installed proportional Japanese
// Gothic face that stands in for it.
inline constexpr char16_t kWindowFontFamily[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kSubstituteFontFamily[] = u"IPAPGothic";
inline constexpr int kWindowFontPixelSize = 12;

// The windows' font at `pixel_size` pixels. The requested family does not
// exist on Linux; without the substitution to the installed Gothic face Qt
// falls back to a Latin face whose Japanese glyphs come from a fixed-pitch
// font, which breaks every hand-aligned caption. Needs a QGuiApplication.
inline QFont WindowFont(int pixel_size = kWindowFontPixelSize) {
  const QString family = QString::fromUtf16(kWindowFontFamily);
  QFont::insertSubstitution(family, QString::fromUtf16(kSubstituteFontFamily));
  QFont font(family);
  font.setPixelSize(pixel_size);
  // Glyphs are drawn from their outlines as they are. Hinted, FreeType's
  // automatic hinter first analyses the Japanese face, which takes longer
  // than drawing the main window; at these sizes the text looks the same.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// Maps the windows' font family to the installed Gothic face and makes it the
// application font at 12 pixels. Call after the QApplication exists and before
// the first widget is created.
void SetUpApplicationFont();

}  // namespace rq51
