#include "tests/fuzz/window_actions.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/solver_windows.h"
#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/standard_notation.h"
#include "cube/state_table.h"
#include "view3d/cube_geometry.h"

namespace rq51::fuzz {

namespace {

constexpr uint32_t Bit(int list_box) { return uint32_t{1} << list_box; }

// The stage lists and the trial list: what a confirmation and Reset empty.
uint32_t EntryLists(const SolverWindow& window) {
  uint32_t lists = Bit(4);
  for (int n : window.variant().stage_lists) lists |= Bit(n);
  return lists;
}

bool GridsHoldSolvedCube(const SolverWindow& window) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    const GridCell cell = FaceletGridCell(k);
    if (window.grid_cell(cell.grid, cell.column, cell.row) != HomeFaceColour(FaceOf(k))) {
      return false;
    }
  }
  return true;
}

// Presses the control with this name, as a click would, and says what the
// press did by the window's rules.
Effect Press(SolverWindow& window, const std::string& name) {
  if (!window.PressButton(name)) return {};
  if (name == "Coloring") return {EntryLists(window), true, false};
  if (name == "Sikou") {
    // A check that fails resets the window, which empties the stage lists
    // too.
    const bool rejected = window.label4() == kArrangementWrong;
    return {rejected ? EntryLists(window) : Bit(4), true, false};
  }
  if (name == "Reset") return {EntryLists(window)};
  for (int n : window.variant().clear_buttons) {
    if (name == "Lbx" + std::to_string(n) + "clear") return {Bit(n)};
  }
  return {};
}

Effect PaintCell(SolverWindow& window, ActionBytes& bytes) {
  // Grids 0 and 7 and cells off the grid are presses the window must ignore.
  const int grid = bytes.Between(0, kFaceCount + 1);
  const auto button = static_cast<MouseButton>(bytes.Below(3));
  const CellRef cell{bytes.Between(-1, 3), bytes.Between(-1, 3)};
  window.GridMouseDown(grid, button, cell);
  return {};
}

Effect ChooseColour(SolverWindow& window, ActionBytes& bytes) {
  return Press(window, std::string(ColourTable()[bytes.Below(kColourCount)].button));
}

Effect PressColoring(SolverWindow& window, ActionBytes&) { return Press(window, "Coloring"); }

// A whole real cube, scrambled by up to 40 turns, painted cell by cell as a
// user would, and confirmed or not.
Effect PaintRealCube(SolverWindow& window, ActionBytes& bytes) {
  std::vector<Move> moves(bytes.Below(41));
  for (Move& move : moves) move = AllMoves()[bytes.Below(27)];
  const bool confirm = bytes.Below(2) == 0;
  const auto colours = ColoursAfterTurns(moves);
  for (int k = 1; k <= kFaceletCount; ++k) {
    window.PressButton(InfoOf(colours[k])->button);
    const GridCell cell = FaceletGridCell(k);
    window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  }
  if (!confirm) return {};
  Effect effect = Press(window, "Coloring");
  effect.real_cube = true;
  return effect;
}

Effect PressTrialMove(SolverWindow& window, ActionBytes& bytes) {
  return Press(window, ButtonName(AllMoves()[bytes.Below(27)]));
}

Effect PressSikou(SolverWindow& window, ActionBytes&) { return Press(window, "Sikou"); }

Effect PressNumtuke(SolverWindow& window, ActionBytes&) { return Press(window, "Numtuke"); }

Effect PressReset(SolverWindow& window, ActionBytes&) { return Press(window, "Reset"); }

Effect PressStage(SolverWindow& window, ActionBytes& bytes) {
  const std::vector<StageButton>& buttons = window.stage_buttons();
  if (buttons.empty()) return {};
  return Press(window, std::string(buttons[bytes.Below(static_cast<int>(buttons.size()))].name));
}

Effect PressListClear(SolverWindow& window, ActionBytes& bytes) {
  // Lists 0 and 7 do not exist, nor do the clear buttons some windows lack.
  return Press(window, "Lbx" + std::to_string(bytes.Between(0, 7)) + "clear");
}

Effect TypeEdit55(SolverWindow& window, ActionBytes& bytes) {
  window.edit55() = bytes.Text(48);
  return {};
}

Effect TypeNetCell(SolverWindow& window, ActionBytes& bytes) {
  // 0 and 55 are no net cells.
  const int k = bytes.Between(0, kFaceletCount + 1);
  window.SetNetText(k, bytes.Text(8));
  return {};
}

Effect PressClose(SolverWindow& window, ActionBytes&) { return Press(window, "BitBtn1"); }

// A turn sequence typed under the grids, garbage or real, and entered.
Effect EnterSequence(SolverWindow& window, ActionBytes& bytes) {
  if (bytes.Below(2) == 0) {
    window.scramble_text() = bytes.Text(40);
  } else {
    std::string text;
    for (int n = bytes.Below(20); n > 0; --n) text += LogName(AllMoves()[bytes.Below(27)]) + " ";
    window.scramble_text() = text;
  }
  window.ScrambleClick();
  return {};
}

// A colour letter typed into a grid (grids 0 and 7 do not exist).
Effect TypeColour(SolverWindow& window, ActionBytes& bytes) {
  const int grid = bytes.Between(0, kFaceCount + 1);
  window.TypeColour(grid, ColourTable()[bytes.Below(kColourCount)].colour);
  return {};
}

// Stepping through the logged lines and looking at the net, the place and
// the saved text: none of it may change the cube or a list.
Effect Browse(SolverWindow& window, ActionBytes& bytes) {
  switch (bytes.Below(4)) {
    case 0:
      window.BrowseStep(bytes.Below(2) == 0 ? -1 : 1);
      break;
    case 1:
      window.BrowseLine(bytes.Between(0, 7), static_cast<size_t>(bytes.Below(64)));
      break;
    case 2:
      window.BrowseLive();
      break;
    default:
      static_cast<void>(window.SolutionText());
      break;
  }
  for (int k = 1; k <= kFaceletCount; ++k) static_cast<void>(window.ShownNet(k));
  static_cast<void>(window.PlaybackText());
  return {0, false, false, true};
}

// --- The 3D cube -----------------------------------------------------------------

Effect ViewOnly() {
  Effect effect;
  effect.keeps_cube = true;
  effect.view_only = true;
  return effect;
}

// A line on or back, a line of the trace (or none), the entered cube, the
// end, play or pause, the scrub bar anywhere (or off it), a speed (or one
// out of range).
Effect UseTheView(ViewedWindow& viewed, ActionBytes& bytes) {
  CubePlayer& player = viewed.player;
  switch (bytes.Below(7)) {
    case 0:
      player.StepLine(bytes.Below(2) == 0 ? -1 : 1);
      break;
    case 1:
      player.JumpToLine(static_cast<size_t>(
          bytes.Below(static_cast<int>(std::min<size_t>(player.line_count() + 2, 256)))));
      break;
    case 2:
      player.Home();
      break;
    case 3:
      player.End();
      break;
    case 4:
      player.PlayPause();
      break;
    case 5:
      player.ScrubTo(player.turn_total() * bytes.Below(256) / 200 - bytes.Below(3));
      break;
    default:
      player.SetSpeed(0.125 * bytes.Below(40));
      break;
  }
  return ViewOnly();
}

// Time passes, in steps as small as one frame or as long as many turns.
Effect LetTimePass(ViewedWindow& viewed, ActionBytes& bytes) {
  for (int n = bytes.Below(8); n >= 0; --n) {
    viewed.clock.now += bytes.Below(2) == 0 ? 16 : 40 * bytes.Below(64);
    viewed.player.Advance();
  }
  return ViewOnly();
}

// Everything the view shows, drawn from any camera: the picture now, the
// picture at any turn part done, the marked turn and the place.
Effect LookAtTheView(ViewedWindow& viewed, ActionBytes& bytes) {
  const CubePlayer& player = viewed.player;
  view3d::Scene scene;
  std::optional<PlayerPicture> picture = player.Picture();
  if (bytes.Below(2) == 0) {
    picture = player.PictureAtTurn(bytes.Between(-2, 250), bytes.Below(4) / 4.0);
  }
  if (picture) {
    scene.colours = picture->colours;
    scene.turn = picture->turn;
    scene.fraction = picture->fraction;
  }
  scene.camera = {bytes.Between(-200, 200) * 1.8, bytes.Between(-100, 100) * 1.0};
  scene.width = bytes.Between(0, 200);
  scene.height = bytes.Between(0, 200);
  scene.hidden_faces = bytes.Below(2) == 0;
  const view3d::Frame frame = view3d::BuildFrame(scene);
  for (const view3d::StickerCentre& centre : frame.centres) {
    static_cast<void>(view3d::TopmostAt(frame, centre.at));
  }
  static_cast<void>(player.PlaceText());
  static_cast<void>(player.turn_index());
  return ViewOnly();
}

// A trial button pressed with the 3D cube watching: the turn is performed
// on the picture.
Effect TrialMoveWatched(ViewedWindow& viewed, ActionBytes& bytes) {
  const Move move = AllMoves()[bytes.Below(27)];
  viewed.window.TrialMove(move);
  viewed.player.TrialMoved(move);
  return {};
}

// A name that may be no button at all.
Effect PressAnyName(SolverWindow& window, ActionBytes& bytes) {
  return Press(window, bytes.Text(12));
}

}  // namespace

const std::vector<WindowAction>& WindowActions() {
  static const std::vector<WindowAction> actions = {
      {"paint a cell", PaintCell},
      {"choose a colour", ChooseColour},
      {"Coloring", PressColoring},
      {"paint a real cube", PaintRealCube},
      {"trial move", PressTrialMove},
      {"Sikou", PressSikou},
      {"Numtuke", PressNumtuke},
      {"Reset", PressReset},
      {"stage or one-shot button", PressStage},
      {"Lbx<n>clear", PressListClear},
      {"type into Edit55", TypeEdit55},
      {"type into a net cell", TypeNetCell},
      {"close", PressClose},
      {"press any name", PressAnyName},
      {"enter a turn sequence", EnterSequence},
      {"type a colour", TypeColour},
      {"browse the lines", Browse},
      {"use the 3D cube", nullptr, UseTheView},
      {"let the 3D cube move", nullptr, LetTimePass},
      {"look at the 3D cube", nullptr, LookAtTheView},
      {"trial move on the 3D cube", nullptr, TrialMoveWatched},
  };
  return actions;
}

WindowDriver::WindowDriver(WindowKind kind)
    : window_(CreateSolverWindow(kind)), player_(std::make_unique<CubePlayer>(*window_, clock_)) {
  Remember();
}

void WindowDriver::Remember() {
  for (int n : window_->ListBoxNumbers()) {
    const std::vector<std::string>& lines = window_->list_box(n);
    lists_[n] = {lines.size(), lines.empty() ? std::string() : lines.back()};
  }
}

std::string WindowDriver::Step(ActionBytes& bytes) {
  const std::vector<WindowAction>& actions = WindowActions();
  const WindowAction& action = actions[bytes.Below(static_cast<int>(actions.size()))];
  last_action_ = action.name;
  table_before_ = window_->table();
  Effect effect;
  if (action.perform != nullptr) {
    effect = action.perform(*window_, bytes);
  } else {
    lists_before_.clear();
    for (int n : window_->ListBoxNumbers()) lists_before_.push_back(window_->list_box(n));
    label4_before_ = window_->label4();
    ViewedWindow viewed{*window_, *player_, clock_};
    effect = action.perform_viewed(viewed, bytes);
  }
  // The 3D cube moves the net itself; the Qt window tells its 3D cube of
  // what else changed after each of its handlers.
  if (action.perform == nullptr && player_->live() == window_->browsing()) {
    return "the 3D cube and the net disagree";
  }
  player_->WindowChanged();
  std::string broken = Check(effect);
  Remember();
  return broken;
}

std::string WindowDriver::Check(const Effect& effect) {
  const SolverWindow& window = *window_;
  for (int k = 1; k <= kFaceletCount; ++k) {
    const int home = window.table().Home(k);
    if (home < 0 || home > kFaceletCount) {
      return "home number " + std::to_string(home) + " at " + std::to_string(k);
    }
  }

  for (int n : window.ListBoxNumbers()) {
    const std::vector<std::string>& lines = window.list_box(n);
    const ListState& before = lists_[n];
    if ((effect.emptied & Bit(n)) != 0) {
      if (!lines.empty()) return "ListBox" + std::to_string(n) + " was not emptied";
    } else if (lines.size() < before.size ||
               (before.size > 0 && lines[before.size - 1] != before.last)) {
      return "ListBox" + std::to_string(n) + " lost lines: " + std::to_string(before.size) +
             " before, " + std::to_string(lines.size()) + " after";
    }
  }

  if (effect.keeps_cube && !(window.table() == table_before_)) return "browsing changed the cube";
  if (effect.view_only) {
    std::vector<std::vector<std::string>> lists;
    for (int n : window.ListBoxNumbers()) lists.push_back(window.list_box(n));
    if (lists != lists_before_) return "the 3D cube changed a list";
    if (window.label4() != label4_before_) return "the 3D cube changed Label4";
  }
  // The picture rests on the live cube exactly when the net does.
  if (player_->live() == window.browsing()) return "the 3D cube and the net disagree";
  const MarkedTurn marked = player_->Marked();
  if (marked.begin > marked.end || marked.end > marked.text.size()) {
    return "the marked turn lies outside its line";
  }
  if (player_->turn_index() < 0 || player_->turn_index() > player_->turn_total()) {
    return "the 3D cube is at turn " + std::to_string(player_->turn_index()) + " of " +
           std::to_string(player_->turn_total());
  }

  const std::string& label = window.label4();
  if (label != kNotEntered && label != kArrangementOk && label != kArrangementWrong) {
    return "Label4 reads '" + label + "'";
  }

  if (effect.confirmed) {
    const bool solved = GridsHoldSolvedCube(window);
    const bool accepted = label == kArrangementOk;
    if ((solved || effect.real_cube) && !accepted) {
      return solved ? "a solved cube was refused" : "a real cube was refused";
    }
    solved_accepted_ = solved;
  } else if (solved_accepted_ && label != kArrangementOk) {
    return "a solved cube accepted before is no longer accepted";
  }
  return {};
}

}  // namespace rq51::fuzz
