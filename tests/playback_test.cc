// Following a solution line by line: which lines keep their moment through
// later events, and the solution kept as a text file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/solution_file.h"
#include "cube/notation.h"
#include "shell/solver_window.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::Colours;

std::vector<std::string> TraceTexts(const SolverWindow& window) {
  std::vector<std::string> texts;
  for (const SolverWindow::TraceLine& line : window.Trace()) texts.emplace_back(line.place.text);
  return texts;
}

TEST(PlaybackTest, LinesKeepTheirMomentUntilTheirListIsCleared) {
  SolverWindow window = test::WindowFor(WindowKind::kTkc);
  ASSERT_TRUE(test::EnterColours(window, test::SolvedColours()));
  window.PressButton("Rz");
  window.PressButton("Upper1");  // "Rz-   1<-46"
  EXPECT_EQ(TraceTexts(window), (std::vector<std::string>{"Rz", "Rz-   1<-46"}));
  EXPECT_EQ(window.last_run_turns(), 1);
  // The trial list is cleared by preparation; later lines come after the old.
  window.PressButton("Sikou");
  window.PressButton("Ry");
  EXPECT_EQ(TraceTexts(window), (std::vector<std::string>{"Rz-   1<-46", "Ry"}));
  ASSERT_TRUE(window.BrowseLine(4, 0));
  EXPECT_EQ(window.BrowsedPlace()->turns_so_far, 2);
  EXPECT_EQ(window.PlaybackText(), "ListBox4 1/1 · 2/2 手");
  // The cube after Ry is the entered cube turned by Ry, whatever came before
  // preparation.
  const std::vector<SolverWindow::TraceLine> trace = window.Trace();
  EXPECT_EQ(test::HomesOf(trace.back().table), test::HomesAfter(MoveMap({BaseTurn::kRy, 1})));
  EXPECT_EQ(test::HomesOf(trace.back().table), test::HomesOf(window.table()));
  // A list cleared loses its lines and their moments.
  window.PressButton("Lbx1clear");
  EXPECT_FALSE(window.browsing());
  EXPECT_FALSE(window.BrowseLine(1, 0));
  EXPECT_EQ(TraceTexts(window), std::vector<std::string>{"Ry"});
  // Confirmation starts afresh.
  window.PressButton("Coloring");
  EXPECT_TRUE(window.Trace().empty());
  window.BrowseStep(1);
  EXPECT_FALSE(window.browsing());
}

TEST(PlaybackTest, TheTurningOverIsAnEntryOfItsOwn) {
  SolverWindow window = test::WindowFor(WindowKind::kLb);
  ASSERT_TRUE(
      test::EnterColours(window, test::Turned(test::SolvedColours(), test::Moves("Rz Rx"))));
  window.PressButton("CES");
  window.BrowseStep(1);  // the first line
  EXPECT_EQ(window.BrowsedPlace()->text, "Rx-Rz-   4<-53");
  window.BrowseStep(1);
  EXPECT_EQ(window.BrowsedPlace()->list_box, 0);
  EXPECT_EQ(window.PlaybackText(), "④．上下反転持ち替え：ここでキューブを上下反転 · 2/2 手");
  window.BrowseStep(-1);
  window.BrowseStep(-1);  // stays on the first line
  EXPECT_EQ(window.BrowsedPlace()->index, 0u);
}

// The net can also show the cube before the first line; stepping on from
// there starts at the first line, and every entry of the trace can be shown
// by its place in it.
TEST(PlaybackTest, TheStartAndEveryTraceEntryCanBeShown) {
  SolverWindow window = test::WindowFor(WindowKind::kLb);
  EXPECT_FALSE(window.BrowseStart());  // no lines yet
  ASSERT_TRUE(
      test::EnterColours(window, test::Turned(test::SolvedColours(), test::Moves("Rz Rx"))));
  std::vector<NetCell> entered;
  for (int k = 1; k <= kFaceletCount; ++k) entered.push_back(window.net(k));
  window.PressButton("CES");
  ASSERT_TRUE(window.BrowseStart());
  EXPECT_TRUE(window.browsing_start());
  EXPECT_FALSE(window.BrowsedTraceLine().has_value());
  EXPECT_EQ(
      window.PlaybackText(),
      "入力されたキューブ · 0/" + std::to_string(window.Trace().back().place.turns_total) + " 手");
  for (int k = 1; k <= kFaceletCount; ++k) EXPECT_EQ(window.ShownNet(k), entered[k - 1]);
  window.BrowseStep(-1);
  EXPECT_TRUE(window.browsing_start());
  window.BrowseStep(1);
  EXPECT_EQ(window.BrowsedTraceLine(), std::optional<size_t>(0));

  const std::vector<SolverWindow::TraceLine> trace = window.Trace();
  for (size_t n = 0; n < trace.size(); ++n) {
    ASSERT_TRUE(window.BrowseTraceLine(n));
    EXPECT_EQ(window.BrowsedTraceLine(), std::optional<size_t>(n));
    EXPECT_EQ(window.BrowsedPlace()->text, trace[n].place.text);
    EXPECT_EQ(window.NetColoursOf(trace[n].table)[1], window.ShownNet(1).colour);
  }
  EXPECT_FALSE(window.BrowseTraceLine(trace.size()));
  // The turning over keeps the turn of the whole cube that did it.
  EXPECT_EQ(trace[1].place.list_box, 0);
  EXPECT_EQ(trace[1].map, MapOfMoves(test::Moves("Rx2 Mx2 Lx2")));
  // With the lines before it cleared, the start is the cube before that
  // turn.
  window.PressButton("Lbx1clear");
  ASSERT_EQ(window.Trace().front().place.list_box, 0);
  ASSERT_TRUE(window.BrowseStart());
  StateTable before = window.Trace().front().table;
  before.ApplyMap(Inverse(window.Trace().front().map));
  EXPECT_EQ(window.NetColoursOf(before)[5], window.ShownNet(5).colour);
  EXPECT_NE(window.ShownNet(5).colour, window.ShownNet(23).colour);
  for (int k = 1; k <= kFaceletCount; ++k) {
    EXPECT_EQ(window.NetColoursOf(before)[k], window.ShownNet(k).colour) << k;
  }
}

// The saved text: the entered cube in rq51-cli's letters, the buttons
// pressed since, every list with its heading and turns, the total.
TEST(PlaybackTest, SolutionTextSavesAndReadsBack) {
  SolverWindow window = test::WindowFor(WindowKind::kCf);
  const Colours entered = test::Turned(test::SolvedColours(), test::Moves("Rz3 My"));
  ASSERT_TRUE(test::EnterColours(window, entered));
  window.PressButton("CES");
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("rq51-save-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "solution.txt").string();
  std::ofstream(path) << "an older file that the save replaces completely\n";
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, window.SolutionText(), error)) << error;

  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  EXPECT_TRUE(line.starts_with("RQ51 Form4 ")) << line;
  std::getline(file, line);
  std::string letters;
  for (int k = 1; k <= kFaceletCount; ++k) letters += LetterOf(entered[k]);
  EXPECT_EQ(line, "入力された色\t" + letters);
  std::getline(file, line);
  EXPECT_EQ(line, "押したボタン\tCES");
  int total = 0;
  for (int n : window.ListBoxNumbers()) {
    std::getline(file, line);
    EXPECT_TRUE(line.starts_with("ListBox" + std::to_string(n) + "\t")) << line;
    EXPECT_TRUE(line.ends_with("\t" + std::to_string(window.ListTurns(n)) + " 手")) << line;
    total += window.ListTurns(n);
    for (const std::string& listed : window.list_box(n)) {
      std::getline(file, line);
      EXPECT_EQ(line, listed);
    }
  }
  std::getline(file, line);
  EXPECT_EQ(line, "合計\t" + std::to_string(total) + " 手");
  EXPECT_FALSE(std::getline(file, line));
  std::filesystem::remove_all(folder);
}

TEST(PlaybackTest, AFailedSaveSaysWhyAndLeavesNothing) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("rq51-fail-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::string error;
  // No such folder; a folder where the file should be.
  EXPECT_FALSE(WriteFileAtomically((folder / "missing" / "a.txt").string(), "text", error));
  EXPECT_NE(error.find("書き込めません"), std::string::npos);
  std::filesystem::create_directories(folder / "taken.txt");
  EXPECT_FALSE(WriteFileAtomically((folder / "taken.txt").string(), "text", error));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.txt"));
  size_t entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    entries += !entry.is_directory();
  EXPECT_EQ(entries, 0u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace rq51
