// Keeping, reopening and sharing a solution. Over random cubes of every
// method, a saved text opens to the same window and saves to the same bytes,
// and the standard-notation copy performs, line by line, what the logged
// lines perform. Then the texts that cannot be opened, each refused with the
// line where reading stopped and the window left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cube/random_cube.h"
#include "cube/standard_notation.h"
#include "shell/solution_text.h"
#include "shell/solver_window.h"
#include "solvers/methods.h"
#include "tests/test_cubes.h"
#include "tests/test_names.h"
#include "tests/test_text.h"

namespace rq51 {
namespace {

using test::Colours;

class SolutionOfEveryMethod : public ::testing::TestWithParam<const Method*> {
 protected:
  SolverWindow Window() const { return SolverWindow(GetParam()->window, GetParam()); }
};

using test::MethodName;

INSTANTIATE_TEST_SUITE_P(Registry, SolutionOfEveryMethod, ::testing::ValuesIn(Methods()),
                         MethodName);

// What a user may press after confirming a cube: mostly the stage and
// one-shot buttons, some trial turns, now and then the preparation, the
// numbering, a clear button or Reset. Reset comes last: it leaves the cube
// without its entry, so that the cube saved then is entered afresh on
// opening, and a turn that moved centres before would number it otherwise.
std::vector<std::string> RandomPresses(const SolverWindow& window, CubeRandom& random) {
  std::vector<std::string> pool;
  for (const StageButton& button : window.stage_buttons()) pool.emplace_back(button.name);
  pool.emplace_back("CES");
  for (int n = 0; n < 3; ++n) pool.push_back(ButtonName(AllMoves()[random.Below(27)]));
  pool.emplace_back("Sikou");
  if (window.variant().has_numtuke) pool.emplace_back("Numtuke");
  if (!window.variant().clear_buttons.empty()) {
    const std::vector<int>& clear = window.variant().clear_buttons;
    pool.push_back("Lbx" + std::to_string(clear[random.Below(clear.size())]) + "clear");
  }
  if (window.variant().has_reset) pool.emplace_back("Reset");
  std::vector<std::string> presses;
  for (int n = random.Below(7); n > 0 && (presses.empty() || presses.back() != "Reset"); --n) {
    presses.push_back(pool[random.Below(pool.size())]);
  }
  return presses;
}

bool IsStageButton(const SolverWindow& window, std::string_view name) {
  const std::vector<StageButton>& buttons = window.stage_buttons();
  return std::any_of(buttons.begin(), buttons.end(),
                     [name](const StageButton& button) { return button.name == name; });
}

Colours ColoursOfTable(const StateTable& table) { return ColoursOf(table); }

// Everything the user sees of the solution: lists, their turns, the net,
// the playback and the status.
void ExpectSameWindow(const SolverWindow& opened, const SolverWindow& saved) {
  EXPECT_EQ(opened.label4(), saved.label4());
  EXPECT_EQ(opened.edit55(), saved.edit55());
  for (int n : saved.ListBoxNumbers()) {
    EXPECT_EQ(opened.list_box(n), saved.list_box(n)) << "ListBox" << n;
    EXPECT_EQ(opened.ListTurns(n), saved.ListTurns(n)) << "ListBox" << n;
  }
  for (int k = 1; k <= kFaceletCount; ++k) EXPECT_EQ(opened.net(k), saved.net(k)) << k;
  const std::vector<SolverWindow::TraceLine> a = opened.Trace();
  const std::vector<SolverWindow::TraceLine> b = saved.Trace();
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].place.text, b[i].place.text);
    EXPECT_EQ(a[i].place.turns_so_far, b[i].place.turns_so_far);
    EXPECT_EQ(test::HomesOf(a[i].table), test::HomesOf(b[i].table)) << a[i].place.text;
  }
}

// The copy in standard notation, read back one line at a time from the
// entered cube, gives the cube of every line as the playback shows it.
void ExpectStandardCopyPerformsTheLines(const SolverWindow& window, const Colours& entered) {
  const std::vector<SolverWindow::SharedLine> shared = window.StandardSolution();
  const std::vector<SolverWindow::TraceLine> trace = window.Trace();
  Colours colours = entered;
  size_t traced = 0;
  for (const SolverWindow::SharedLine& line : shared) {
    const TurnSequence sequence = ReadTurnSequence(line.text);
    ASSERT_TRUE(sequence.read) << line.text;
    if (line.list_box < 0) {
      // The preparation: back to the entered cube, no turns.
      ASSERT_TRUE(sequence.moves.empty()) << line.text;
      colours = entered;
      continue;
    }
    colours = test::Turned(colours, sequence.moves);
    ASSERT_LT(traced, trace.size());
    ASSERT_EQ(colours, ColoursOfTable(trace[traced].table))
        << line.text << " for " << trace[traced].place.text;
    ++traced;
  }
  EXPECT_EQ(traced, trace.size());
  // One list, or the chosen lines of it, are the same lines.
  for (int n : window.ListBoxNumbers()) {
    std::string list;
    for (const SolverWindow::SharedLine& line : shared) {
      if (line.list_box == n) list += line.text + "\n";
    }
    EXPECT_EQ(window.StandardListText(n), list);
  }
}

TEST_P(SolutionOfEveryMethod, SavedSolutionsOpenToTheSameWindowAndTheCopyPerformsTheSameTurns) {
  constexpr int kCubes = 1000;
  const FaceColourRule rule = VariantOf(GetParam()->window).rule;
  for (int n = 0; n < kCubes; ++n) {
    CubeRandom random(22, n);
    const Colours entered = HeldFor(RandomRealCube(random), rule);
    SolverWindow window = Window();
    ASSERT_TRUE(test::EnterColours(window, entered));
    const std::vector<std::string> presses = RandomPresses(window, random);
    bool forgets = false;
    bool staged = false;  // a stage button pressed since the entry, and no Reset
    for (const std::string& name : presses) {
      ASSERT_TRUE(window.PressButton(name)) << name;
      forgets = forgets || name.ends_with("clear") || name == "Sikou";
      staged = name != "Reset" && (staged || IsStageButton(window, name));
    }
    const std::string saved = window.SolutionText();

    SolverWindow opened = Window();
    const SolverWindow::OpenedText result = opened.OpenText(saved);
    ASSERT_EQ(result.kind, OpenedKind::kSolution) << result.message;
    ASSERT_EQ(result.message, "") << saved;
    ASSERT_EQ(opened.SolutionText(), saved);
    ExpectSameWindow(opened, window);
    // The turns of the last stage run, unless none ran since the entry.
    if (staged) {
      EXPECT_EQ(opened.last_run_turns(), window.last_run_turns());
    }

    // The lines of a cleared list are gone (the preparation clears the trial
    // list), but the cube they turned stays turned: the listed lines alone
    // perform what the playback shows only when none was cleared, so the
    // copy is read back from a window pressed without clearing. After Reset
    // the cube at the reset is the entered one.
    if (!forgets) {
      ExpectStandardCopyPerformsTheLines(window, ReadOpenedText(saved).solution.entered);
    } else {
      SolverWindow kept = Window();
      ASSERT_TRUE(test::EnterColours(kept, entered));
      for (const std::string& name : presses) {
        if (!name.ends_with("clear") && name != "Sikou") kept.PressButton(name);
      }
      ExpectStandardCopyPerformsTheLines(kept,
                                         ReadOpenedText(kept.SolutionText()).solution.entered);
    }
    if (HasFailure()) {
      ADD_FAILURE() << "cube " << n << ", presses " << window.presses() << "\n" << saved;
      return;
    }
  }
}

TEST_P(SolutionOfEveryMethod, AnOlderFileWithoutItsPressesGetsTheStageButtonsItsListsShow) {
  constexpr int kCubes = 200;
  const FaceColourRule rule = VariantOf(GetParam()->window).rule;
  for (int n = 0; n < kCubes; ++n) {
    CubeRandom random(23, n);
    SolverWindow window = Window();
    ASSERT_TRUE(test::EnterColours(window, HeldFor(RandomRealCube(random), rule)));
    // Some trial turns before or after the one-shot run.
    const Move trial = AllMoves()[random.Below(27)];
    if (n % 2 == 0) window.TrialMove(trial);
    window.PressButton("CES");
    if (n % 2 == 1) window.TrialMove(trial);
    std::string saved = window.SolutionText();
    const size_t presses = saved.find(kPressesLabel);
    saved.erase(presses, saved.find('\n', presses) + 1 - presses);

    SolverWindow opened = Window();
    const SolverWindow::OpenedText result = opened.OpenText(saved);
    ASSERT_EQ(result.kind, OpenedKind::kSolution);
    ASSERT_EQ(result.message, "") << "cube " << n;
    for (int list : window.ListBoxNumbers()) {
      ASSERT_EQ(opened.list_box(list), window.list_box(list)) << "cube " << n;
    }
    // Saved again, the file names the buttons the window found.
    std::string again = opened.SolutionText();
    const size_t found = again.find(kPressesLabel);
    again.erase(found, again.find('\n', found) + 1 - found);
    ASSERT_EQ(again, saved);
  }
}

// A window with a solution of its own, to be left alone by every refusal.
SolverWindow SolvedLbWindow() {
  SolverWindow window = test::WindowFor(WindowKind::kLb);
  EXPECT_TRUE(
      test::EnterColours(window, test::Turned(test::SolvedColours(), test::Moves("Rz Rx"))));
  window.PressButton("CES");
  window.PressButton("Ry");
  return window;
}

std::string SavedLbText() {
  SolverWindow window = test::WindowFor(WindowKind::kLb);
  EXPECT_TRUE(test::EnterColours(
      window, test::Turned(test::SolvedColours(), test::Moves("Rx Ly2 Mz Rz3 Lx"))));
  window.PressButton("CES");
  return window.SolutionText();
}

using test::FirstLines;
using test::WithLine;

int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(OpeningTest, TextsThatCannotBeOpenedAreRefusedWhereReadingStopped) {
  const std::string saved = SavedLbText();
  const int lines = LineCount(saved);
  // Corner A1 (facelets 1, 30, 52) turned in its slot.
  std::string twisted_letters = saved.substr(saved.find('\t') + 1, kFaceletCount);
  std::swap(twisted_letters[0], twisted_letters[29]);
  std::swap(twisted_letters[29], twisted_letters[51]);
  struct Case {
    std::string name;
    std::string text;
    int line;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"empty", "", 1, "ファイルが空です。"},
      {"blank lines only", " \n\t\r\n\n", 1, "ファイルが空です。"},
      {"over 1 MB", saved + std::string(kMaxOpenedBytes, '\n'), 1,
       "ファイルが大きすぎます（1 MBまで）。"},
      {"not UTF-8", WithLine(saved, 5, "Lx-Rz \xFF 4<-38"), 5,
       "UTF-8の文字として読めないバイトがあります。"},
      {"an overlong form", WithLine(saved, 3, "\xC0\xAF"), 3,
       "UTF-8の文字として読めないバイトがあります。"},
      {"binary", WithLine(saved, 6, std::string("Lx\0Ry", 5)), 6,
       "テキストではないデータ（制御文字）があります。"},
      {"unknown window", WithLine(saved, 1, "RQ51 Form9 なにか"), 1,
       "「Form9」というウィンドウはありません。"},
      {"the explorer", WithLine(saved, 1, "RQ51 Form2"), 1,
       "「Form2」というウィンドウはありません。"},
      {"cut after the first line", FirstLines(saved, 1), 2,
       "ファイルが途中で切れています（「合計」の行がありません）。"},
      {"cut inside a list", FirstLines(saved, 6), 7,
       "ファイルが途中で切れています（「合計」の行がありません）。"},
      {"without its total", FirstLines(saved, lines - 1), lines,
       "ファイルが途中で切れています（「合計」の行がありません）。"},
      {"a cube that cannot exist", WithLine(saved, 2, "入力された色\t" + twisted_letters), 2,
       "入力された色が誤った配置です。コーナーのねじれが合いません"},
      {"colours not 54", WithLine(saved, 2, "入力された色\tGGG"), 2,
       "「入力された色\tGGG」が読めません。"},
      {"a heading misspelt", WithLine(saved, 4, "ListBoxl\t②．上CROSS\t12 手"), 4,
       "「ListBoxl\t②．上CROSS\t12 手」が読めません。"},
      {"a list missing", WithLine(saved, 4, "ListBox2\t③．F2C\t6 手"), 4, "が読めません。"},
      {"a total that does not add up", WithLine(saved, lines, "合計\t1 手"), lines,
       "「合計\t1 手」が読めません。（各ListBoxの手数の合計と合いません）"},
      {"text after the total", saved + "\nmore\n", lines + 2, "「more」が読めません。"},
      {"a button the window lacks", WithLine(saved, 3, "押したボタン\tCES Upper1"), 3,
       "「Upper1」というボタンはありません。"},
      {"an unknown turn", "R U\nR Q F\n", 2, "「Q」が読めません。"},
      {"an open bracket", "// first\n(R U R'\n", 2, "「(R」の括弧が閉じていません。"},
      {"comments only", "// R U\n// F\n", 2, "手順も色もありません。"},
      {"colours with a stray letter", std::string(53, 'G') + "X\n", 1, "が読めません。"},
  };
  for (const Case& c : cases) {
    SolverWindow window = SolvedLbWindow();
    const std::string before = window.SolutionText();
    const GridColours grids = window.grids();
    const SolverWindow::OpenedText result = window.OpenText(c.text);
    EXPECT_EQ(result.kind, OpenedKind::kRefused) << c.name;
    const std::string where =
        "ファイルの" + std::to_string(c.line) + "行目で読み込みを中止しました。";
    EXPECT_TRUE(result.message.starts_with(where)) << c.name << ": " << result.message;
    EXPECT_NE(result.message.find(c.reason), std::string::npos) << c.name << ": " << result.message;
    EXPECT_TRUE(result.message.ends_with("ウィンドウはそのままです。")) << c.name;
    EXPECT_EQ(result.message.find('\n'), std::string::npos) << c.name;
    EXPECT_EQ(window.file_message(), result.message) << c.name;
    EXPECT_EQ(window.SolutionText(), before) << c.name;
    EXPECT_EQ(window.grids(), grids) << c.name;
    EXPECT_EQ(window.label4(), std::string(kArrangementOk)) << c.name;
  }
}

TEST(OpeningTest, ASolutionOfAnotherWindowSaysWhichAndChangesNothing) {
  const std::string saved = SavedLbText();
  EXPECT_EQ(SolutionWindowOf(saved), WindowKind::kLb);
  EXPECT_EQ(SolutionWindowOf("R U R' U'"), std::nullopt);
  SolverWindow window = test::WindowFor(WindowKind::kCf);
  ASSERT_TRUE(test::EnterColours(window, test::SolvedColours()));
  const std::string before = window.SolutionText();
  const SolverWindow::OpenedText result = window.OpenText(saved);
  EXPECT_EQ(result.kind, OpenedKind::kOtherWindow);
  EXPECT_EQ(result.window, WindowKind::kLb);
  EXPECT_EQ(result.message, "このファイルはLB（Form5）の解法です。");
  EXPECT_EQ(window.SolutionText(), before);
}

TEST(OpeningTest, LinesThatDifferFromTheSavedOnesAreSaidAndTheComputedOnesKept) {
  const std::string saved = SavedLbText();
  SolverWindow computed = test::WindowFor(WindowKind::kLb);
  ASSERT_EQ(computed.OpenText(saved).message, "");
  // A line of ListBox2 as another version of the program might log it; the
  // file's CRLF line ends and byte order mark are read as well.
  const int heading = LineCount(saved.substr(0, saved.find("ListBox2"))) + 1;
  const std::string changed = WithLine(saved, heading + 1, "Lx Lz Lx-   7<-9");
  std::string windows_text = "\xEF\xBB\xBF";
  for (char c : changed) windows_text += c == '\n' ? std::string("\r\n") : std::string(1, c);

  SolverWindow window = SolvedLbWindow();
  const SolverWindow::OpenedText result = window.OpenText(windows_text);
  EXPECT_EQ(result.kind, OpenedKind::kSolution);
  EXPECT_EQ(result.message,
            "ファイルの手順と、いま計算した手順が違います（ListBox2の1行目から）。"
            "計算した手順を表示しています。");
  EXPECT_EQ(window.file_message(), result.message);
  EXPECT_EQ(window.SolutionText(), saved);
  // The next confirmation forgets the message.
  window.ColoringClick();
  EXPECT_EQ(window.file_message(), "");
}

TEST(OpeningTest, ATurnSequenceOrColourLettersArePaintedNotConfirmed) {
  SolverWindow window = SolvedLbWindow();
  const std::string before = window.SolutionText();
  // A standard-notation copy: comments, a turning over, line breaks.
  const std::string copied = "R U R' U' // first\n// no turns\n(R U)2 // again\nx2\n";
  SolverWindow::OpenedText result = window.OpenText(copied);
  EXPECT_EQ(result.kind, OpenedKind::kTurnSequence);
  EXPECT_EQ(result.message, "");
  EXPECT_EQ(window.grids(),
            test::GridsOf(ColoursAfterTurns(ReadTurnSequence("R U R' U' R U R U x2").moves)));
  EXPECT_EQ(window.SolutionText(), before);

  std::string letters;
  const Colours colours = test::Turned(test::SolvedColours(), test::Moves("Rx Lz2"));
  for (int k = 1; k <= kFaceletCount; ++k) letters += LetterOf(colours[k]);
  letters[4] = '.';
  result = window.OpenText("\n" + letters + "\n");
  EXPECT_EQ(result.kind, OpenedKind::kColours);
  Colours painted = colours;
  painted[5] = Colour::kNone;
  EXPECT_EQ(window.grids(), test::GridsOf(painted));
  EXPECT_EQ(window.SolutionText(), before);
  EXPECT_EQ(window.label4(), std::string(kArrangementOk));
}

TEST(OpeningTest, ThePressesAreRecordedSinceTheLastConfirmation) {
  SolverWindow window = test::WindowFor(WindowKind::kCf);
  ASSERT_TRUE(test::EnterColours(window, test::SolvedColours()));
  for (std::string_view name : {"Rx3", "CC", "Numtuke", "Lbx1clear", "Sikou", "CES", "GreenBtn"}) {
    ASSERT_TRUE(window.PressButton(name));
  }
  EXPECT_EQ(window.presses(), "Rx3 CC Numtuke Lbx1clear Sikou CES");
  window.PressButton("Reset");
  EXPECT_EQ(window.presses(), "Reset");
  window.PressButton("Ly2");
  EXPECT_EQ(window.presses(), "Reset Ly2");
  window.PressButton("Coloring");
  EXPECT_EQ(window.presses(), "");
}

TEST(SharingTest, TheTurningOverIsItsWholeCubeTurnAndThePreparationAComment) {
  SolverWindow window = test::WindowFor(WindowKind::kLb);
  ASSERT_TRUE(
      test::EnterColours(window, test::Turned(test::SolvedColours(), test::Moves("Rz Rx"))));
  window.PressButton("CES");
  window.PressButton("Rx");
  window.PressButton("Sikou");
  window.PressButton("Ry");
  EXPECT_EQ(window.StandardSolutionText(),
            "R U // 4<-53\n"
            "x2 // ④．上下反転持ち替え\n"
            "// ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し\n"
            "// ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し\n"
            "// ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し\n"
            "// 変換の試行準備をする。（色入力後の初期状態に戻す。）\n"
            "F'\n");
  EXPECT_EQ(window.StandardListText(4), "F'\n");
  EXPECT_EQ(window.StandardLinesText(1, {0, 0, 7}), "R U // 4<-53\n");
  EXPECT_EQ(window.StandardLinesText(9, {0}), "");
}

TEST(SharingTest, ARowThatGivesItsTurnsIsCopiedWithThem) {
  SolverWindow window = test::WindowFor(WindowKind::kTkc);
  ASSERT_TRUE(test::EnterColours(window, test::SolvedColours()));
  const Phase phase{[](const StateTable&) { return 7; },
                    StageTable{{7, {"as drawn", "see the picture"}, "Rx3 Ly2"}},
                    {},
                    std::nullopt};
  RunPhase(window, phase, 1);
  EXPECT_EQ(window.StandardSolutionText(), "// as drawn\nR B2 // see the picture\n");
  EXPECT_EQ(window.StandardLinesText(1, {1}), "R B2 // see the picture\n");
}

}  // namespace
}  // namespace rq51
