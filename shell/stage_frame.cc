#include "shell/stage_frame.h"

#include <utility>

#include "cube/notation.h"
#include "shell/solver_window.h"

namespace rq51 {

std::vector<Move> MovesOfRow(const RowSpec& written) {
  if (!written.turns.empty()) return ReadMacroText(written.turns, {.accept_power3 = true}).moves;
  return ReadMacroLines(written.lines).moves;
}

StageTable::StageTable(std::initializer_list<RowSpec> rows)
    : StageTable(std::vector<RowSpec>(rows)) {}

LineEffect EffectOfLine(std::string_view line) {
  const MacroReading reading = ReadMacroText(line);
  return {reading.map, static_cast<int>(reading.moves.size())};
}

StageTable::StageTable(const std::vector<RowSpec>& rows) {
  rows_.reserve(rows.size());
  for (const RowSpec& written : rows) {
    std::vector<Move> moves = MovesOfRow(written);
    FaceletMap map = MapOfMoves(moves);
    std::vector<LineEffect> effects;
    for (std::string_view line : written.lines) effects.push_back(EffectOfLine(line));
    if (!written.turns.empty() && !effects.empty()) {
      // The text does not carry the turns: the last line stands for all.
      for (LineEffect& effect : effects) effect = LineEffect{};
      effects.back() = {map, static_cast<int>(moves.size()), written.turns};
    }
    rows_.push_back(
        TableRow{written.key, written.lines, std::move(moves), map, std::move(effects)});
  }
}

const TableRow* StageTable::Find(int key) const {
  for (const TableRow& row : rows_) {
    if (row.key == key) return &row;
  }
  return nullptr;
}

Phase PlacementPhase(int target, StageTable table) {
  return Phase{[target](const StateTable& cube) { return cube.PositionOfHome(target); },
               std::move(table),
               {},
               std::nullopt};
}

Phase CodePhase(KeyFunction key, StageTable table, StatusLine status) {
  return Phase{std::move(key), std::move(table), {}, status};
}

bool RunPhase(SolverWindow& window, const Phase& phase, int list_box) {
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
  const TableRow* row = phase.table.Find(key);
  if (row != nullptr && logs) {
    for (size_t n = 0; n < row->lines.size(); ++n) {
      window.AppendLine(list_box, row->lines[n], row->line_effects[n]);
    }
  }
  window.ApplyWorkMap(row != nullptr ? row->map : FaceletMap::Identity(), logs);
  return row != nullptr;
}

void RunReHold(SolverWindow& window, const ReHold& rehold, std::string_view caption) {
  window.ReHoldOnCentres(rehold.centre_for_face);
  window.ApplyWorkMap(rehold.turn, false);
  window.NoteTurnedOver(caption, rehold.turn);
}

int RunRepeatedPass(SolverWindow& window, const RepeatedPass& repeated, int list_box) {
  int passes = 0;
  bool applied = true;
  while (applied && passes < repeated.max_passes) {
    applied = false;
    for (const Phase& phase : repeated.phases) applied |= RunPhase(window, phase, list_box);
    ++passes;
  }
  return passes;
}

void RunStage(SolverWindow& window, const Stage& stage) {
  for (const Step& step : stage.steps) {
    if (const Phase* phase = std::get_if<Phase>(&step)) {
      RunPhase(window, *phase, stage.list_box);
    } else if (const ReHold* rehold = std::get_if<ReHold>(&step)) {
      RunReHold(window, *rehold, stage.caption);
    } else {
      RunRepeatedPass(window, std::get<RepeatedPass>(step), stage.list_box);
    }
  }
}

void RunAllStages(SolverWindow& window, const Method& method) {
  for (const Stage& stage : method.stages) RunStage(window, stage);
}

}  // namespace rq51
