#include "shell/quoted_text.h"

namespace rq51 {

std::string Quoted(std::string_view text) {
  constexpr int kQuotedLength = 24;
  int characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    // A UTF-8 character starts at every byte that is not a continuation.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (++characters > kQuotedLength) return "「" + std::string(text.substr(0, i)) + "…」";
  }
  return "「" + std::string(text) + "」";
}

}  // namespace rq51
