// The TK-C window's method: the upper face, the cube turned over, the
// second upper face and the middle layer, as stages of the stage frame.
#pragma once

#include <vector>

#include "cube/state_table.h"
#include "shell/solver_window.h"
#include "shell/stage_frame.h"

namespace rq51 {

// Which middle edge sits at the positions 2, 8, 26, 20: 1 for "B8", 2 for
// "B26", 3 for "B20", 0 for anything else. 123 when all are in their slots.
int MiddleArrangementCode(const StateTable& table);
// 1000, 100, 10, 1 for each of the edges at 2, 8, 26, 20 that sits reversed.
int MiddleFlipCode(const StateTable& table);

inline constexpr int kMiddleInPlace = 123;
inline constexpr int kMiddleUnflipped = 0;

// Turning the cube upside down about the x axis; the faces are re-anchored
// on the centres as they will lie after the turn.
const ReHold& TkcFlip();

// Upper1, Mochikae, Upper2, Middle, in the window's order.
const std::vector<Stage>& TkcStages();
// The flip stage and the middle stage, which the TK-L window runs as they
// are.
const Stage& TkcMochikaeStage();
const Stage& TkcMiddleStage();
// The four stage buttons and CES, which runs them all.
std::vector<StageButton> TkcButtons();

}  // namespace rq51
