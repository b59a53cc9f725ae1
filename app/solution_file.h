// Saving a solution as a text file without ever leaving a half-written or
// damaged file behind, and reading a file back.
#pragma once

#include <string>
#include <string_view>

namespace rq51 {

// Writes `text` to a new file beside `path` and renames it over `path`, so
// that `path` holds either its old contents or all of `text`. On failure
// nothing is left behind, `error` says why (in the language of the moment),
// and the result is false.
bool WriteFileAtomically(const std::string& path, std::string_view text, std::string& error);

// Reads at most `limit` bytes of the file at `path` into `bytes`, so that a
// huge file or an endless device costs no more than that. On failure
// `error` says why (in the language of the moment) and the result is false.
bool ReadFileStart(const std::string& path, size_t limit, std::string& bytes, std::string& error);

}  // namespace rq51
