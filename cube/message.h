// A message kept as what it says rather than as finished text, so that it
// reads in the language of the moment whenever it is shown, also after the
// language changed: a pattern written in Japanese (marked for the
// translation tools with RQ51_TR_NOOP under its context) and what fills its
// %1 .. %9, each a text shown as it is (a number, a file name, move text) or
// a message itself.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rq51 {

class Message {
 public:
  // The empty message.
  Message() = default;
  // `pattern` (a literal, marked where it is written) under `context`.
  Message(const char* context, const char* pattern, std::vector<Message> args = {});
  // A text shown as it is, in every language.
  static Message Verbatim(std::string text);
  // A text composed afresh each time it is shown, by `compose`, which
  // speaks the language of the moment itself.
  static Message Composed(std::function<std::string()> compose);

  // The text in the language of the moment.
  std::string Text() const;
  bool empty() const { return pattern_ == nullptr && !compose_ && verbatim_.empty(); }

 private:
  const char* context_ = nullptr;
  const char* pattern_ = nullptr;  // null for a verbatim or composed text
  std::string verbatim_;
  std::function<std::string()> compose_;
  std::vector<Message> args_;
};

}  // namespace rq51
