// Captions and fixed lines of the CF-0 window's stages.
#pragma once

#include <string_view>

namespace rq51 {

inline constexpr std::string_view kCf0CornerCaption = "②．ｺｰﾅｰ・ｷｭｰﾌﾞの変換";
inline constexpr std::string_view kCf0EdgeCaption = "③．ｴｯｼﾞｷｭｰﾌﾞの変換";
inline constexpr std::string_view kCf0CentreCaption = "④．ｾﾝﾀｰｷｭｰﾌﾞの変換";
inline constexpr std::string_view kCf0OneShotCaption = "⑤．一括変換";
// Logged between the placement and the twist or flip lines of a stage run.
inline constexpr std::string_view kCf0Separator = "    @     ";

}  // namespace rq51
