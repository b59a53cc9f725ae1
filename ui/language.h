// The language of the windows and of rq51-cli's texts: the program's own
// translations, compiled into it (one file per language), and Qt's own for
// its dialogs and buttons.
#pragma once

#include <QString>
#include <QStringList>

#include "cube/translation.h"

class QSettings;

namespace rq51 {

// The codes of the languages the program speaks: Japanese first, then one
// per translation compiled into it.
QStringList AvailableLanguages();

// Speaks the language `code` from now on: its translation and Qt's own are
// installed into the application (Japanese, the language the texts are
// written in, needs none of the program's), and the layers below the
// windows translate through them; every widget then receives a
// LanguageChange event. Without an application object (rq51-cli) only the
// layers below the windows are told. False, and nothing changes, for a code
// the program does not speak.
bool UseLanguage(const QString& code);

// The language chosen in the main window, as remembered in `settings`;
// Japanese when none was chosen or the one remembered is no longer spoken,
// whatever the system's locale.
QString RememberedLanguage(QSettings& settings);
void RememberLanguage(QSettings& settings, const QString& code);

// The language's name in itself ("日本語", "English"), as its translation
// gives it.
QString LanguageName(const QString& code);

// `text`, written in Japanese, in the language of the moment, for a widget.
inline QString Tq(const char* context, const char* text) {
  return QString::fromStdString(Tr(context, text));
}

}  // namespace rq51
