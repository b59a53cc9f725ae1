// The steps on the upper edges of a face that is being finished (the last
// layer of the LB window, the second face of the TK-L window): the cross
// flip turns the edges that show the upper colour on their side, the
// arrangement step exchanges the four edges into their own slots.
#pragma once

#include <string_view>
#include <vector>

#include "cube/state_table.h"
#include "shell/stage_frame.h"

namespace rq51::steps {

// 1000, 100, 10, 1 for each of the positions 4, 24, 49, 40 whose net colour
// is the one of the upper centre 32: a cross edge showing the upper colour
// on its side. It compares the colours of the last redraw, so a window that
// was never drawn reads 1111.
int CrossFlipCode(const StateTable& table);
// Which cross edge sits at each of the positions 4, 24, 49, 40: 1 for home
// 24, 2 for 49, 3 for 40, 0 for anything else. 123 when all four are home.
int UpperEdgeArrangementCode(const StateTable& table);

inline constexpr int kUpperEdgesInPlace = 123;
// Status lines, logged in Japanese; ShownLine (shell/shown_line.h) shows
// them in the language of the moment.
inline constexpr std::string_view kUpperEdgesSettled = "ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し";
inline constexpr std::string_view kUpperEdgesMoved = "ｴｯｼﾞ･ｷｭｰﾌﾞの入替";

// Keyed by the cross flip code: the even numbers of reversed edges.
const std::vector<RowSpec>& CrossFlipRows();
// Keyed by the arrangement code: all 23 other arrangements.
const std::vector<RowSpec>& UpperEdgeArrangementRows();

// The cross flip, without a status line.
Phase CrossFlipPhase();
// The arrangement step with its status line, with the rows of `codes` only
// (all 23 when empty).
Phase UpperEdgeArrangementPhase(const std::vector<int>& codes = {});

}  // namespace rq51::steps
