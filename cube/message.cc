#include "cube/message.h"

#include <utility>

#include "cube/translation.h"

namespace rq51 {

Message::Message(const char* context, const char* pattern, std::vector<Message> args)
    : context_(context), pattern_(pattern), args_(std::move(args)) {}

Message Message::Verbatim(std::string text) {
  Message message;
  message.verbatim_ = std::move(text);
  return message;
}

Message Message::Composed(std::function<std::string()> compose) {
  Message message;
  message.compose_ = std::move(compose);
  return message;
}

std::string Message::Text() const {
  if (compose_) return compose_();
  if (pattern_ == nullptr) return verbatim_;
  const std::string pattern = Tr(context_, pattern_);
  // As Fill does: %1 .. %9 are the arguments in order; a % followed by
  // anything else, or by a number with no argument, stays as it is.
  std::string text;
  text.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < args_.size()) {
        text += args_[n].Text();
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

}  // namespace rq51
