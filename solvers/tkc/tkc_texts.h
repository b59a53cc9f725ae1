// Captions of the TK-C window's stage buttons and the status lines of its
// code-keyed steps.
#pragma once

#include <string_view>

namespace rq51 {

inline constexpr std::string_view kUpper1Caption = "②．上一面";
inline constexpr std::string_view kMochikaeCaption = "③．上下反転持ち替え";
inline constexpr std::string_view kUpper2Caption = "④．上一面その２";
inline constexpr std::string_view kMiddleCaption = "⑤．中段";
inline constexpr std::string_view kCesCaption = "⑥．一括変換";

inline constexpr std::string_view kCornerArrangementSettled = "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し";
inline constexpr std::string_view kCornerArrangementMoved = "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動";
inline constexpr std::string_view kCornerTwistSettled = "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し";
inline constexpr std::string_view kCornerTwistMoved = "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動";
inline constexpr std::string_view kMiddleArrangementSettled = "ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動無し";
inline constexpr std::string_view kMiddleArrangementMoved = "ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動";
inline constexpr std::string_view kMiddleFlipSettled = "ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動無し";
inline constexpr std::string_view kMiddleFlipMoved = "ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動";

}  // namespace rq51
