// A logged line as the windows show it in the language of the moment. The
// lines are kept as the methods write them, in Japanese; in another language
// the repetition mark "２乗" reads "×2" and the words of headings and notes
// are translated. Move text, piece names and symbols stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace rq51 {

std::string ShownLine(std::string_view line);

}  // namespace rq51
