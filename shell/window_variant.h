// What sets the five solver windows apart in their shared shell.
#pragma once

#include <string_view>
#include <vector>

#include "cube/state_table.h"

namespace rq51 {

enum class WindowKind { kCf0, kCf, kLb, kTkc, kTkl };

// The texts are Japanese, as the window shows them in Japanese; in another
// language they are shown through Tr(context, text) (cube/translation.h):
// `label1`, `label2`, `label5` and `sikou_caption` in the context
// "SolverWindow", the `instructions` lines in the context "Instructions".
// The names and `title` are not translated.
struct WindowVariant {
  WindowKind kind;
  std::string_view short_name;  // "cf0", "cf", "lb", "tkc", "tkl"
  std::string_view name;        // "CF-0", "CF", "LB", "TK-C", "TK-L": the method taught
  std::string_view class_name;  // "TForm3" ...
  std::string_view title;       // "Form3" ...
  FaceColourRule rule;
  // CF-0: the net always shows home numbers, coloured by home face, and the
  // reference corner's three boxes are fixed.
  bool net_by_home_face;
  bool has_reset;
  bool has_numtuke;
  std::vector<int> stage_lists;    // list boxes emptied by entry and reset
  std::vector<int> clear_buttons;  // Lbx<n>clear buttons
  std::string_view label1;         // caption over the front-view grids
  std::string_view label2;         // caption over the back-view grids
  std::string_view label5;         // caption of the trial log
  std::string_view sikou_caption;
  std::vector<std::string_view> instructions;  // Label3, line by line
};

const WindowVariant& VariantOf(WindowKind kind);
// All five, in window order (TForm3 .. TForm7).
const std::vector<WindowKind>& AllWindowKinds();

}  // namespace rq51
