#include "app/solution_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "cube/translation.h"

namespace rq51 {

namespace {

std::string CannotWrite(const std::string& path, int code) {
  return Fill(Tr("Files", "%1 に書き込めません（%2）。"), {path, std::strerror(code)});
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view text, std::string& error) {
  if (path.empty()) {
    error = Tr("Files", "ファイル名がありません。");
    return false;
  }
  if (std::filesystem::is_directory(path)) {
    error = Fill(Tr("Files", "%1 はフォルダです。"), {path});
    return false;
  }
  // The temporary file lies in the same folder, so that the rename replaces
  // the old file in one step.
  std::vector<char> temporary(path.begin(), path.end());
  const std::string_view suffix = ".rq51-XXXXXX";
  temporary.insert(temporary.end(), suffix.begin(), suffix.end());
  temporary.push_back('\0');
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    error = CannotWrite(path, errno);
    return false;
  }
  const auto fail = [&](int code) {
    error = CannotWrite(path, code);
    close(fd);
    std::remove(temporary.data());
    return false;
  };
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = write(fd, text.data() + written, text.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    written += static_cast<size_t>(n);
  }
  if (fsync(fd) != 0) return fail(errno);
  // Keep the permissions of the file replaced; a new file gets those the
  // user's umask gives any new file.
  struct stat old_file;
  mode_t mode;
  if (stat(path.c_str(), &old_file) == 0) {
    mode = old_file.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  if (fchmod(fd, mode) != 0) return fail(errno);
  if (close(fd) != 0) {
    const int code = errno;
    std::remove(temporary.data());
    error = CannotWrite(path, code);
    return false;
  }
  if (std::rename(temporary.data(), path.c_str()) != 0) {
    const int code = errno;
    std::remove(temporary.data());
    error = CannotWrite(path, code);
    return false;
  }
  return true;
}

bool ReadFileStart(const std::string& path, size_t limit, std::string& bytes, std::string& error) {
  const auto fail = [&](int code) {
    error = Fill(Tr("Files", "%1 を読めません（%2）。"), {path, std::strerror(code)});
    return false;
  };
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(errno);
  struct stat file;
  if (fstat(fd, &file) == 0 && S_ISDIR(file.st_mode)) {
    close(fd);
    error = Fill(Tr("Files", "%1 はフォルダです。"), {path});
    return false;
  }
  bytes.clear();
  char buffer[65536];
  while (bytes.size() < limit) {
    const ssize_t n = read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
    if (n < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      close(fd);
      return fail(code);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return true;
}

}  // namespace rq51
