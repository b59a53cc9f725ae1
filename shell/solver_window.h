// One solver window as a plain object: everything the user sees in it and
// the handlers that act on it. The Qt window shows this object and forwards
// clicks and typing to it.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cube/arrangement_check.h"
#include "cube/colour.h"
#include "cube/message.h"
#include "cube/moves.h"
#include "cube/state_table.h"
#include "cube/translation.h"
#include "shell/solution_text.h"
#include "shell/stage_frame.h"
#include "shell/window_variant.h"

namespace rq51 {

struct NetCell {
  std::string text;
  Rgb colour = kUnpainted;
  bool operator==(const NetCell&) const = default;
};

enum class MouseButton { kLeft, kRight, kMiddle };

struct CellRef {
  int column = 0;
  int row = 0;
  bool operator==(const CellRef&) const = default;
};

// A button that the window's method adds: a stage button, or the one-shot
// button `CES`. `list_box` is the list its lines go to, 0 for a button that
// logs to several lists or to none.
struct StageButton {
  std::string_view name;
  std::string_view caption;
  int list_box = 0;
};

// What Label4 says, written in Japanese and marked for translation under
// "SolverWindow"; label4() gives it in the language of the moment.
inline constexpr std::string_view kNotEntered = RQ51_TR_NOOP("SolverWindow", "色が，未入力です。");
inline constexpr std::string_view kArrangementOk =
    RQ51_TR_NOOP("SolverWindow", "正しい配置と思われます。次ステップへ移って下さい。");
inline constexpr std::string_view kArrangementWrong =
    RQ51_TR_NOOP("SolverWindow", "誤った配置です。再入力して下さい。");
// Where the line under the net says the start is.
inline constexpr std::string_view kStartPlaceText =
    RQ51_TR_NOOP("SolverWindow", "入力されたキューブ");

class SolverWindow {
 public:
  // Window creation. `method` is the method the window teaches (a record
  // that lives as long as the program), or null for a window without one.
  explicit SolverWindow(WindowKind kind, const Method* method = nullptr);

  const WindowVariant& variant() const { return *variant_; }
  WindowKind kind() const { return variant_->kind; }
  const Method* method() const { return method_; }

  // --- Colour entry -------------------------------------------------------
  // A colour button (GreenBtn ... YellowBtn).
  void ChooseColour(Colour colour);
  Colour current_colour() const { return current_colour_; }

  // mouse1 .. mouse6: a press on grid 1..6. A left press first selects the
  // cell under the pointer; every press then paints the selected cell.
  void GridMouseDown(int grid, MouseButton button, CellRef under_pointer);
  Colour grid_cell(int grid, int column, int row) const { return grids_[grid][column][row]; }
  CellRef selected_cell(int grid) const { return selected_[grid]; }
  void SelectCell(int grid, CellRef cell);
  const GridColours& grids() const { return grids_; }

  void ColoringClick();
  void ResetClick();
  void ResetWindow();
  // Redraws the net from the table. The cells are worked out when they are
  // first looked at, so a run of steps that nobody watches costs nothing
  // here; what they show is always what the last redraw would have shown.
  void ShowNet();

  // --- Trial moves, preparation, lists, numbering --------------------------
  void TrialMove(Move move);
  void SikouClick();
  void NumtukeClick();
  void ToggleNumbers();
  void ListClearClick(int list_box);
  bool NumberingOn() const { return !net_[1].text.empty(); }

  // --- Stages ---------------------------------------------------------------
  // The method's stage buttons in order, then CES; empty without a method.
  const std::vector<StageButton>& stage_buttons() const { return stage_buttons_; }

  // Presses the control with this name, as a click would: Coloring, Sikou,
  // Reset, Numtuke, Lbx<n>clear, the colour buttons, the 27 trial buttons
  // and the method's stage buttons. False when the window has no such
  // button.
  bool PressButton(std::string_view name);

  // --- What the window shows --------------------------------------------------
  const NetCell& net(int k) const;
  // Typing into a net box.
  void SetNetText(int k, std::string text);
  std::string& edit55() { return edit55_; }
  const std::string& edit55() const { return edit55_; }
  // Label4 in the language of the moment.
  std::string label4() const { return Tr("SolverWindow", label4_.data()); }
  // ListBox1 .. ListBox6; only those the window has exist.
  bool HasListBox(int n) const { return lists_.count(n) != 0; }
  const std::vector<std::string>& list_box(int n) const { return lists_.at(n); }
  std::vector<int> ListBoxNumbers() const;

  const StateTable& table() const { return table_; }
  // The table itself, for tests that set up states no entry can give.
  StateTable& table_for_testing() { return table_; }

  // The colours of the cube as last entered (or prepared) and accepted by
  // the check: what the window solves from. Nothing while the last check
  // refused the entry or before the first one.
  std::optional<StickerColours> AcceptedEntry() const;

  // Why the last check rejected the entry (kReal when it was accepted).
  ArrangementFault last_fault() const { return last_fault_; }

  // --- Following a solution -------------------------------------------------
  // Every line of every list remembers the cube as it stood right after the
  // line was performed; the user can step through them in the order they
  // were performed and see that cube on the net. Browsing changes nothing
  // else, and any button of the window first returns the net to the live
  // cube.
  struct PlaybackPlace {
    int list_box;           // 0 where the cube was turned over, and at the start
    size_t index;           // 0-based position in its list
    size_t list_size;       // lines now in that list
    int turns_so_far;       // turns of the listed lines up to and including this one
    int turns_total;        // turns of all listed lines
    std::string_view text;  // the line, or the caption of the turning over
    bool start = false;     // the cube before the first listed line
  };
  // "ListBox2 12/31 · 57/134 手": where a place is, as the line under the net
  // says it.
  static std::string PlaceText(const PlaybackPlace& place);
  // Shows the cube after line `index` of list `list_box`; false when there is
  // no such line.
  bool BrowseLine(int list_box, size_t index);
  // One line on (`delta` 1) or back (-1) in the order performed, across the
  // lists; from the live cube, forward starts at the first line and back at
  // the last.
  void BrowseStep(int delta);
  void BrowseLive();
  // Shows the cube right before the first listed line (the entered cube, as
  // a rule); false when no line is listed. Stepping on from there starts at
  // the first line.
  bool BrowseStart();
  // Shows the cube after entry `n` of Trace(); false when there is none.
  bool BrowseTraceLine(size_t n);
  // The entry of Trace() the net shows; nullopt while it shows the live cube
  // or the start.
  std::optional<size_t> BrowsedTraceLine() const;
  bool browsing_start() const;
  bool browsing() const { return browsed_.has_value(); }
  std::optional<PlaybackPlace> BrowsedPlace() const;
  // "ListBox2 12/31 · 57/134 手", or empty while the net is live.
  std::string PlaybackText() const;
  // The net as it is shown: the browsed moment, or the live net.
  const NetCell& ShownNet(int k) const;
  // The colours a redraw of the net paints for `table` (a table of this
  // window's, such as one of Trace()).
  std::array<Rgb, kFaceletCount + 1> NetColoursOf(const StateTable& table) const;
  // Every listed line in the order performed, with the table after it.
  struct TraceLine {
    PlaybackPlace place;
    StateTable table;
    // What the line performed: the map of its turns, or the turn of the
    // whole cube where the cube was turned over.
    FaceletMap map;
    int turns = 0;  // its turns as the place counts them
    // Its turns in log notation where its text cannot carry them.
    std::string_view turns_text;
  };
  std::vector<TraceLine> Trace() const;
  // Turns performed by the lines now in a list; a half turn counts one.
  int ListTurns(int list_box) const;
  // Turns logged by the last press of a stage or one-shot button.
  int last_run_turns() const { return last_run_turns_; }
  // --- Keeping, reopening and sharing a solution -------------------------------
  // A plain UTF-8 text of the entered cube, the buttons pressed since it was
  // confirmed, and every list with its turns: what "解法を保存…" writes.
  std::string SolutionText() const;
  // The buttons pressed since the last confirmation, by control name and
  // separated by blanks ("CROSS F2C Rx3 Sikou"): the stage and one-shot
  // buttons, the trial buttons, Sikou, Numtuke, the clear buttons and Reset
  // (which starts the record afresh, as it leaves only the cube behind).
  const std::string& presses() const { return presses_; }

  // Opens a text as a file the user chose: a saved solution of this window
  // is entered and confirmed as "①．色の入力終了" does and its buttons are
  // pressed again (an older file without its presses gets the stage buttons
  // that its lists show); a turn sequence or a line of 54 colour letters is
  // painted into the grids, to be confirmed by the user. A refused text, or
  // a solution of another window, leaves this window as it was.
  struct OpenedText {
    OpenedKind kind;
    // The window the text belongs to: this one, or for kOtherWindow the one
    // that should open it.
    WindowKind window;
    // One line: why a text was refused, which window a solution belongs to,
    // or, for a solution opened here, that the lines computed now differ from
    // the saved ones (empty when they agree); in the language spoken when
    // the text was opened (file_message() says it again in the language of
    // the moment).
    std::string message;
  };
  OpenedText OpenText(std::string_view bytes);
  // What the last opening said, in the language of the moment; cleared by
  // the next confirmation or Reset.
  std::string file_message() const { return file_message_.Text(); }

  // Every listed line in standard notation (StandardLine), in the order
  // performed: a turning over as the whole-cube turns it performs
  // ("x2 // ④．上下反転持ち替え", list_box 0), and a preparation after
  // earlier lines as a comment with Sikou's caption (list_box -1), since
  // the cube returns to the entry there. The comments (notes, captions) are
  // in the language of the moment (ShownLine); the turns are the same in
  // every language.
  struct SharedLine {
    int list_box;
    size_t index;  // the line's place in its list
    std::string text;
  };
  std::vector<SharedLine> StandardSolution() const;
  // The same as text, one line each, every line ending in a line break:
  // the whole solution, one list, or the lines `rows` (0-based) of a list.
  std::string StandardSolutionText() const;
  std::string StandardListText(int list_box) const;
  std::string StandardLinesText(int list_box, const std::vector<size_t>& rows) const;
  // --- Entry from a turn sequence, typed colours, the named fault ----------------
  // ScrambleEdit: turns in the program's notation or in standard notation.
  std::string& scramble_text() { return scramble_text_; }
  const std::string& scramble_text() const { return scramble_text_; }
  // ScrambleBtn, or Enter in ScrambleEdit: paints the six grids with a solved
  // cube (HomeFaceColour) after those turns, as rq51-cli --scramble paints
  // it; the entry still has to be confirmed. A text that cannot be read, or
  // an empty one, leaves the grids as they are and says why in
  // scramble_message().
  void ScrambleClick();
  std::string scramble_message() const { return scramble_message_.Text(); }
  // A colour letter typed while grid `grid` has the keyboard: chooses that
  // colour, paints the selected cell and selects the next one, left to right
  // and top to bottom, then the first cell of the next grid (1 -> 2 -> ... ->
  // 6; the last cell of grid 6 stays selected). Returns the grid that holds
  // the selection now.
  int TypeColour(int grid, Colour colour);
  // FaultLabel: which rule the last refused entry breaks; rule kNone and no
  // text once an entry is accepted.
  const ArrangementDiagnosis& named_fault() const { return named_fault_; }
  // The named fault in words (FaultText), in the language of the moment.
  std::string fault_text() const;
  // The cells the named fault concerns, outlined until the next paint or
  // confirmation.
  bool IsOutlined(int grid, int column, int row) const;

  // --- What the stage frame does to the window --------------------------------
  // Appends a line to a list; `effect` is what it performs on the cube.
  void AppendLine(int list_box, std::string_view line, const LineEffect& effect = {});
  // Sets the WorkMap to `map`, applies it and redraws the net. `logged`:
  // the lines just appended perform this map.
  void ApplyWorkMap(const FaceletMap& map, bool logged = true);
  // Gives face k the colour now at centre_for_face[k - 1], recodes every
  // sticker, identifies every cubie again and redraws the net.
  void ReHoldOnCentres(const std::array<int, kFaceCount>& centre_for_face);
  // The cube was turned over by the stage captioned `caption`; `turn` is the
  // turn of the whole cube that did it.
  void NoteTurnedOver(std::string_view caption, const FaceletMap& turn);

 private:
  // ReadGrids, IdentifyAll, ShowNet: the cube as entered.
  void ReadAndIdentify();
  void CheckArrangement();
  void ClearStageAndTrialLists();
  void PresetReferenceCorner();
  // Works out the cells of a redraw that nobody has looked at yet.
  void DrawNet() const;
  // The cells of a net drawn from `table` over `cells`.
  void DrawCells(const StateTable& table, std::array<NetCell, kFaceletCount + 1>& cells) const;

  // One performed line, or a cube to start from (entry, preparation, the
  // cube turned over), in the order they happened.
  struct Moment {
    enum class Kind : uint8_t { kLine, kSilent, kStart, kTurnedOver };
    Kind kind;
    int list_box = 0;  // kLine: its list, -1 once the list was cleared
    size_t index = 0;  // kLine: position in its list
    int turns = 0;
    FaceletMap map;                    // kLine, kSilent, kTurnedOver: what it performed
    size_t start = 0;                  // kStart, kTurnedOver: index into starts_
    std::string_view caption;          // kTurnedOver
    std::string_view turns_text = {};  // kLine: LineEffect::turns_text
  };
  // Forgets every moment; the current cube is the start.
  void StartAfresh();
  void AddStart();
  void ForgetList(int list_box);
  bool Listed(const Moment& moment) const;
  // The moment right before the first listed one, if any is listed.
  std::optional<size_t> StartMoment() const;
  // The colour a redraw gives facelet k of `table`.
  Rgb CellColour(const StateTable& table, int k) const;
  StateTable TableAt(size_t moment) const;
  PlaybackPlace PlaceOf(size_t moment) const;
  // After a check: names the fault of a refused entry and outlines its
  // cells, or clears both for an accepted one.
  void NameFault();
  void ClearOutlines() { outlined_.fill(false); }
  // Adds a press to the record since the last confirmation.
  void RecordPress(std::string_view name);
  void PaintGrids(const StickerColours& colours);
  // An older file: the stage buttons, then the trial buttons, that give its
  // lists; trial buttons first when only that order gives them.
  void PressButtonsOf(const SavedSolution& saved);
  void PressStageButtonsOf(const SavedSolution& saved);
  void PressTrialButtonsOf(const SavedSolution& saved);
  // The first place where the lists differ from the saved ones, as a
  // message; empty when they agree.
  Message DifferenceFrom(const SavedSolution& saved) const;

  const WindowVariant* variant_;
  const Method* method_;
  std::vector<StageButton> stage_buttons_;
  StateTable table_;
  FaceletMap work_map_;
  Colour current_colour_ = Colour::kNone;
  GridColours grids_{};
  std::array<CellRef, kFaceCount + 1> selected_{};
  mutable std::array<NetCell, kFaceletCount + 1> net_{};
  mutable bool net_pending_ = false;
  std::string edit55_;
  // One of kNotEntered, kArrangementOk, kArrangementWrong.
  std::string_view label4_ = kNotEntered;
  std::map<int, std::vector<std::string>> lists_;
  ArrangementFault last_fault_ = ArrangementFault::kReal;
  std::vector<Moment> moments_;
  std::vector<StateTable> starts_;
  std::optional<size_t> browsed_;
  mutable std::array<NetCell, kFaceletCount + 1> browsed_net_{};
  mutable bool browsed_net_ready_ = false;
  int last_run_turns_ = 0;
  // Sequence entry and the named fault.
  std::string scramble_text_;
  Message scramble_message_;
  ArrangementDiagnosis named_fault_;
  std::array<bool, kFaceletCount + 1> outlined_{};
  // Files.
  std::string presses_;
  Message file_message_;
};

}  // namespace rq51
