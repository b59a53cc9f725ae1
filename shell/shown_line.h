// A logged line as the windows show it in the language of the moment. The
// lines are kept as the methods write them, in Japanese; in another language
// the repetition mark "２乗" reads "×2" (which the notation reader reads as
// well), the words of status lines and notes are translated (context "Log")
// and Japanese punctuation becomes its plain counterpart ("cross4･24" reads
// "cross4·24"). Move text, piece names and other symbols stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace rq51 {

std::string ShownLine(std::string_view line);

}  // namespace rq51
