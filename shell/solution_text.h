// The texts a solver window opens: a solution that "解法を保存…" saved, a
// turn sequence in either notation, or a line of 54 colour letters.
//
// A saved solution, line by line:
//   RQ51 <window title> <first instruction line>
//   入力された色<TAB><54 letters G R B O W Y, '.' for an empty cell>
//   押したボタン<TAB><the buttons pressed since, by name, blank-separated>
//   ListBox<n><TAB><heading><TAB><turns> 手     (each list, in number order)
//   <its lines>
//   合計<TAB><turns> 手
// Files saved before the buttons were kept lack the third line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cube/arrangement_check.h"
#include "cube/message.h"
#include "shell/window_variant.h"

namespace rq51 {

// A larger file is refused unread.
inline constexpr size_t kMaxOpenedBytes = size_t{1} << 20;
// The file name extension that saved solutions get by default.
inline constexpr std::string_view kSolutionExtension = ".rq51";

inline constexpr std::string_view kSolutionStart = "RQ51 ";
inline constexpr std::string_view kEnteredLabel = "入力された色";
inline constexpr std::string_view kPressesLabel = "押したボタン";
inline constexpr std::string_view kTotalLabel = "合計";

enum class OpenedKind { kRefused, kSolution, kTurnSequence, kColours, kOtherWindow };

struct SavedList {
  int list_box;
  std::vector<std::string> lines;
};

struct SavedSolution {
  WindowKind window = WindowKind::kCf0;
  StickerColours entered{};  // kNone for an empty cell
  bool has_presses = false;  // false for an older file
  std::vector<std::string> presses;
  int presses_line = 0;
  std::vector<SavedList> lists;  // in number order, as the window has them
};

struct TextReading {
  OpenedKind kind = OpenedKind::kRefused;
  Message refusal;           // kRefused: the message, naming the line
  SavedSolution solution;    // kSolution
  StickerColours colours{};  // kTurnSequence, kColours: what the grids get
};

// Reads a text that a solver window is asked to open. The verdict depends on
// the text alone: a saved solution is checked against the window it names
// (its lists, a cube that can exist), never against the window opening it.
// Never kOtherWindow.
TextReading ReadOpenedText(std::string_view bytes);

// The window a saved solution names in its first line; nullopt for any
// other text.
std::optional<WindowKind> SolutionWindowOf(std::string_view bytes);

// The messages of an opening, kept as messages so that they read in the
// language of the moment wherever they are shown.
//
// "ファイルの3行目で読み込みを中止しました。…ウィンドウはそのままです。"
Message RefusalMessage(int line, Message reason);
// A refusal for a saved cube that cannot exist, with its named fault.
Message ImpossibleCubeReason(const ArrangementDiagnosis& diagnosis);
// A refusal for a press that names no button of the window.
Message NoSuchButtonReason(std::string_view name);
// Says which window a saved solution belongs to.
Message OtherWindowMessage(WindowKind window);
// The lines computed on opening differ from the saved ones from line `line`
// (from 1) of ListBox<list_box> on.
Message DifferentLinesMessage(int list_box, size_t line);

}  // namespace rq51
