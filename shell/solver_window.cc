#include "shell/solver_window.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "cube/number_text.h"
#include "cube/translation.h"
#include "shell/shown_line.h"

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
  StartAfresh();
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

void SolverWindow::ChooseColour(Colour colour) {
  BrowseLive();
  current_colour_ = colour;
}

void SolverWindow::GridMouseDown(int grid, MouseButton button, CellRef under_pointer) {
  BrowseLive();
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
  BrowseLive();
  presses_.clear();
  file_message_ = {};
  ReadAndIdentify();
  ClearStageAndTrialLists();
  StartAfresh();
  CheckArrangement();
}

void SolverWindow::CheckArrangement() {
  // Beyond the counts of yellow stickers and home numbers, the colours must
  // be those of a cube that can really exist; anything else would be
  // reported correct and then left unsolved by every method.
  last_fault_ = CheckEnteredArrangement(table_, variant_->rule);
  NameFault();
  if (last_fault_ == ArrangementFault::kReal) {
    label4_ = kArrangementOk;
  } else {
    label4_ = kArrangementWrong;
    ResetWindow();
  }
}

void SolverWindow::ResetClick() {
  // Only the cube stays: a replay starts from it.
  presses_.clear();
  file_message_ = {};
  if (variant_->has_reset) RecordPress("Reset");
  ResetWindow();
}

void SolverWindow::ResetWindow() {
  BrowseLive();
  for (auto& grid : grids_) {
    for (auto& column : grid) column.fill(Colour::kNone);
  }
  // Every cell is overwritten: a redraw still pending is dropped.
  net_pending_ = false;
  for (int k = 1; k <= kFaceletCount; ++k) net_[k] = NetCell{};
  if (variant_->net_by_home_face) PresetReferenceCorner();
  ClearStageAndTrialLists();
  StartAfresh();
}

void SolverWindow::ShowNet() {
  table_.MarkDrawn(PaletteOf(*variant_));
  net_pending_ = true;
}

void SolverWindow::DrawNet() const {
  if (!net_pending_) return;
  net_pending_ = false;
  DrawCells(table_, net_);
}

const NetCell& SolverWindow::net(int k) const {
  DrawNet();
  return net_[k];
}

void SolverWindow::DrawCells(const StateTable& table,
                             std::array<NetCell, kFaceletCount + 1>& cells) const {
  // Numbering stays on or off through a redraw, so the test can come first.
  const bool numbers = variant_->net_by_home_face || NumberingOn();
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (variant_->net_by_home_face && IsReferenceFacelet(k)) continue;
    if (numbers) cells[k].text = Format2d(table.Home(k));
    cells[k].colour = RgbOf(table.Display(k));
  }
}

Rgb SolverWindow::CellColour(const StateTable& table, int k) const {
  // The reference corner's boxes keep what they show; a redraw skips them.
  if (variant_->net_by_home_face && IsReferenceFacelet(k)) return net(k).colour;
  return RgbOf(table.Display(k));
}

std::array<Rgb, kFaceletCount + 1> SolverWindow::NetColoursOf(const StateTable& table) const {
  std::array<Rgb, kFaceletCount + 1> colours{};
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = CellColour(table, k);
  return colours;
}

void SolverWindow::SetNetText(int k, std::string text) {
  if (k < 1 || k > kFaceletCount) return;
  BrowseLive();
  DrawNet();
  net_[k].text = std::move(text);
}

void SolverWindow::AppendLine(int list_box, std::string_view line, const LineEffect& effect) {
  std::vector<std::string>& lines = lists_.at(list_box);
  lines.emplace_back(line);
  moments_.push_back(Moment{Moment::Kind::kLine,
                            list_box,
                            lines.size() - 1,
                            effect.turns,
                            effect.map,
                            0,
                            {},
                            effect.turns_text});
}

void SolverWindow::ApplyWorkMap(const FaceletMap& map, bool logged) {
  work_map_ = map;
  table_.ApplyMap(work_map_);
  ShowNet();
  if (!logged && !map.IsIdentity()) {
    moments_.push_back(Moment{Moment::Kind::kSilent, 0, 0, 0, map, 0, {}});
  }
}

void SolverWindow::ReHoldOnCentres(const std::array<int, kFaceCount>& centre_for_face) {
  for (int face = 1; face <= kFaceCount; ++face) {
    table_.set_face_colour(face, table_.colour(centre_for_face[face - 1]));
  }
  table_.AssignCodes();
  table_.IdentifyAll();
  ShowNet();
}

void SolverWindow::NoteTurnedOver(std::string_view caption, const FaceletMap& turn) {
  starts_.push_back(table_);
  moments_.push_back(Moment{Moment::Kind::kTurnedOver, 0, 0, 0, turn, starts_.size() - 1, caption});
}

void SolverWindow::TrialMove(Move move) {
  BrowseLive();
  const std::string name = LogName(move);
  AppendLine(4, name, {MoveMap(move), 1});
  if (edit55_.empty()) {
    edit55_ = name;
  } else {
    edit55_ += "・" + name;
  }
  ApplyWorkMap(MoveMap(move));
  RecordPress(ButtonName(move));
}

void SolverWindow::SikouClick() {
  BrowseLive();
  ReadAndIdentify();
  lists_[4].clear();
  ForgetList(4);
  AddStart();
  edit55_.clear();
  CheckArrangement();
  RecordPress("Sikou");
}

void SolverWindow::NumtukeClick() {
  ToggleNumbers();
  if (variant_->has_numtuke) RecordPress("Numtuke");
}

void SolverWindow::ToggleNumbers() {
  BrowseLive();
  DrawNet();
  const bool off = net_[1].text.empty();
  for (int k = 1; k <= kFaceletCount; ++k) {
    net_[k].text = off ? Format2d(table_.Home(k)) : std::string();
  }
}

void SolverWindow::ListClearClick(int list_box) {
  BrowseLive();
  auto it = lists_.find(list_box);
  if (it != lists_.end()) it->second.clear();
  ForgetList(list_box);
  const std::vector<int>& buttons = variant_->clear_buttons;
  if (std::find(buttons.begin(), buttons.end(), list_box) != buttons.end()) {
    RecordPress("Lbx" + std::to_string(list_box) + "clear");
  }
}

bool SolverWindow::PressButton(std::string_view name) {
  BrowseLive();
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
    const size_t first_new = moments_.size();
    bool ran = false;
    for (const Stage& stage : method_->stages) {
      if (name == stage.button) {
        RunStage(*this, stage);
        ran = true;
        break;
      }
    }
    if (!ran && name == "CES") {
      RunAllStages(*this, *method_);
      ran = true;
    }
    if (ran) {
      RecordPress(name);
      last_run_turns_ = 0;
      for (size_t n = first_new; n < moments_.size(); ++n) last_run_turns_ += moments_[n].turns;
      return true;
    }
  }
  return false;
}

// --- Following a solution ------------------------------------------------------

std::optional<StickerColours> SolverWindow::AcceptedEntry() const {
  if (label4_ != kArrangementOk) return std::nullopt;
  for (auto moment = moments_.rbegin(); moment != moments_.rend(); ++moment) {
    if (moment->kind != Moment::Kind::kStart) continue;
    return ColoursOf(starts_[moment->start]);
  }
  return std::nullopt;
}

void SolverWindow::StartAfresh() {
  moments_.clear();
  starts_.clear();
  AddStart();
}

void SolverWindow::AddStart() {
  starts_.push_back(table_);
  moments_.push_back(Moment{Moment::Kind::kStart, 0, 0, 0, {}, starts_.size() - 1, {}});
}

void SolverWindow::ForgetList(int list_box) {
  for (Moment& moment : moments_) {
    if (moment.kind == Moment::Kind::kLine && moment.list_box == list_box) moment.list_box = -1;
  }
}

bool SolverWindow::Listed(const Moment& moment) const {
  return (moment.kind == Moment::Kind::kLine && moment.list_box > 0) ||
         moment.kind == Moment::Kind::kTurnedOver;
}

StateTable SolverWindow::TableAt(size_t moment) const {
  // From the last cube to start from, perform every line up to this one.
  size_t first = moment;
  while (moments_[first].kind != Moment::Kind::kStart &&
         moments_[first].kind != Moment::Kind::kTurnedOver) {
    --first;
  }
  StateTable table = starts_[moments_[first].start];
  for (size_t n = first + 1; n <= moment; ++n) {
    if (moments_[n].kind == Moment::Kind::kLine || moments_[n].kind == Moment::Kind::kSilent) {
      table.ApplyMap(moments_[n].map);
    }
  }
  table.MarkDrawn(variant_->net_by_home_face ? NetPalette::kHomeFace : NetPalette::kStickerColour);
  return table;
}

std::optional<size_t> SolverWindow::StartMoment() const {
  for (size_t n = 0; n < moments_.size(); ++n) {
    if (!Listed(moments_[n])) continue;
    // The first moment is always a start, so a listed one has one before it.
    size_t start = n - 1;
    // The turn of the whole cube that turned it over belongs to the turning
    // over.
    if (moments_[n].kind == Moment::Kind::kTurnedOver &&
        moments_[start].kind == Moment::Kind::kSilent) {
      --start;
    }
    return start;
  }
  return std::nullopt;
}

SolverWindow::PlaybackPlace SolverWindow::PlaceOf(size_t moment) const {
  PlaybackPlace place{0, 0, 0, 0, 0, {}};
  for (size_t n = 0; n < moments_.size(); ++n) {
    if (!Listed(moments_[n])) continue;
    place.turns_total += moments_[n].turns;
    if (n <= moment) place.turns_so_far += moments_[n].turns;
  }
  const Moment& here = moments_[moment];
  if (!Listed(here)) {
    place.text = kStartPlaceText;
    place.start = true;
  } else if (here.kind == Moment::Kind::kTurnedOver) {
    place.text = here.caption;
  } else {
    place.list_box = here.list_box;
    place.index = here.index;
    place.list_size = lists_.at(here.list_box).size();
    place.text = lists_.at(here.list_box)[here.index];
  }
  return place;
}

bool SolverWindow::BrowseLine(int list_box, size_t index) {
  for (size_t n = 0; n < moments_.size(); ++n) {
    const Moment& moment = moments_[n];
    if (moment.kind == Moment::Kind::kLine && moment.list_box == list_box &&
        moment.index == index) {
      browsed_ = n;
      browsed_net_ready_ = false;
      return true;
    }
  }
  return false;
}

void SolverWindow::BrowseStep(int delta) {
  std::vector<size_t> order;
  for (size_t n = 0; n < moments_.size(); ++n) {
    if (Listed(moments_[n])) order.push_back(n);
  }
  if (order.empty() || delta == 0) return;
  size_t at;
  if (!browsed_) {
    at = delta > 0 ? 0 : order.size() - 1;
  } else if (browsing_start()) {
    if (delta < 0) return;
    at = 0;
  } else {
    const auto here = std::find(order.begin(), order.end(), *browsed_);
    const auto position = static_cast<long>(here - order.begin()) + (delta > 0 ? 1 : -1);
    at = static_cast<size_t>(std::clamp(position, 0L, static_cast<long>(order.size()) - 1));
  }
  browsed_ = order[at];
  browsed_net_ready_ = false;
}

void SolverWindow::BrowseLive() { browsed_.reset(); }

bool SolverWindow::BrowseStart() {
  const std::optional<size_t> start = StartMoment();
  if (!start) return false;
  browsed_ = *start;
  browsed_net_ready_ = false;
  return true;
}

bool SolverWindow::BrowseTraceLine(size_t n) {
  for (size_t m = 0; m < moments_.size(); ++m) {
    if (!Listed(moments_[m])) continue;
    if (n-- == 0) {
      browsed_ = m;
      browsed_net_ready_ = false;
      return true;
    }
  }
  return false;
}

std::optional<size_t> SolverWindow::BrowsedTraceLine() const {
  if (!browsed_ || !Listed(moments_[*browsed_])) return std::nullopt;
  size_t n = 0;
  for (size_t m = 0; m < *browsed_; ++m) n += Listed(moments_[m]) ? 1 : 0;
  return n;
}

bool SolverWindow::browsing_start() const {
  return browsed_.has_value() && !Listed(moments_[*browsed_]);
}

std::optional<SolverWindow::PlaybackPlace> SolverWindow::BrowsedPlace() const {
  if (!browsed_) return std::nullopt;
  return PlaceOf(*browsed_);
}

std::string SolverWindow::PlaybackText() const {
  const std::optional<PlaybackPlace> place = BrowsedPlace();
  return place ? PlaceText(*place) : std::string();
}

std::string SolverWindow::PlaceText(const PlaybackPlace& place) {
  std::string text;
  if (place.start) {
    text = Tr("SolverWindow", std::string(place.text).c_str());
  } else if (place.list_box == 0) {
    text = Fill(Tr("Playback", "%1：ここでキューブを上下反転"), {ShownLine(place.text)});
  } else {
    text = "ListBox" + std::to_string(place.list_box) + " " + std::to_string(place.index + 1) +
           "/" + std::to_string(place.list_size);
  }
  return Fill(Tr("Playback", "%1 · %2/%3 手"),
              {text, std::to_string(place.turns_so_far), std::to_string(place.turns_total)});
}

const NetCell& SolverWindow::ShownNet(int k) const {
  if (!browsed_) return net(k);
  if (!browsed_net_ready_) {
    DrawNet();
    browsed_net_ = net_;
    DrawCells(TableAt(*browsed_), browsed_net_);
    browsed_net_ready_ = true;
  }
  return browsed_net_[k];
}

std::vector<SolverWindow::TraceLine> SolverWindow::Trace() const {
  std::vector<TraceLine> trace;
  std::optional<StateTable> table;
  int turns_total = 0;
  for (const Moment& moment : moments_) turns_total += Listed(moment) ? moment.turns : 0;
  int turns_so_far = 0;
  for (size_t n = 0; n < moments_.size(); ++n) {
    const Moment& moment = moments_[n];
    if (moment.kind == Moment::Kind::kStart || moment.kind == Moment::Kind::kTurnedOver) {
      table = starts_[moment.start];
    } else if (table) {
      table->ApplyMap(moment.map);
    }
    if (!Listed(moment)) continue;
    // As PlaceOf, without counting the turns again for every line.
    turns_so_far += moment.turns;
    PlaybackPlace place{0, 0, 0, turns_so_far, turns_total, moment.caption};
    if (moment.kind == Moment::Kind::kLine) {
      const std::vector<std::string>& lines = lists_.at(moment.list_box);
      place = {moment.list_box, moment.index, lines.size(),
               turns_so_far,    turns_total,  lines[moment.index]};
    }
    trace.push_back({place, *table, moment.map, moment.turns, moment.turns_text});
  }
  return trace;
}

int SolverWindow::ListTurns(int list_box) const {
  int turns = 0;
  for (const Moment& moment : moments_) {
    if (moment.kind == Moment::Kind::kLine && moment.list_box == list_box) turns += moment.turns;
  }
  return turns;
}

}  // namespace rq51
