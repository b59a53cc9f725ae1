// The corner steps of a second upper face: first every upper corner is
// brought to its slot, then all four are twisted in place. The TK-C and
// TK-L windows run them after turning the cube over; the LB window runs the
// same rows in its last-layer stage, logging to its own list.
#pragma once

#include <string_view>
#include <vector>

#include "cube/state_table.h"
#include "shell/stage_frame.h"

namespace rq51::steps {

// Which cubie sits at each upper corner, as digits for the positions 1, 7,
// 27, 21: 1 for "A7", 2 for "A21", 3 for "A27", 0 for anything else. 132
// when every corner is in its slot.
int CornerArrangementCode(const StateTable& table);
// How each upper corner is twisted, as digits for the positions 1, 7, 21,
// 27: 1 when the sticker there is the corner's upper-face sticker, 2 when it
// is its left- or right-face sticker, 0 otherwise.
// 0 when all four corners show their own sticker there.
int CornerTwistCode(const StateTable& table);

inline constexpr int kCornersInPlace = 132;
inline constexpr int kCornersUntwisted = 0;

// Status lines, logged in Japanese; ShownLine (shell/shown_line.h) shows
// them in the language of the moment.
inline constexpr std::string_view kCornerArrangementSettled = "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し";
inline constexpr std::string_view kCornerArrangementMoved = "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動";
inline constexpr std::string_view kCornerTwistSettled = "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し";
inline constexpr std::string_view kCornerTwistMoved = "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動";

// Keyed by the arrangement and twist codes.
const std::vector<RowSpec>& CornerArrangementRows();
const std::vector<RowSpec>& CornerTwistRows();

// The phases with their status lines; the list box is the stage's.
Phase CornerArrangementPhase();
Phase CornerTwistPhase();

}  // namespace rq51::steps
