// The permutation explorer (window TForm2) as a plain object. Starting from
// the solved, numbered cube the user composes the 27 turns one by one; the
// window shows the arrangement as a coloured net, optionally the sticker
// numbers, the word of turns applied so far, the moved stickers in two-line
// form and the decomposition into disjoint cycles.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/translation.h"
#include "shell/solver_window.h"

namespace rq51 {

// The word joiner between turn names in Edit55 (U+30FB).
inline constexpr std::string_view kWordJoiner = "・";

// Captions of the explorer window; the Japanese ones are marked for
// translation under "Explorer" (Tr("Explorer", caption.data()) gives them in
// the language of the moment).
inline constexpr std::string_view kExplorerTitle = "Form2";
inline constexpr std::string_view kTransCaption = RQ51_TR_NOOP("Explorer", "演算");
inline constexpr std::string_view kResetCaption = "Reset";
inline constexpr std::string_view kNumdukeCaption = RQ51_TR_NOOP("Explorer", "番号付け");
inline constexpr std::string_view kTranslationsCaption = "Translations";
inline constexpr std::string_view kCloseCaption = RQ51_TR_NOOP("Explorer", "閉じる(&C)");
// Label1, one entry a line, each marked for translation as the captions are.
inline constexpr std::array<std::string_view, 7> kCycleLegend = {
    RQ51_TR_NOOP("Explorer", "(a，b，c)は"),      RQ51_TR_NOOP("Explorer", "巡回置換を表す。"),
    RQ51_TR_NOOP("Explorer", "つまり"),           RQ51_TR_NOOP("Explorer", "   a はｂの位置に"),
    RQ51_TR_NOOP("Explorer", "   b はcの位置に"), RQ51_TR_NOOP("Explorer", "   c はaの位置に"),
    RQ51_TR_NOOP("Explorer", "移動する。"),
};

// Colour of a position by the home number (1..54) of the sticker now there:
// 1-9 green, 10-18 fuchsia, 19-27 blue, 28-36 red, 37-45 white, 46-54 yellow.
Rgb ExplorerColourOfHome(int home);

class Explorer {
 public:
  static constexpr int kCycleRows = 30;
  static constexpr int kCycleColumns = 54;
  // First row of the cycle table that holds a cycle.
  static constexpr int kFirstCycleRow = 3;
  using CycleTable = std::array<std::array<std::string, kCycleColumns>, kCycleRows>;

  // FormCreate: selects Rx and resets.
  Explorer();

  // Back to the identity: redraws the net and empties the word. The selected
  // turn and the texts of the net boxes stay as they are.
  void ResetClick();
  // Composes the selected turn onto the arrangement and appends its name to
  // the word. The numbers shown in the net are deliberately left as they
  // were: they show the new numbers only after numbering is toggled twice.
  void TransClick();
  // Empties the net boxes when box 1 shows any text, otherwise writes into
  // every box the home number of the sticker there ("%2d").
  void NumdukeClick();
  // A click on one of the 27 radio buttons.
  void SelectMove(Move move) { selected_ = move; }
  Move selected_move() const { return selected_; }

  // Colours the net from the arrangement, then rebuilds the cycle table.
  void RedrawNet();
  // Builds the cycle table: rows 0 and 1 the moved stickers and their new
  // places, row 2 blank, from row 3 one row per cycle.
  void ListCycles();

  // Typing into Edit55 and into the net boxes.
  void SetWord(std::string text) { word_ = std::move(text); }
  void SetNetText(int position, std::string text) { net_[position].text = std::move(text); }

  // --- What the window shows ------------------------------------------------
  // Edit55.
  const std::string& word() const { return word_; }
  // Edit1 .. Edit54.
  const NetCell& net(int position) const { return net_[position]; }
  // StringGrid2, cell (column, row).
  const std::string& cycle_cell(int column, int row) const { return cycles_[row][column]; }

  // The arrangement: the home number of the sticker at a position, and the
  // colour of that position.
  int HomeAt(int position) const { return home_[position]; }
  Rgb ColourAt(int position) const { return colour_[position]; }
  // The position that now holds the sticker with this home number.
  int PositionOfHome(int home) const;

 private:
  std::array<int, kFaceletCount + 1> home_{};
  std::array<Rgb, kFaceletCount + 1> colour_{};
  Move selected_{BaseTurn::kRx, 1};
  std::array<NetCell, kFaceletCount + 1> net_{};
  std::string word_;
  CycleTable cycles_{};
};

}  // namespace rq51
