// The middle layer of the TK-C and TK-L windows (button `Middle`, logging
// to ListBox3): the four middle edges are brought to their slots, then those
// that sit reversed are turned over.
#pragma once

#include <string_view>
#include <vector>

#include "cube/state_table.h"
#include "shell/stage_frame.h"

namespace rq51::steps {

// Which middle edge sits at the positions 2, 8, 26, 20: 1 for "B8", 2 for
// "B26", 3 for "B20", 0 for anything else. 123 when all are in their slots.
int MiddleArrangementCode(const StateTable& table);
// 1000, 100, 10, 1 for each of the edges at 2, 8, 26, 20 that sits reversed.
int MiddleFlipCode(const StateTable& table);

inline constexpr int kMiddleInPlace = 123;
inline constexpr int kMiddleUnflipped = 0;

// Status lines, logged in Japanese; ShownLine (shell/shown_line.h) shows
// them in the language of the moment.
inline constexpr std::string_view kMiddleArrangementSettled = "ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動無し";
inline constexpr std::string_view kMiddleArrangementMoved = "ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動";
inline constexpr std::string_view kMiddleFlipSettled = "ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動無し";
inline constexpr std::string_view kMiddleFlipMoved = "ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動";

const std::vector<RowSpec>& MiddleArrangementRows();
const std::vector<RowSpec>& MiddleFlipRows();

// The stage: button `Middle` captioned "⑤．中段", logging to ListBox3.
Stage MiddleStage();

}  // namespace rq51::steps
