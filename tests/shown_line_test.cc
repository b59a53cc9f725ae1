// The method texts in English: every line a solver window can log, shown in
// English, is free of Japanese script and still reads as the same turns; the
// captions and instructions the windows take from the methods and variants
// are translated; and back in Japanese everything is byte for byte as
// written. A build without Qt speaks Japanese only and leaves them out.
#ifndef RQ51_NO_CHART
#include "shell/shown_line.h"

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "cube/moves.h"
#include "cube/notation.h"
#include "cube/translation.h"
#include "shell/window_variant.h"
#include "solvers/methods.h"
#include "tests/row_checker.h"
#include "ui/language.h"

namespace rq51 {
namespace {

// Code points of Japanese script: CJK symbols and punctuation (the
// ideographic space and "、。" among them), hiragana, katakana, CJK
// ideographs and the half-width and full-width forms (half-width katakana,
// "･", "：", full-width digits and letters).
bool IsJapaneseScript(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
         (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

// The first character of Japanese script in `text`, empty when there is none.
std::string FirstJapanese(std::string_view text) {
  const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  for (char32_t c : decoded.toUcs4()) {
    if (IsJapaneseScript(c)) return QString::fromUcs4(&c, 1).toStdString();
  }
  return {};
}

// Every line a window can log: the headings, status lines and row lines of
// every step of every method, and the turns the trial buttons log.
std::vector<std::string_view> EveryLoggedLine() {
  std::vector<std::string_view> lines;
  for (const Method* method : Methods()) {
    for (const Stage& stage : method->stages) {
      for (const Phase* phase : test::PhasesOf(stage)) {
        lines.insert(lines.end(), phase->headings.begin(), phase->headings.end());
        if (phase->status) {
          lines.push_back(phase->status->when_settled);
          lines.push_back(phase->status->otherwise);
        }
        for (const TableRow& row : phase->table.rows()) {
          lines.insert(lines.end(), row.lines.begin(), row.lines.end());
        }
      }
    }
  }
  return lines;
}

// Every text the solver windows take from the methods and the variants,
// with the context it is translated in.
struct ShownText {
  const char* context;
  std::string_view text;
};

std::vector<ShownText> EveryWindowText() {
  std::vector<ShownText> texts;
  for (const Method* method : Methods()) {
    for (const Stage& stage : method->stages) texts.push_back({"SolverWindow", stage.caption});
    texts.push_back({"SolverWindow", method->one_shot_caption});
  }
  for (WindowKind kind : AllWindowKinds()) {
    const WindowVariant& variant = VariantOf(kind);
    for (std::string_view text :
         {variant.label1, variant.label2, variant.label5, variant.sikou_caption}) {
      texts.push_back({"SolverWindow", text});
    }
    for (std::string_view line : variant.instructions) texts.push_back({"Instructions", line});
  }
  return texts;
}

class MethodTextsInEnglish : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(UseLanguage(QStringLiteral("en"))); }
  // The other tests of this program expect Japanese.
  void TearDown() override { UseLanguage(QString::fromLatin1(kJapanese.data(), kJapanese.size())); }
};

TEST_F(MethodTextsInEnglish, EveryLoggedLineReadsAsTheSameTurnsWithoutJapanese) {
  std::vector<std::string_view> lines = EveryLoggedLine();
  std::vector<std::string> trial_names;
  for (const Move& move : AllMoves()) trial_names.push_back(LogName(move));
  lines.insert(lines.end(), trial_names.begin(), trial_names.end());
  ASSERT_GT(lines.size(), 1000u);

  std::vector<std::string> english;
  for (std::string_view line : lines) {
    const std::string shown = ShownLine(line);
    english.push_back(shown);
    EXPECT_EQ(FirstJapanese(shown), "") << "\"" << line << "\" is shown as \"" << shown << "\"";
    const MacroReading japanese_reading = ReadMacroText(line);
    const MacroReading english_reading = ReadMacroText(shown);
    EXPECT_EQ(english_reading.moves, japanese_reading.moves)
        << "\"" << line << "\" is shown as \"" << shown << "\"";
    EXPECT_EQ(english_reading.malformed, japanese_reading.malformed) << shown;
    // The reader stops in front of the same label or note, shown in English.
    EXPECT_EQ(shown.substr(english_reading.stop), ShownLine(line.substr(japanese_reading.stop)))
        << "\"" << line << "\" is shown as \"" << shown << "\"";
  }
  // Some lines had something to translate.
  size_t changed = 0;
  for (size_t n = 0; n < lines.size(); ++n) changed += english[n] != lines[n] ? 1 : 0;
  EXPECT_GT(changed, 100u);

  ASSERT_TRUE(UseLanguage(QString::fromLatin1(kJapanese.data(), kJapanese.size())));
  for (std::string_view line : lines) EXPECT_EQ(ShownLine(line), line);
}

TEST_F(MethodTextsInEnglish, EveryCaptionAndInstructionIsTranslated) {
  const std::vector<ShownText> texts = EveryWindowText();
  for (const ShownText& text : texts) {
    // The texts are literals, so their views end at a terminating NUL.
    const std::string shown = Tr(text.context, text.text.data());
    EXPECT_EQ(FirstJapanese(shown), "") << text.context << " \"" << text.text << "\"";
    EXPECT_FALSE(shown.empty()) << text.context << " \"" << text.text << "\"";
  }
  ASSERT_TRUE(UseLanguage(QString::fromLatin1(kJapanese.data(), kJapanese.size())));
  for (const ShownText& text : texts) EXPECT_EQ(Tr(text.context, text.text.data()), text.text);
}

}  // namespace
}  // namespace rq51
#endif  // RQ51_NO_CHART
