#include "shell/solver_window.h"

#include <utility>

#include "cube/number_text.h"

namespace rq51 {

namespace {

// Net palette of the corners-first exercise window: the colour of a
// sticker's home face.
std::string_view NameOfCode(int code) {
  switch (code) {
    case 1:
      return "clGreen";
    case 10:
      return "clRed";
    case 100:
      return "clBlue";
    case 1000:
      return "clFuchsia";
    case 10000:
      return "clWhite";
    default:
      return "clYellow";
  }
}

std::string_view NameOfLetter(std::string_view letter) {
  if (letter == "G") return "clGreen";
  if (letter == "R") return "clRed";
  if (letter == "B") return "clBlue";
  if (letter == "O") return "clFuchsia";
  if (letter == "W") return "clWhite";
  return "clYellow";
}

bool IsReferenceFacelet(int k) { return k == 18 || k == 25 || k == 45; }

}  // namespace

Rgb ColourOfName(std::string_view name) {
  if (name == "clGreen") return {0, 128, 0};
  if (name == "clRed") return {255, 0, 0};
  if (name == "clBlue") return {0, 0, 255};
  if (name == "clFuchsia") return {255, 0, 255};
  if (name == "clYellow") return {255, 255, 0};
  return kWhite;
}

SolverWindow::SolverWindow(WindowKind kind, std::vector<StageButton> stage_buttons)
    : variant_(&VariantOf(kind)), stage_buttons_(std::move(stage_buttons)) {
  for (int n : variant_->stage_lists) lists_[n];
  lists_[4];
  if (variant_->net_by_home_face) {
    PresetReferenceCorner();
  } else {
    ResetWindow();
  }
}

void SolverWindow::PresetReferenceCorner() {
  // The corner held at the left back: bottom red, back blue, left white.
  struct Preset {
    int facelet;
    std::string_view letter;
    std::string_view colour_name;
  };
  static constexpr Preset kPresets[] = {
      {18, "R", "clRed"}, {25, "B", "clBlue"}, {45, "W", "clWhite"}};
  for (const Preset& preset : kPresets) {
    const GridCell cell = FaceletGridCell(preset.facelet);
    grids_[cell.grid][cell.column][cell.row] = std::string(preset.letter);
    net_[preset.facelet] = {std::to_string(preset.facelet), ColourOfName(preset.colour_name)};
  }
}

std::vector<int> SolverWindow::ListBoxNumbers() const {
  std::vector<int> numbers;
  for (const auto& [n, lines] : lists_) numbers.push_back(n);
  return numbers;
}

void SolverWindow::GridMouseDown(int grid, MouseButton button, CellRef under_pointer) {
  if (grid < 1 || grid > kFaceCount) return;
  if (button == MouseButton::kLeft) {
    if (under_pointer.column < 0 || under_pointer.column > 2 || under_pointer.row < 0 ||
        under_pointer.row > 2) {
      return;
    }
    selected_[grid] = under_pointer;
  }
  const CellRef cell = selected_[grid];
  grids_[grid][cell.column][cell.row] = current_colour_;
}

void SolverWindow::ReadAndIdentify() {
  table_.ReadGrids(grids_, variant_->rule);
  table_.IdentifyAll();
  ShowNet();
}

void SolverWindow::ClearStageAndTrialLists() {
  for (int n : variant_->stage_lists) lists_[n].clear();
  lists_[4].clear();
  edit55_.clear();
}

void SolverWindow::ColoringClick() {
  ReadAndIdentify();
  ClearStageAndTrialLists();
  CheckArrangement();
}

void SolverWindow::CheckArrangement() {
  // Beyond the counts of yellow stickers and home numbers, the colours must
  // be those of a cube that can really exist; anything else would be
  // reported correct and then left unsolved by every method.
  ArrangementFault fault = ArrangementFault::kCounts;
  if (table_.CountsAreConsistent()) {
    std::array<std::string, kFaceletCount + 1> colours;
    for (int i = 1; i <= kFaceletCount; ++i) colours[i] = table_.row(i).colour;
    fault = CheckRealArrangement(colours, variant_->rule);
  }
  last_fault_ = fault;
  if (fault == ArrangementFault::kReal) {
    label4_ = std::string(kArrangementOk);
  } else {
    label4_ = std::string(kArrangementWrong);
    ResetWindow();
  }
}

void SolverWindow::ResetWindow() {
  for (auto& grid : grids_) {
    for (auto& column : grid) {
      for (std::string& cell : column) cell.clear();
    }
  }
  for (int k = 1; k <= kFaceletCount; ++k) net_[k] = NetCell{};
  if (variant_->net_by_home_face) PresetReferenceCorner();
  ClearStageAndTrialLists();
}

void SolverWindow::ShowNet() {
  if (variant_->net_by_home_face) {
    for (int k = 1; k <= kFaceletCount; ++k) {
      table_.row(k).display = std::string(NameOfCode(table_.row(k).code));
    }
    for (int k = 1; k <= kFaceletCount; ++k) {
      if (IsReferenceFacelet(k)) continue;
      net_[k].text = Format2d(table_.Home(k));
      net_[k].colour = ColourOfName(table_.row(k).display);
    }
    return;
  }
  if (NumberingOn()) {
    for (int k = 1; k <= kFaceletCount; ++k) net_[k].text = Format2d(table_.Home(k));
  }
  for (int k = 1; k <= kFaceletCount; ++k) {
    table_.row(k).display = std::string(NameOfLetter(table_.row(k).colour));
    net_[k].colour = ColourOfName(table_.row(k).display);
  }
}

void SolverWindow::TrialMove(Move move) {
  work_map_ = MoveMap(move);
  const std::string name = LogName(move);
  lists_[4].push_back(name);
  if (edit55_.empty()) {
    edit55_ = name;
  } else {
    edit55_ += "・" + name;
  }
  table_.ApplyMap(work_map_);
  ShowNet();
}

void SolverWindow::SikouClick() {
  ReadAndIdentify();
  lists_[4].clear();
  edit55_.clear();
  CheckArrangement();
}

void SolverWindow::ToggleNumbers() {
  const bool off = net_[1].text.empty();
  for (int k = 1; k <= kFaceletCount; ++k) {
    net_[k].text = off ? Format2d(table_.Home(k)) : std::string();
  }
}

void SolverWindow::ListClearClick(int list_box) {
  auto it = lists_.find(list_box);
  if (it != lists_.end()) it->second.clear();
}

bool SolverWindow::PressButton(std::string_view name) {
  static constexpr std::pair<std::string_view, std::string_view> kColourButtons[] = {
      {"GreenBtn", "G"},  {"RedBtn", "R"},   {"BlueBtn", "B"},
      {"OrangeBtn", "O"}, {"WhiteBtn", "W"}, {"YellowBtn", "Y"}};
  for (const auto& [button, letter] : kColourButtons) {
    if (name == button) {
      ChooseColour(letter);
      return true;
    }
  }
  if (name == "Coloring") {
    ColoringClick();
    return true;
  }
  if (name == "BitBtn1") {
    return true;  // closing only hides the window; everything in it stays
  }
  if (name == "Sikou") {
    SikouClick();
    return true;
  }
  if (name == "Reset" && variant_->has_reset) {
    ResetClick();
    return true;
  }
  if (name == "Numtuke" && variant_->has_numtuke) {
    NumtukeClick();
    return true;
  }
  for (int n : variant_->clear_buttons) {
    if (name == "Lbx" + std::to_string(n) + "clear") {
      ListClearClick(n);
      return true;
    }
  }
  for (const Move& move : AllMoves()) {
    if (name == ButtonName(move)) {
      TrialMove(move);
      return true;
    }
  }
  for (const StageButton& button : stage_buttons_) {
    if (name == button.name) {
      button.on_click(*this);
      return true;
    }
  }
  return false;
}

}  // namespace rq51
