// A word or a line as a message quotes it.
#pragma once

#include <string>
#include <string_view>

namespace rq51 {

// "「Rx4」": at most 24 characters and "…", so that a long paste or line
// cannot swamp the message.
std::string Quoted(std::string_view text);

// What follows a quoted word of a turn sequence that cannot be read.
inline constexpr std::string_view kUnreadable = "が読めません。";
inline constexpr std::string_view kUnclosed = "の括弧が閉じていません。";

}  // namespace rq51
