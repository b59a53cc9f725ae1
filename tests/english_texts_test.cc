// The texts the solver windows and rq51-cli compose, spoken in English: each
// is English through and through (what it quotes aside), and once Japanese
// is spoken again every text is byte for byte what it was before.
#include <gtest/gtest.h>

#ifndef RQ51_NO_CHART

#include <QString>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "cli/commands.h"
#include "cube/standard_notation.h"
#include "shell/cube_player.h"
#include "shell/fault_text.h"
#include "shell/shown_line.h"
#include "tests/faulty_cubes.h"
#include "tests/test_cubes.h"
#include "tests/test_text.h"
#include "ui/language.h"

namespace rq51 {
namespace {

// Whether the text holds a character of Japanese script: hiragana, katakana
// (the half-width forms too), CJK ideographs and punctuation, or a
// full-width form.
bool HasJapanese(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto byte = [&](size_t n) { return static_cast<unsigned char>(text[i + n]); };
    char32_t c = byte(0);
    size_t length = 1;
    if (c >= 0xF0 && i + 3 < text.size()) {
      c = (c & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
      length = 4;
    } else if (c >= 0xE0 && i + 2 < text.size()) {
      c = (c & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
      length = 3;
    } else if (c >= 0xC0 && i + 1 < text.size()) {
      c = (c & 0x1F) << 6 | (byte(1) & 0x3F);
      length = 2;
    }
    if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) ||
        (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF) || c >= 0x20000) {
      return true;
    }
    i += length;
  }
  return false;
}

// The text without what it quotes (“...”): a word the user typed or a line
// of a file, shown as it was written.
std::string Unquoted(std::string text) {
  for (size_t open = text.find("“"); open != std::string::npos; open = text.find("“", open)) {
    const size_t close = text.find("”", open);
    if (close == std::string::npos) break;
    text.erase(open, close + std::string_view("”").size() - open);
  }
  return text;
}

// English from construction to destruction, Japanese again after.
class SpeakingEnglish {
 public:
  SpeakingEnglish() { ok_ = UseLanguage(QStringLiteral("en")); }
  ~SpeakingEnglish() { UseLanguage(QStringLiteral("ja")); }
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

// Everything a solver window says in words of its own making.
struct Said {
  std::string label4;
  std::string fault;
  std::string file;
  std::string scramble;
  std::string playback;
  bool operator==(const Said&) const = default;
};

Said SaidBy(const SolverWindow& window) {
  std::string playback = window.PlaybackText();
  // Where the cube was turned over, the place names the stage by its
  // caption, which the method gives (ShownLine speaks it).
  if (const std::optional<SolverWindow::PlaybackPlace> place = window.BrowsedPlace();
      place && place->list_box == 0 && !place->start) {
    const std::string caption = ShownLine(place->text);
    if (const size_t at = playback.find(caption); at != std::string::npos) {
      playback.erase(at, caption.size());
    }
  }
  return {window.label4(), window.fault_text(), window.file_message(), window.scramble_message(),
          playback};
}

// Checks one state of a window: English throughout, Japanese unchanged.
void ExpectSaidInEnglish(const SolverWindow& window, const std::string& what) {
  const Said japanese = SaidBy(window);
  {
    const SpeakingEnglish english;
    ASSERT_TRUE(english.ok());
    const Said said = SaidBy(window);
    for (const auto& [text, in_japanese, name] :
         {std::tuple{said.label4, japanese.label4, "Label4"},
          std::tuple{said.fault, japanese.fault, "fault"},
          std::tuple{said.file, japanese.file, "file"},
          std::tuple{said.scramble, japanese.scramble, "scramble"},
          std::tuple{said.playback, japanese.playback, "playback"}}) {
      EXPECT_FALSE(HasJapanese(Unquoted(text))) << what << ", " << name << ": " << text;
      EXPECT_EQ(text.empty(), in_japanese.empty()) << what << ", " << name << ": " << text;
    }
  }
  EXPECT_EQ(SaidBy(window), japanese) << what;
}

using test::FirstLines;
using test::WithLine;

// Every window, confirmed with real and impossible cubes, solved and browsed
// line by line, given turn sequences it cannot read, and opening texts it
// refuses, texts of other windows and solutions whose lines differ.
TEST(EnglishTextsTest, EveryWindowSpeaksEnglishAndJapaneseAgainUnchanged) {
  std::mt19937 random(51);
  std::set<FaultKind> kinds_named;
  int turned_over = 0;
  for (WindowKind kind : AllWindowKinds()) {
    const std::string name(VariantOf(kind).name);
    SolverWindow window = test::WindowFor(kind);
    ExpectSaidInEnglish(window, name + " as created");

    // Impossible cubes: the named ones, and real cubes spoilt at random.
    std::vector<test::Colours> faulty;
    for (const test::FaultyCube& cube : test::FaultyCubes()) faulty.push_back(cube.colours);
    for (int n = 0; n < 40; ++n) {
      test::Colours colours = test::Turned(test::SolvedColours(), test::RandomMoves(random, 20));
      std::uniform_int_distribution<int> facelet(1, kFaceletCount);
      std::uniform_int_distribution<int> colour(0, kColourCount);
      switch (n % 4) {
        case 0:
          std::swap(colours[facelet(random)], colours[facelet(random)]);
          break;
        case 1:
          colours[facelet(random)] = static_cast<Colour>(colour(random));
          break;
        case 2:
          // Two centres alike, or a centre moved.
          colours[5 + 9 * (n % 6)] = colours[5 + 9 * ((n + 1) % 6)];
          break;
        default:
          for (int k = 0; k < 3; ++k)
            colours[facelet(random)] = static_cast<Colour>(colour(random));
          break;
      }
      faulty.push_back(colours);
    }
    for (size_t n = 0; n < faulty.size(); ++n) {
      if (test::EnterColours(window, faulty[n])) continue;
      kinds_named.insert(window.named_fault().kind);
      ExpectSaidInEnglish(window, name + " refusing cube " + std::to_string(n));
    }

    // Sequences the entry cannot read.
    for (const char* typed : {"", "  ", "Rx Q", "(RxRy", "R U Q F"}) {
      window.scramble_text() = typed;
      window.ScrambleClick();
      ExpectSaidInEnglish(window, name + " reading '" + std::string(typed) + "'");
    }

    // Solved, and followed line by line.
    for (int n = 0; n < 3; ++n) {
      if (!test::EnterColours(window,
                              test::Turned(test::SolvedColours(), test::RandomMoves(random, 25)))) {
        continue;
      }
      ExpectSaidInEnglish(window, name + " accepting a cube");
      window.PressButton("CES");
      window.PressButton("Rx");
      ASSERT_TRUE(window.BrowseStart());
      ExpectSaidInEnglish(window, name + " at the start");
      const size_t lines = window.Trace().size();
      for (size_t line = 0; line < lines; ++line) {
        ASSERT_TRUE(window.BrowseTraceLine(line));
        const std::optional<SolverWindow::PlaybackPlace> place = window.BrowsedPlace();
        turned_over += place && place->list_box == 0 ? 1 : 0;
        ExpectSaidInEnglish(window, name + " at line " + std::to_string(line));
      }
      window.BrowseLive();
    }

    // Texts the window opens.
    const std::string saved = window.SolutionText();
    ASSERT_TRUE(saved.starts_with("RQ51 "));
    const int lines = static_cast<int>(std::count(saved.begin(), saved.end(), '\n'));
    std::string twisted = saved.substr(saved.find('\t') + 1, kFaceletCount);
    std::swap(twisted[0], twisted[29]);
    std::swap(twisted[29], twisted[51]);
    const WindowKind other = kind == WindowKind::kLb ? WindowKind::kCf : WindowKind::kLb;
    std::vector<std::string> texts = {
        "",
        std::string(kMaxOpenedBytes + 1, '\n'),
        WithLine(saved, 2, "\xFF"),
        WithLine(saved, 3, std::string("Lx\0Ry", 5)),
        WithLine(saved, 1, "RQ51 Form9"),
        FirstLines(saved, 1),
        FirstLines(saved, lines - 1),
        WithLine(saved, 2, std::string(kEnteredLabel) + "\t" + twisted),
        WithLine(saved, 2, "GGG"),
        WithLine(saved, lines, std::string(kTotalLabel) + "\t99999 手"),
        saved + "\nmore\n",
        WithLine(saved, 3, std::string(kPressesLabel) + "\tCES NoSuchButton"),
        "R U\nR Q F\n",
        "(R U R'\n",
        "// R U\n",
        test::WindowFor(other).SolutionText(),
    };
    // A saved line that the window computes otherwise.
    for (int line = 4; line <= lines; ++line) {
      const std::string changed = WithLine(saved, line, "Rx Ry");
      if (changed != saved) texts.push_back(changed);
    }
    for (size_t n = 0; n < texts.size(); ++n) {
      SolverWindow opening = window;
      const SolverWindow::OpenedText opened = opening.OpenText(texts[n]);
      const std::string what = name + " opening text " + std::to_string(n);
      ExpectSaidInEnglish(opening, what);
      const std::string in_japanese = opened.message;
      const SpeakingEnglish english;
      SolverWindow again = window;
      const std::string message = again.OpenText(texts[n]).message;
      EXPECT_FALSE(HasJapanese(Unquoted(message))) << what << ": " << message;
      EXPECT_EQ(message.empty(), in_japanese.empty()) << what << ": " << message;
    }
  }
  // The cubes above give every fault the check names, and the solutions
  // turn the cube over.
  for (FaultKind kind :
       {FaultKind::kColourCounts, FaultKind::kCentreRepeated, FaultKind::kCentresNotOpposite,
        FaultKind::kCentresMirrored, FaultKind::kNoSuchCorner, FaultKind::kEdgeTwice,
        FaultKind::kTwist, FaultKind::kFlip, FaultKind::kParity}) {
    EXPECT_TRUE(kinds_named.count(kind) == 1) << "fault kind " << static_cast<int>(kind);
  }
  EXPECT_GT(turned_over, 0);
}

// Every fault, with every colour it can show (and none), in English: a
// sentence without Japanese; and in Japanese again as it was.
TEST(EnglishTextsTest, EveryFaultTextIsEnglishAndTheJapaneseStays) {
  std::vector<ArrangementDiagnosis> diagnoses;
  const std::vector<Colour> colours = {Colour::kNone,  Colour::kGreen,  Colour::kRed,
                                       Colour::kBlue,  Colour::kOrange, Colour::kWhite,
                                       Colour::kYellow};
  for (int kind = 0; kind <= static_cast<int>(FaultKind::kParity); ++kind) {
    for (size_t c = 0; c < colours.size(); ++c) {
      ArrangementDiagnosis diagnosis;
      diagnosis.rule = FaultRule::kPieces;
      diagnosis.kind = static_cast<FaultKind>(kind);
      diagnosis.counts = {static_cast<int>(c), 9, 10, 8, 9, 9, 9 - static_cast<int>(c)};
      diagnosis.slot_labels = {"A1", "B6"};
      diagnosis.slot_labels.resize(1 + c % 2);
      diagnosis.centres = {5, 14};
      diagnosis.shown = {colours[c], colours[(c + 1) % colours.size()],
                         colours[(c + 3) % colours.size()]};
      diagnosis.shown.resize(1 + c % 3);
      diagnoses.push_back(diagnosis);
    }
  }
  for (const ArrangementDiagnosis& diagnosis : diagnoses) {
    const std::string japanese = FaultText(diagnosis);
    ASSERT_FALSE(japanese.empty());
    {
      const SpeakingEnglish english;
      ASSERT_TRUE(english.ok());
      const std::string text = FaultText(diagnosis);
      EXPECT_FALSE(HasJapanese(text)) << text;
      EXPECT_TRUE(text.ends_with('.')) << text;
    }
    EXPECT_EQ(FaultText(diagnosis), japanese);
  }
}

// The player at every turn of solutions in every window: in English it marks
// the same turn in the line as shown (ShownLine), says where it is without
// Japanese, and in Japanese again shows what it showed before.
TEST(EnglishTextsTest, ThePlayerMarksTheSameTurnInTheLineAsShown) {
  struct StillClock : PlayerClock {
    double NowMs() const override { return 0; }
  } clock;
  std::mt19937 random(7);
  int marks = 0;
  int reworded = 0;  // marks in a line that reads otherwise in English
  for (WindowKind kind : AllWindowKinds()) {
    SolverWindow window = test::WindowFor(kind);
    for (int n = 0; n < 4; ++n) {
      if (!test::EnterColours(window,
                              test::Turned(test::SolvedColours(), test::RandomMoves(random, 25)))) {
        continue;
      }
      window.PressButton("CES");
      CubePlayer player(window, clock);
      player.WindowChanged();
      for (int turn = 0; turn <= player.turn_total(); ++turn) {
        player.ScrubTo(turn);
        const MarkedTurn japanese = player.Marked();
        const std::string place = player.PlaceText();
        {
          const SpeakingEnglish english;
          ASSERT_TRUE(english.ok());
          const MarkedTurn marked = player.Marked();
          const std::string where =
              VariantOf(kind).short_name.data() + (" turn " + std::to_string(turn));
          EXPECT_EQ(marked.repetition, japanese.repetition) << where;
          EXPECT_EQ(marked.repetitions, japanese.repetitions) << where;
          if (marked.text != japanese.text) {
            reworded += marked.begin < marked.end ? 1 : 0;
            EXPECT_EQ(marked.text, ShownLine(japanese.text)) << where;
            EXPECT_EQ(
                marked.text.substr(marked.begin, marked.end - marked.begin),
                ShownLine(japanese.text.substr(japanese.begin, japanese.end - japanese.begin)))
                << where << ": " << marked.text;
          } else {
            EXPECT_EQ(marked.begin, japanese.begin) << where;
            EXPECT_EQ(marked.end, japanese.end) << where;
          }
          marks += marked.begin < marked.end ? 1 : 0;
          std::string said = player.PlaceText();
          if (const size_t at = said.find(ShownLine(japanese.text));
              at != std::string::npos && said.find("ListBox") != 0) {
            said.erase(at, ShownLine(japanese.text).size());
          }
          EXPECT_FALSE(HasJapanese(said)) << where << ": " << said;
        }
        const MarkedTurn again = player.Marked();
        EXPECT_EQ(again.text, japanese.text);
        EXPECT_EQ(again.begin, japanese.begin);
        EXPECT_EQ(again.end, japanese.end);
        EXPECT_EQ(player.PlaceText(), place);
      }
    }
  }
  EXPECT_GT(marks, 100);
  EXPECT_GT(reworded, 0);
}

// rq51-cli: --lang en prints the window's texts in English and leaves the
// keys, fields and move text; without --lang, or with --lang ja, it prints
// exactly what it printed before; the language is Japanese again after.
TEST(EnglishTextsTest, CliPrintsEnglishOnlyWhenAsked) {
  cli::CliLanguages languages;
  for (const QString& code : AvailableLanguages()) languages.codes.push_back(code.toStdString());
  languages.use = [](const std::string& code) { return UseLanguage(QString::fromStdString(code)); };
  const auto run = [&](std::vector<std::string> args, const cli::CliLanguages& with,
                       int expected_status = 0) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::RunCli(args, out, err, with), expected_status) << err.str();
    EXPECT_TRUE(SpeakingJapanese());
    return expected_status == 0 ? out.str() : err.str();
  };
  const std::vector<std::vector<std::string>> commands = {
      {"solve", "--window", "lb", "--scramble", "R U F2 L'", "CES"},
      {"solve", "--window", "tkc", "--scramble", "R U F2 L'", "--trace", "CES"},
      {"solve", "--window", "cf", "--scramble", "Rx Ly2", "--notation", "standard", "CES"},
      {"solve", "--window", "cf0", "--cube", std::string(54, 'G')},
  };
  for (const std::vector<std::string>& command : commands) {
    const std::string plain = run(command, {});
    EXPECT_EQ(run(command, languages), plain);
    std::vector<std::string> japanese = command;
    japanese.insert(japanese.begin(), {"--lang", "ja"});
    EXPECT_EQ(run(japanese, languages), plain);
    EXPECT_EQ(run(japanese, {}), plain);

    std::vector<std::string> english = command;
    english.push_back("--lang=en");
    const std::string said = run(english, languages);
    std::istringstream plain_lines(plain);
    std::istringstream english_lines(said);
    std::string line;
    std::string english_line;
    while (std::getline(plain_lines, line)) {
      ASSERT_TRUE(std::getline(english_lines, english_line)) << said;
      const std::string key = line.substr(0, line.find('\t'));
      if (key == "Label4" || key == "file") {
        EXPECT_EQ(english_line.substr(0, english_line.find('\t')), key);
        EXPECT_FALSE(HasJapanese(english_line)) << english_line;
        EXPECT_NE(english_line, line);
      } else if (key == "net" || key == "homes" || key == "solved" || key == "fault" ||
                 key.starts_with("ListBox")) {
        EXPECT_EQ(english_line, line);
      }
    }
    EXPECT_FALSE(std::getline(english_lines, english_line)) << said;
  }
  // A language it does not speak, and any but Japanese without translations.
  const std::vector<std::string> solve = commands.front();
  std::vector<std::string> unknown = solve;
  unknown.insert(unknown.end(), {"--lang", "xx"});
  EXPECT_NE(run(unknown, languages, 2).find("--lang xx"), std::string::npos);
  std::vector<std::string> english = solve;
  english.insert(english.end(), {"--lang", "en"});
  EXPECT_NE(run(english, {}, 2).find("Japanese (ja) only"), std::string::npos);
  std::vector<std::string> twice = english;
  twice.insert(twice.end(), {"--lang", "en"});
  EXPECT_NE(run(twice, languages, 2).find("twice"), std::string::npos);
}

}  // namespace
}  // namespace rq51

#endif  // RQ51_NO_CHART
