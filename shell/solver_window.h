// One solver window as a plain object: everything the user sees in it and
// the handlers that act on it. The Qt window shows this object and forwards
// clicks and typing to it.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cube/arrangement_check.h"
#include "cube/moves.h"
#include "cube/state_table.h"
#include "shell/stage_button.h"
#include "shell/window_variant.h"

namespace rq51 {

struct Rgb {
  int red = 255;
  int green = 255;
  int blue = 255;
  bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kWhite{255, 255, 255};

// The RGB colour of a display colour name ("clGreen" -> 0, 128, 0); unknown
// names give white.
Rgb ColourOfName(std::string_view name);

struct NetCell {
  std::string text;
  Rgb colour = kWhite;
};

enum class MouseButton { kLeft, kRight, kMiddle };

struct CellRef {
  int column = 0;
  int row = 0;
  bool operator==(const CellRef&) const = default;
};

inline constexpr std::string_view kNotEntered = "色が，未入力です。";
inline constexpr std::string_view kArrangementOk =
    "正しい配置と思われます。次ステップへ移って下さい。";
inline constexpr std::string_view kArrangementWrong = "誤った配置です。再入力して下さい。";

class SolverWindow {
 public:
  // Window creation.
  explicit SolverWindow(WindowKind kind, std::vector<StageButton> stage_buttons = {});

  const WindowVariant& variant() const { return *variant_; }
  WindowKind kind() const { return variant_->kind; }

  // --- Colour entry -------------------------------------------------------
  void GreenBtnClick() { ChooseColour("G"); }
  void RedBtnClick() { ChooseColour("R"); }
  void BlueBtnClick() { ChooseColour("B"); }
  void OrangeBtnClick() { ChooseColour("O"); }
  void WhiteBtnClick() { ChooseColour("W"); }
  void YellowBtnClick() { ChooseColour("Y"); }
  void ChooseColour(std::string_view letter) { current_colour_ = std::string(letter); }
  const std::string& current_colour() const { return current_colour_; }

  // mouse1 .. mouse6: a press on grid 1..6. A left press first selects the
  // cell under the pointer; every press then paints the selected cell.
  void GridMouseDown(int grid, MouseButton button, CellRef under_pointer);
  const std::string& grid_cell(int grid, int column, int row) const {
    return grids_[grid][column][row];
  }
  CellRef selected_cell(int grid) const { return selected_[grid]; }
  void SelectCell(int grid, CellRef cell) { selected_[grid] = cell; }
  const GridTexts& grids() const { return grids_; }

  void ColoringClick();
  void ResetClick() { ResetWindow(); }
  void ResetWindow();
  void ShowNet();

  // --- Trial moves, preparation, lists, numbering --------------------------
  void TrialMove(Move move);
  void SikouClick();
  void NumtukeClick() { ToggleNumbers(); }
  void ToggleNumbers();
  void ListClearClick(int list_box);
  bool NumberingOn() const { return !net_[1].text.empty(); }

  // --- Stages ---------------------------------------------------------------
  const std::vector<StageButton>& stage_buttons() const { return stage_buttons_; }

  // Presses the control with this name, as a click would: Coloring, Sikou,
  // Reset, Numtuke, Lbx<n>clear, the colour buttons, the 27 trial buttons
  // and the method's stage buttons. False when the window has no such
  // button.
  bool PressButton(std::string_view name);

  // --- What the window shows --------------------------------------------------
  NetCell& net(int k) { return net_[k]; }
  const NetCell& net(int k) const { return net_[k]; }
  std::string& edit55() { return edit55_; }
  const std::string& edit55() const { return edit55_; }
  const std::string& label4() const { return label4_; }
  // ListBox1 .. ListBox6; only those the window has exist.
  bool HasListBox(int n) const { return lists_.count(n) != 0; }
  std::vector<std::string>& list_box(int n) { return lists_.at(n); }
  const std::vector<std::string>& list_box(int n) const { return lists_.at(n); }
  std::vector<int> ListBoxNumbers() const;
  void AppendLine(int list_box, std::string_view line) { lists_.at(list_box).emplace_back(line); }

  StateTable& table() { return table_; }
  const StateTable& table() const { return table_; }
  FaceletMap& work_map() { return work_map_; }

  // Why the last check rejected the entry (kReal when it was accepted).
  ArrangementFault last_fault() const { return last_fault_; }

  // Runs `ReadGrids`, `IdentifyAll` and `ShowNet`: the cube as entered.
  void ReadAndIdentify();

 private:
  void CheckArrangement();
  void ClearStageAndTrialLists();
  void PresetReferenceCorner();

  const WindowVariant* variant_;
  std::vector<StageButton> stage_buttons_;
  StateTable table_;
  FaceletMap work_map_;
  std::string current_colour_;
  GridTexts grids_{};
  std::array<CellRef, kFaceCount + 1> selected_{};
  std::array<NetCell, kFaceletCount + 1> net_{};
  std::string edit55_;
  std::string label4_{kNotEntered};
  std::map<int, std::vector<std::string>> lists_;
  ArrangementFault last_fault_ = ArrangementFault::kReal;
};

}  // namespace rq51
