#include "shell/solver_window.h"

#include <optional>
#include <utility>

#include "cube/number_text.h"

namespace rq51 {

namespace {

bool IsReferenceFacelet(int k) { return k == 18 || k == 25 || k == 45; }

NetPalette PaletteOf(const WindowVariant& variant) {
  return variant.net_by_home_face ? NetPalette::kHomeFace : NetPalette::kStickerColour;
}

std::vector<StageButton> ButtonsOf(const Method* method) {
  std::vector<StageButton> buttons;
  if (method == nullptr) return buttons;
  for (const Stage& stage : method->stages) {
    buttons.push_back({stage.button, stage.caption, stage.list_box});
  }
  buttons.push_back({"CES", method->one_shot_caption, 0});
  return buttons;
}

}  // namespace

SolverWindow::SolverWindow(WindowKind kind, const Method* method)
    : variant_(&VariantOf(kind)), method_(method), stage_buttons_(ButtonsOf(method)) {
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
  static constexpr std::pair<int, Colour> kPresets[] = {
      {18, Colour::kRed}, {25, Colour::kBlue}, {45, Colour::kWhite}};
  DrawNet();
  for (const auto& [facelet, colour] : kPresets) {
    const GridCell cell = FaceletGridCell(facelet);
    grids_[cell.grid][cell.column][cell.row] = colour;
    net_[facelet] = {std::to_string(facelet), RgbOf(colour)};
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
  ClearOutlines();
}

void SolverWindow::SelectCell(int grid, CellRef cell) {
  if (grid < 1 || grid > kFaceCount || cell.column < 0 || cell.column > 2 || cell.row < 0 ||
      cell.row > 2) {
    return;
  }
  selected_[grid] = cell;
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
  last_fault_ = CheckEnteredArrangement(table_, variant_->rule);
  NameFault();
  if (last_fault_ == ArrangementFault::kReal) {
    label4_ = std::string(kArrangementOk);
  } else {
    label4_ = std::string(kArrangementWrong);
    ResetWindow();
  }
}

void SolverWindow::ResetWindow() {
  for (auto& grid : grids_) {
    for (auto& column : grid) column.fill(Colour::kNone);
  }
  // Every cell is overwritten: a redraw still pending is dropped.
  net_pending_ = false;
  for (int k = 1; k <= kFaceletCount; ++k) net_[k] = NetCell{};
  if (variant_->net_by_home_face) PresetReferenceCorner();
  ClearStageAndTrialLists();
}

void SolverWindow::ShowNet() {
  table_.MarkDrawn(PaletteOf(*variant_));
  net_pending_ = true;
}

void SolverWindow::DrawNet() const {
  if (!net_pending_) return;
  net_pending_ = false;
  // Numbering stays on or off through a redraw, so the test can come first.
  const bool numbers = variant_->net_by_home_face || NumberingOn();
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (variant_->net_by_home_face && IsReferenceFacelet(k)) continue;
    if (numbers) net_[k].text = Format2d(table_.Home(k));
    net_[k].colour = RgbOf(table_.Display(k));
  }
}

const NetCell& SolverWindow::net(int k) const {
  DrawNet();
  return net_[k];
}

void SolverWindow::SetNetText(int k, std::string text) {
  if (k < 1 || k > kFaceletCount) return;
  DrawNet();
  net_[k].text = std::move(text);
}

void SolverWindow::ApplyWorkMap(const FaceletMap& map) {
  work_map_ = map;
  table_.ApplyMap(work_map_);
  ShowNet();
}

void SolverWindow::ReHoldOnCentres(const std::array<int, kFaceCount>& centre_for_face) {
  for (int face = 1; face <= kFaceCount; ++face) {
    table_.set_face_colour(face, table_.colour(centre_for_face[face - 1]));
  }
  table_.AssignCodes();
  table_.IdentifyAll();
  ShowNet();
}

void SolverWindow::TrialMove(Move move) {
  const std::string name = LogName(move);
  lists_[4].push_back(name);
  if (edit55_.empty()) {
    edit55_ = name;
  } else {
    edit55_ += "・" + name;
  }
  ApplyWorkMap(MoveMap(move));
}

void SolverWindow::SikouClick() {
  ReadAndIdentify();
  lists_[4].clear();
  edit55_.clear();
  CheckArrangement();
}

void SolverWindow::ToggleNumbers() {
  DrawNet();
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
  for (const ColourInfo& colour : ColourTable()) {
    if (name == colour.button) {
      ChooseColour(colour.colour);
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
  if (const std::optional<Move> move = MoveFromName(name); move && ButtonName(*move) == name) {
    TrialMove(*move);
    return true;
  }
  if (method_ != nullptr) {
    for (const Stage& stage : method_->stages) {
      if (name == stage.button) {
        RunStage(*this, stage);
        return true;
      }
    }
    if (name == "CES") {
      RunAllStages(*this, *method_);
      return true;
    }
  }
  return false;
}

}  // namespace rq51
