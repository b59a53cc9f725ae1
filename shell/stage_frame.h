// The frame every solver step runs in. A step is a phase: read one key from
// the cube, pick at most one table row, log its lines, apply its map,
// redraw. Headings, status lines, re-holding the cube and repeated passes
// are options of the same frame.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "cube/moves.h"
#include "cube/state_table.h"
#include "shell/window_variant.h"

namespace rq51 {

class SolverWindow;

// A table row as written in a solver's source: its key and its log lines,
// exactly as the list shows them. The turns are read from the lines; a row
// whose text cannot carry its turns gives them in `turns` (log notation) and
// a test proves the two agree.
struct RowSpec {
  int key;
  std::vector<std::string_view> lines;
  std::string_view turns = {};
};

// What one log line performs: the map of its turns and how many turns they
// are (a half turn counts one). A row's lines performed in order make its map.
// Where the row's text cannot carry its turns, its last line stands for all
// of them and `turns_text` names them (log notation).
struct LineEffect {
  FaceletMap map;
  int turns = 0;
  std::string_view turns_text = {};
};

struct TableRow {
  int key;
  std::vector<std::string_view> lines;
  std::vector<Move> moves;
  FaceletMap map;
  std::vector<LineEffect> line_effects;  // one per line
};

// The rows of one phase, in the order they are tested; maps are read from
// the texts once, when the table is built.
class StageTable {
 public:
  StageTable() = default;
  StageTable(std::initializer_list<RowSpec> rows);
  explicit StageTable(const std::vector<RowSpec>& rows);
  const TableRow* Find(int key) const;
  const std::vector<TableRow>& rows() const { return rows_; }

 private:
  std::vector<TableRow> rows_;
};

// The moves a row performs: its `turns` when given, else those of its lines.
std::vector<Move> MovesOfRow(const RowSpec& written);

// A line chosen by whether the key has its "nothing to do" value, logged
// after the headings and before the row lines.
struct StatusLine {
  int settled_key;
  std::string_view when_settled;
  std::string_view otherwise;
};

using KeyFunction = std::function<int(const StateTable&)>;

struct Phase {
  KeyFunction key;
  StageTable table;
  std::vector<std::string_view> headings;  // always logged, first
  std::optional<StatusLine> status;
};

// Turning the cube over: the faces take the colours now at `centre_for_face`
// (face 1's colour from the first position, ...), every sticker gets the code
// of its colour's face, cubies are identified again, the net is redrawn and
// then `turn` turns the whole cube.
struct ReHold {
  std::array<int, kFaceCount> centre_for_face;
  FaceletMap turn;
};

// Phases run one after another as a pass; another pass follows while the
// previous one applied a row, up to `max_passes` passes in all.
struct RepeatedPass {
  std::vector<Phase> phases;
  int max_passes;
};

using Step = std::variant<Phase, ReHold, RepeatedPass>;

struct Stage {
  std::string_view button;
  std::string_view caption;
  int list_box;  // 0 for a stage that logs nothing
  std::vector<Step> steps;
};

// The turns a log line performs, read from its text.
LineEffect EffectOfLine(std::string_view line);

// A solving method: the window it teaches in, its stages in the window's
// order, and the caption of the one-shot button `CES` that runs them all.
struct Method {
  WindowKind window;
  std::vector<Stage> stages;
  std::string_view one_shot_caption;
};

// The key PositionOfHome(target): a placement step.
Phase PlacementPhase(int target, StageTable table);
// A code-keyed step with its status line.
Phase CodePhase(KeyFunction key, StageTable table, StatusLine status);

// Each returns whether a row was applied.
bool RunPhase(SolverWindow& window, const Phase& phase, int list_box);
// `caption` names the turning over where the window shows the order of its
// lines.
void RunReHold(SolverWindow& window, const ReHold& rehold, std::string_view caption);
// The number of passes run.
int RunRepeatedPass(SolverWindow& window, const RepeatedPass& repeated, int list_box);
void RunStage(SolverWindow& window, const Stage& stage);
// Every stage in order, as if their buttons were pressed one after another.
void RunAllStages(SolverWindow& window, const Method& method);

}  // namespace rq51
