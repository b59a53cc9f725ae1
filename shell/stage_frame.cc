#include "shell/stage_frame.h"

#include "cube/notation.h"
#include "shell/solver_window.h"

namespace rq51 {

std::vector<Move> MovesOfRow(const RowSpec& written) {
  if (!written.turns.empty()) return ReadMacroText(written.turns, {.accept_power3 = true}).moves;
  return ReadMacroLines(written.lines).moves;
}

StageTable::StageTable(std::initializer_list<RowSpec> rows)
    : StageTable(std::vector<RowSpec>(rows)) {}

StageTable::StageTable(const std::vector<RowSpec>& rows) {
  rows_.reserve(rows.size());
  for (const RowSpec& written : rows) {
    std::vector<Move> moves = MovesOfRow(written);
    FaceletMap map = MapOfMoves(moves);
    rows_.push_back(TableRow{written.key, written.lines, std::move(moves), map});
  }
}

const TableRow* StageTable::Find(int key) const {
  for (const TableRow& row : rows_) {
    if (row.key == key) return &row;
  }
  return nullptr;
}

Phase PlacementPhase(int target, const StageTable& table) {
  Phase phase;
  phase.key = [target](const StateTable& cube) { return cube.PositionOfHome(target); };
  phase.table = &table;
  return phase;
}

void RunPhase(SolverWindow& window, const Phase& phase, int list_box) {
  window.work_map() = FaceletMap::Identity();
  // The key is read once, before anything moves; the lines logged and the
  // map applied both follow from it.
  const int key = phase.key ? phase.key(window.table()) : 0;
  const bool logs = list_box != 0 && window.HasListBox(list_box);
  if (logs) {
    for (std::string_view heading : phase.headings) window.AppendLine(list_box, heading);
    if (phase.status) {
      window.AppendLine(list_box, key == phase.status->settled_key ? phase.status->when_settled
                                                                   : phase.status->otherwise);
    }
  }
  const TableRow* row = phase.table != nullptr ? phase.table->Find(key) : nullptr;
  if (row != nullptr) {
    window.work_map() = row->map;
    if (logs) {
      for (std::string_view line : row->lines) window.AppendLine(list_box, line);
    }
  }
  window.table().ApplyMap(window.work_map());
  window.ShowNet();
}

void RunReHold(SolverWindow& window, const ReHold& rehold) {
  StateTable& cube = window.table();
  for (int face = 1; face <= kFaceCount; ++face) {
    cube.set_face_colour(face, cube.row(rehold.centre_for_face[face - 1]).colour);
  }
  cube.AssignCodes();
  cube.IdentifyAll();
  window.ShowNet();
  window.work_map() = rehold.turn;
  cube.ApplyMap(window.work_map());
  window.ShowNet();
}

void RunStage(SolverWindow& window, const Stage& stage) {
  for (const Step& step : stage.steps) {
    if (const Phase* phase = std::get_if<Phase>(&step)) {
      RunPhase(window, *phase, stage.list_box);
    } else {
      RunReHold(window, std::get<ReHold>(step));
    }
  }
}

void RunAllStages(SolverWindow& window, const std::vector<Stage>& stages) {
  for (const Stage& stage : stages) RunStage(window, stage);
}

std::vector<StageButton> ButtonsForStages(const std::vector<Stage>& stages,
                                          std::string_view one_shot_caption) {
  std::vector<StageButton> buttons;
  for (const Stage& stage : stages) {
    const Stage* s = &stage;
    buttons.push_back({std::string(stage.button), std::string(stage.caption),
                       [s](SolverWindow& window) { RunStage(window, *s); }, stage.list_box});
  }
  const std::vector<Stage>* all = &stages;
  buttons.push_back({"CES", std::string(one_shot_caption),
                     [all](SolverWindow& window) { RunAllStages(window, *all); }});
  return buttons;
}

}  // namespace rq51
