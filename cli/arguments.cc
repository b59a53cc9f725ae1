#include "cli/arguments.h"

namespace rq51::cli {

std::string Printable(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return shown;
}

bool TakeOptionValue(const std::vector<std::string>& args, size_t& i,
                     std::optional<std::string>& option, std::string& error) {
  const std::string& name = args[i];
  if (option.has_value()) {
    error = "option " + name + " given twice";
    return false;
  }
  if (i + 1 >= args.size()) {
    error = "option " + name + " needs a value";
    return false;
  }
  option = args[++i];
  return true;
}

}  // namespace rq51::cli
