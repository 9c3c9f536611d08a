// Bounded reads of data files that refuse special files by type.
#include "base/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder";
  if (S_ISFIFO(mode)) return "is a named pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device";
  if (S_ISSOCK(mode)) return "is a socket";
  return "is not a regular file";
}

// Closes the descriptor however the read ends.
struct FdCloser {
  int fd;
  ~FdCloser() {
    if (fd >= 0) close(fd);
  }
};

}  // namespace

TReadResult ReadFileBytes(const std::string& path, size_t limit, std::string& bytes,
                          std::string& why) {
  bytes.clear();
  why.clear();
  // O_NONBLOCK makes the open of a pipe with no writer return at once; the
  // type is then checked on the open descriptor, so nothing can swap it.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    why = std::strerror(errno);
    return TReadResult::Unreadable;
  }
  FdCloser closer{fd};
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    why = std::strerror(errno);
    return TReadResult::Unreadable;
  }
  if (!S_ISREG(st.st_mode)) {
    why = KindOf(st.st_mode);
    return TReadResult::Unreadable;
  }
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  // Reads in pieces, so memory grows with the bytes that are really there.
  char buffer[65536];
  for (;;) {
    // One byte past the limit tells a file that ends at the limit from a longer one.
    const size_t room = limit - bytes.size();
    const ssize_t got = read(fd, buffer, room < sizeof buffer ? room + 1 : sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      why = std::strerror(errno);
      bytes.clear();
      return TReadResult::Unreadable;
    }
    if (got == 0) return TReadResult::Whole;
    bytes.append(buffer, static_cast<size_t>(got));
    if (bytes.size() > limit) {
      bytes.resize(limit);
      return TReadResult::Cut;
    }
  }
}

TReadResult ReadFileBytes(const std::string& path, size_t limit, std::string& bytes) {
  std::string why;
  return ReadFileBytes(path, limit, bytes, why);
}
