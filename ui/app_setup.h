#ifndef RQ51_UI_APP_SETUP_H_
#define RQ51_UI_APP_SETUP_H_

#include <QString>

namespace rq51 {

// The family every window asks for, and the installed proportional Japanese
// Gothic face that stands in for it.
inline constexpr char16_t kWindowFontFamily[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kSubstituteFontFamily[] = u"IPAPGothic";
inline constexpr int kWindowFontPixelSize = 12;

// Maps the windows' font family to the installed Gothic face and makes it the
// application font at 12 pixels. Call after the QApplication exists and before
// the first widget is created.
void SetUpApplicationFont();

}  // namespace rq51

#endif  // RQ51_UI_APP_SETUP_H_
