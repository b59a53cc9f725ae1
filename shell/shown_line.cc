#include "shell/shown_line.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "cube/notation.h"
#include "cube/translation.h"

namespace rq51 {

namespace {

constexpr char kContext[] = "Log";
constexpr char kCaptionContext[] = "SolverWindow";

// The words the methods write into their lists besides move text and piece
// names: the status lines of the code-keyed steps, and the note on the
// turning over that playback shows. Each is replaced as a whole by its
// translation; a phrase that another one begins with is tried after it.
const std::vector<std::string_view>& Phrases() {
  static const std::vector<std::string_view> phrases = [] {
    std::vector<std::string_view> all = {
        RQ51_TR_NOOP("Log", "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し"),
        RQ51_TR_NOOP("Log", "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動"),
        RQ51_TR_NOOP("Log", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し"),
        RQ51_TR_NOOP("Log", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動"),
        RQ51_TR_NOOP("Log", "ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動無し"),
        RQ51_TR_NOOP("Log", "ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動"),
        RQ51_TR_NOOP("Log", "ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動無し"),
        RQ51_TR_NOOP("Log", "ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動"),
        RQ51_TR_NOOP("Log", "ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し"),
        RQ51_TR_NOOP("Log", "ｴｯｼﾞ･ｷｭｰﾌﾞの入替"),
        RQ51_TR_NOOP("Log", "：ここでキューブを上下反転"),
    };
    std::stable_sort(all.begin(), all.end(),
                     [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    return all;
  }();
  return phrases;
}

// Japanese punctuation that joins or separates words and numbers ("cross4･24")
// and reads the same in every other language.
struct Punctuation {
  std::string_view japanese;
  std::string_view shown;
};
constexpr Punctuation kPunctuation[] = {
    {"\uFF65", "\u00B7"},  // half-width katakana middle dot
    {"\u30FB", "\u00B7"},  // katakana middle dot
    {"\uFF1A", ": "},      // full-width colon
    {"\uFF0E", ". "},      // full-width full stop
    {"\u3000", "  "},      // ideographic space, as wide as two blanks
};

// Whether `line` holds `word` at byte `i`.
bool HoldsAt(std::string_view line, size_t i, std::string_view word) {
  return line.substr(i, word.size()) == word;
}

}  // namespace

std::string ShownLine(std::string_view line) {
  if (SpeakingJapanese()) return std::string(line);
  // A stage's caption stands alone where a list or a shared solution names
  // its stage, and reads as on its button.
  std::string whole(line);
  std::string caption = Tr(kCaptionContext, whole.c_str());
  if (caption != whole) return caption;
  std::string shown;
  shown.reserve(line.size());
  size_t i = 0;
  while (i < line.size()) {
    if (const RepeatMark mark = RepeatMarkAt(line, i); mark.count != 0) {
      shown += "\u00D7";
      shown += static_cast<char>('0' + mark.count);
      i += mark.length;
      continue;
    }
    const auto phrase = std::find_if(Phrases().begin(), Phrases().end(),
                                     [&](std::string_view p) { return HoldsAt(line, i, p); });
    if (phrase != Phrases().end()) {
      shown += Tr(kContext, phrase->data());
      i += phrase->size();
      continue;
    }
    const auto mark =
        std::find_if(std::begin(kPunctuation), std::end(kPunctuation),
                     [&](const Punctuation& p) { return HoldsAt(line, i, p.japanese); });
    if (mark != std::end(kPunctuation)) {
      shown += mark->shown;
      i += mark->japanese.size();
      continue;
    }
    shown += line[i++];
  }
  return shown;
}

}  // namespace rq51
