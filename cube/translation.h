// The language the program speaks. Every text the user reads is written in
// Japanese where it is made, and Japanese is what the program speaks unless
// told otherwise; another language replaces each text at the moment it is
// shown, through a lookup the programs install (the translation files are
// Qt's, and the libraries below the windows do not know Qt).
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a Japanese text kept in a table for the translation tools, which
// collect it under `context`; where it is shown, Tr(context, text) gives it
// in the language of the moment.
#define RQ51_TR_NOOP(context, text) text

namespace rq51 {

// Languages are named by their codes ("ja", "en", ...); Japanese, the
// language the texts are written in, is "ja".
inline constexpr std::string_view kJapanese = "ja";

// The lookup of a text in the language of the moment; it answers the text
// itself when it has no translation for it.
using TranslationLookup = std::function<std::string(const char* context, const char* text)>;

// Sets the language and the lookup that speaks it (an empty lookup leaves
// every text as it is written). Call it from the thread that shows texts.
void SetLanguage(std::string_view code, TranslationLookup lookup);
// The code of the language of the moment.
const std::string& CurrentLanguage();
bool SpeakingJapanese();

// `text`, written in Japanese, in the language of the moment.
std::string Tr(const char* context, const char* text);

// `pattern` with %1 .. %9 replaced by `args` in order; a % followed by
// anything else, or by a number with no argument, stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace rq51
