// The solver window's aids to colour entry: painting the grids from a turn
// sequence, typing colours into the grids, and naming the rule a refused
// entry breaks.
#include <string>
#include <string_view>

#include "cube/standard_notation.h"
#include "cube/translation.h"
#include "shell/fault_text.h"
#include "shell/quoted_text.h"
#include "shell/solver_window.h"

namespace rq51 {

void SolverWindow::ScrambleClick() {
  BrowseLive();
  const TurnSequence sequence = ReadTurnSequence(scramble_text_);
  if (sequence.read && sequence.moves.empty()) {
    // Only blanks: painting a solved cube over the entry would lose it.
    scramble_message_ =
        Message("SolverWindow", RQ51_TR_NOOP("SolverWindow", "手順を入力して下さい。"));
    return;
  }
  if (!sequence.read) {
    scramble_message_ =
        Message("SolverWindow", RQ51_TR_NOOP("SolverWindow", "%1グリッドの色はそのままです。"),
                {UnreadWordMessage(sequence.unread_word, sequence.open_bracket)});
    return;
  }
  const auto colours = ColoursAfterTurns(sequence.moves);
  for (int k = 1; k <= kFaceletCount; ++k) {
    const GridCell cell = FaceletGridCell(k);
    grids_[cell.grid][cell.column][cell.row] = colours[k];
  }
  scramble_message_ = {};
  ClearOutlines();
}

int SolverWindow::TypeColour(int grid, Colour colour) {
  if (grid < 1 || grid > kFaceCount) return grid;
  ChooseColour(colour);
  const CellRef cell = selected_[grid];
  grids_[grid][cell.column][cell.row] = colour;
  ClearOutlines();
  if (cell.column < 2) {
    selected_[grid] = {cell.column + 1, cell.row};
  } else if (cell.row < 2) {
    selected_[grid] = {0, cell.row + 1};
  } else if (grid < kFaceCount) {
    selected_[++grid] = {0, 0};
  }
  return grid;
}

std::string SolverWindow::fault_text() const { return FaultText(named_fault_); }

bool SolverWindow::IsOutlined(int grid, int column, int row) const {
  if (grid < 1 || grid > kFaceCount || column < 0 || column > 2 || row < 0 || row > 2) {
    return false;
  }
  return outlined_[GridCellFacelet(grid, column, row)];
}

void SolverWindow::NameFault() {
  ClearOutlines();
  scramble_message_ = {};
  if (last_fault_ == ArrangementFault::kReal) {
    named_fault_ = {};
    return;
  }
  named_fault_ = DiagnoseArrangement(ColoursOf(table_), variant_->rule);
  // The colours alone always explain a refusal; should they ever not, the
  // home numbers that identification could not give are pieces it could
  // not tell apart.
  if (named_fault_.rule == FaultRule::kNone) named_fault_.rule = FaultRule::kPieces;
  for (int facelet : named_fault_.facelets) outlined_[facelet] = true;
}

}  // namespace rq51
