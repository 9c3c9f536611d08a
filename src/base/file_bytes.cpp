// Bounded reads of data files that refuse special files by type.
#include "base/file_bytes.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

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

// Opens without blocking and says what kind of file it is; -1 with the reason.
int OpenForReading(const std::string& path, mode_t& mode, std::string& why) {
  // O_NONBLOCK makes the open of a pipe with no writer return at once; the
  // type is then checked on the open descriptor, so nothing can swap it.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    why = std::strerror(errno);
    return -1;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    why = std::strerror(errno);
    close(fd);
    return -1;
  }
  mode = st.st_mode;
  return fd;
}

// Appends what one read gives, up to one byte past the limit; the byte count
// read, 0 at the end, -1 on an error (EAGAIN included).
ssize_t ReadPiece(int fd, size_t limit, std::string& bytes) {
  char buffer[65536];
  const size_t room = limit - bytes.size();
  // One byte past the limit tells a file that ends at the limit from a longer one.
  ssize_t got;
  do {
    got = read(fd, buffer, room < sizeof buffer ? room + 1 : sizeof buffer);
  } while (got < 0 && errno == EINTR);
  if (got > 0) bytes.append(buffer, static_cast<size_t>(got));
  return got;
}

// Cuts bytes back to the limit; Cut when they went past it.
TReadResult Ending(size_t limit, std::string& bytes) {
  if (bytes.size() <= limit) return TReadResult::Whole;
  bytes.resize(limit);
  return TReadResult::Cut;
}

// Reads a regular file to its end or one byte past the limit.
TReadResult ReadRegular(int fd, size_t limit, std::string& bytes, std::string& why) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  for (;;) {
    const ssize_t got = ReadPiece(fd, limit, bytes);
    if (got < 0) {
      why = std::strerror(errno);
      bytes.clear();
      return TReadResult::Unreadable;
    }
    if (got == 0 || bytes.size() > limit) return Ending(limit, bytes);
  }
}

}  // namespace

TReadResult ReadFileBytes(const std::string& path, size_t limit, std::string& bytes,
                          std::string& why) {
  bytes.clear();
  why.clear();
  mode_t mode = 0;
  const int fd = OpenForReading(path, mode, why);
  if (fd < 0) return TReadResult::Unreadable;
  FdCloser closer{fd};
  if (!S_ISREG(mode)) {
    why = KindOf(mode);
    return TReadResult::Unreadable;
  }
  return ReadRegular(fd, limit, bytes, why);
}

TReadResult ReadFileBytes(const std::string& path, size_t limit, std::string& bytes) {
  std::string why;
  return ReadFileBytes(path, limit, bytes, why);
}

TReadResult ReadArgumentFile(const std::string& path, size_t limit, std::string& bytes,
                             std::string& why, int stallMs) {
  bytes.clear();
  why.clear();
  mode_t mode = 0;
  const int fd = OpenForReading(path, mode, why);
  if (fd < 0) return TReadResult::Unreadable;
  FdCloser closer{fd};
  if (S_ISREG(mode)) return ReadRegular(fd, limit, bytes, why);
  if (!S_ISFIFO(mode)) {
    why = KindOf(mode);
    return TReadResult::Unreadable;
  }
  // A pipe stays non-blocking and is waited on with a time limit: a named
  // pipe nobody writes to never wakes the poll (Linux reports its hang-up
  // only once a writer has come and gone), so it ends with a message.
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, stallMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) {
      why = ready == 0 ? "is a pipe with nothing to read for " + std::to_string(stallMs) +
                             " ms (no writer, or it stalled)"
                       : std::strerror(errno);
      bytes.clear();
      return TReadResult::Unreadable;
    }
    const ssize_t got = ReadPiece(fd, limit, bytes);
    if (got < 0 && errno == EAGAIN) continue;
    if (got < 0) {
      why = std::strerror(errno);
      bytes.clear();
      return TReadResult::Unreadable;
    }
    if (got == 0 || bytes.size() > limit) return Ending(limit, bytes);
  }
}

// The name goes with its length, so any bytes it holds (a line end too) stay
// apart from the text.
std::string CarriedText(const std::string& name, const std::string& text) {
  return std::string(1, '\0') + "T" + std::to_string(name.size()) + ":" + name + text;
}

std::string CarriedPath(const std::string& path) {
  return std::string(1, '\0') + "P" + path;
}

TCarried UnpackCarried(const std::string& source) {
  TCarried c;
  if (source.size() < 2 || source[0] != '\0') {
    c.Name = source;
    return c;
  }
  if (source[1] == 'P') {
    c.Kind = TCarried::TKind::Path;
    c.Name = source.substr(2);
    return c;
  }
  c.Kind = TCarried::TKind::Text;
  size_t at = 2, length = 0;
  while (at < source.size() && source[at] >= '0' && source[at] <= '9' && length < source.size())
    length = length * 10 + static_cast<size_t>(source[at++] - '0');
  if (at < source.size() && source[at] == ':') ++at;
  c.Name = source.substr(at, length);
  c.Text = source.substr(std::min(source.size(), at + length));
  return c;
}

TReadResult ReadSource(const std::string& source, const std::vector<std::string>& allowed,
                       size_t limit, std::string& bytes, std::string& why) {
  const TCarried c = UnpackCarried(source);
  if (c.Kind == TCarried::TKind::Plain) return ReadArgumentFile(source, limit, bytes, why);
  if (c.Kind == TCarried::TKind::Text) {
    why.clear();
    bytes = c.Text.substr(0, limit);
    return c.Text.size() > limit ? TReadResult::Cut : TReadResult::Whole;
  }
  // A recording is shared between players: the path it names must not reach
  // anything of theirs outside the game's own folders.
  std::error_code ec;
  const std::filesystem::path real = std::filesystem::weakly_canonical(c.Name, ec);
  bool inside = false;
  for (const std::string& folder : allowed) {
    if (folder.empty() || ec) continue;
    std::error_code fec;
    const std::filesystem::path base = std::filesystem::weakly_canonical(folder, fec);
    if (fec) continue;
    auto [b, r] = std::mismatch(base.begin(), base.end(), real.begin(), real.end());
    if (b == base.end() && r != real.end()) inside = true;
  }
  if (!inside) {
    bytes.clear();
    why = "is named by the recording outside the data and save folders; not read";
    return TReadResult::Unreadable;
  }
  return ReadFileBytes(c.Name, limit, bytes, why);
}
