// A word or a line as a message quotes it.
#pragma once

#include <string>
#include <string_view>

#include "cube/message.h"

namespace rq51 {

// "「Rx4」": at most 24 characters and "…", so that a long paste or line
// cannot swamp the message.
// In the language of the moment; QuotedMessage keeps it as a message.
std::string Quoted(std::string_view text);
Message QuotedMessage(std::string_view text);

// "「Rx4」が読めません。" or, for a bracket that does not close,
// "「(RxRy」の括弧が閉じていません。": a word of a turn sequence that cannot
// be read, as a message says it.
Message UnreadWordMessage(std::string_view word, bool open_bracket);
// "「…」が読めません。": a line that cannot be read.
Message UnreadableMessage(std::string_view text);

}  // namespace rq51
