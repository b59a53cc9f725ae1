#include "shell/quoted_text.h"

#include <string>

#include "cube/translation.h"

namespace rq51 {

Message QuotedMessage(std::string_view text) {
  constexpr int kQuotedLength = 24;
  int characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    // A UTF-8 character starts at every byte that is not a continuation.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (++characters > kQuotedLength) {
      return Message("Files", RQ51_TR_NOOP("Files", "「%1…」"),
                     {Message::Verbatim(std::string(text.substr(0, i)))});
    }
  }
  return Message("Files", RQ51_TR_NOOP("Files", "「%1」"), {Message::Verbatim(std::string(text))});
}

std::string Quoted(std::string_view text) { return QuotedMessage(text).Text(); }

Message UnreadWordMessage(std::string_view word, bool open_bracket) {
  if (open_bracket) {
    return Message("Files", RQ51_TR_NOOP("Files", "%1の括弧が閉じていません。"),
                   {QuotedMessage(word)});
  }
  return UnreadableMessage(word);
}

Message UnreadableMessage(std::string_view text) {
  return Message("Files", RQ51_TR_NOOP("Files", "%1が読めません。"), {QuotedMessage(text)});
}

}  // namespace rq51
