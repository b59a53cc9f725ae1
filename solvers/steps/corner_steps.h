// The corner steps of a second upper face: first every upper corner is
// brought to its slot, then all four are twisted in place. The TK-C and
// TK-L windows run them after turning the cube over; the LB window runs the
// same rows, logging to its own list.
#pragma once

#include "cube/state_table.h"
#include "shell/stage_frame.h"

namespace rq51 {

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

const StageTable& CornerArrangementTable();
const StageTable& CornerTwistTable();

// The phases with their status lines; the list box is the caller's.
Phase CornerArrangementPhase();
Phase CornerTwistPhase();

}  // namespace rq51
