// Fuzzes opening a text in a solver window: a saved solution, a turn
// sequence, a line of colour letters, or anything else.
//
// The first byte chooses the window (its value less '0', modulo 5) and
// whether a solution is entered and solved in it first (0-4) or it is fresh
// (5-9); the rest is the text. Whatever the text:
//  - the message is one line;
//  - a refusal names the line where reading stopped and leaves the window
//    exactly as it was: its saved text, grids and status;
//  - a solution of another window changes nothing, and SolutionWindowOf
//    names that window;
//  - a turn sequence or colour letters change the grids and nothing else;
//  - a solution opened here may differ from the saved lines, but what it
//    saves then opens again without a difference, to the same bytes, unless
//    its buttons include Reset (which leaves a cube that confirming afresh
//    may number otherwise).
#include <string>
#include <string_view>

#include "app/solver_windows.h"
#include "cube/standard_notation.h"
#include "shell/solution_text.h"
#include "tests/fuzz/harness.h"

namespace rq51::fuzz {
namespace {

std::unique_ptr<SolverWindow> WindowBefore(WindowKind kind, bool solved) {
  std::unique_ptr<SolverWindow> window = CreateSolverWindow(kind);
  if (!solved) return window;
  window->scramble_text() = "Rx Ly2 Mz Rz3 Lx My";
  window->ScrambleClick();
  window->PressButton("Coloring");
  window->PressButton(window->stage_buttons().front().name);
  window->PressButton("Ry2");
  return window;
}

void CheckOpening(WindowKind kind, bool solved, std::string_view text) {
  std::unique_ptr<SolverWindow> window = WindowBefore(kind, solved);
  const std::string saved_before = window->SolutionText();
  const GridColours grids_before = window->grids();
  const std::string label_before = window->label4();

  const SolverWindow::OpenedText opened = window->OpenText(text);
  Require(opened.message.find('\n') == std::string::npos, "a message of more than one line");
  const bool unchanged = window->SolutionText() == saved_before &&
                         window->grids() == grids_before && window->label4() == label_before;
  switch (opened.kind) {
    case OpenedKind::kRefused:
      Require(opened.message.starts_with("ファイルの") &&
                  opened.message.find("行目で読み込みを中止しました。") != std::string::npos,
              "a refusal that names no line: " + opened.message);
      Require(unchanged, "a refusal changed the window: " + opened.message);
      return;
    case OpenedKind::kOtherWindow:
      Require(opened.window != kind, "a solution of this window called another's");
      Require(SolutionWindowOf(text) == opened.window, "SolutionWindowOf names another window");
      Require(unchanged, "a solution of another window changed this one");
      return;
    case OpenedKind::kTurnSequence:
    case OpenedKind::kColours:
      Require(opened.message.empty(), "a painted text with a message");
      Require(window->SolutionText() == saved_before && window->label4() == label_before,
              "a painted text changed more than the grids");
      return;
    case OpenedKind::kSolution:
      break;
  }
  Require(SolutionWindowOf(text) == kind, "SolutionWindowOf does not name the window");
  const std::string saved = window->SolutionText();
  std::unique_ptr<SolverWindow> again = CreateSolverWindow(kind);
  const SolverWindow::OpenedText reopened = again->OpenText(saved);
  if (reopened.kind == OpenedKind::kSolution && reopened.message.empty()) {
    Require(again->SolutionText() == saved, "the same lines saved to other bytes");
  }
  if (window->presses().find("Reset") == std::string::npos) {
    Require(reopened.kind == OpenedKind::kSolution && reopened.message.empty(),
            "a saved solution did not open again as it was: " + reopened.message);
  }
}

}  // namespace
}  // namespace rq51::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // Many presses only make one input slow; the presses themselves are the
  // window fuzzer's business.
  if (size > 16384) return 0;
  const int choice = static_cast<uint8_t>(data[0] - '0') % 10;
  const rq51::WindowKind kind = rq51::AllWindowKinds()[choice % 5];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  rq51::fuzz::CheckOpening(kind, choice < 5, text);
  return 0;
}
