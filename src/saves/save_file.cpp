// Save files on disk: a read that refuses special files, an atomic replace
// through a per-process temporary file, and the cleanup of what a crash left.
#include "saves/save_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

TSaveRead ReadSaveFile(const std::string& path, size_t limit, std::string& bytes,
                       std::string& why) {
  bytes.clear();
  why.clear();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return TSaveRead::Missing;
    why = std::strerror(errno);
    return TSaveRead::Unreadable;
  }
  if (!S_ISREG(st.st_mode)) {
    why = KindOf(st.st_mode);
    return TSaveRead::Unreadable;
  }
  // Non-blocking in case the file was swapped for a pipe since the stat.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return TSaveRead::Missing;
    why = std::strerror(errno);
    return TSaveRead::Unreadable;
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    why = KindOf(st.st_mode);
    ::close(fd);
    return TSaveRead::Unreadable;
  }
  bytes.resize(limit);
  size_t got = 0;
  while (got < limit) {
    ssize_t n = ::read(fd, bytes.data() + got, limit - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      why = std::strerror(errno);
      ::close(fd);
      bytes.clear();
      return TSaveRead::Unreadable;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return TSaveRead::Read;
}

std::string SaveTempName(const std::string& path) {
  return path + ".tmp-" + std::to_string(::getpid());
}

bool ReplaceSaveFile(const std::string& path, const std::string& bytes, std::string& error) {
  std::error_code ec;
  fs::path target(path);
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
      error = path + ": " + ec.message();
      return false;
    }
  }
  const std::string temp = SaveTempName(path);
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int saved = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    saved = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    error = path + ": " + std::strerror(saved);
  }
  return ok;
}

bool ProcessGone(long pid) {
  if (pid <= 0) return false;
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

std::vector<std::string> RemoveStaleTemps(const std::string& folder) {
  std::vector<std::string> removed;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return removed;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    const size_t mark = name.rfind(".tmp-");
    if (mark == std::string::npos || mark == 0) continue;
    const std::string digits = name.substr(mark + 5);
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
      continue;
    if (!ProcessGone(std::stol(digits))) continue;
    const std::string full = folder + "/" + name;
    struct stat st {};
    if (::lstat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (::unlink(full.c_str()) == 0) removed.push_back(name);
  }
  ::closedir(dir);
  return removed;
}

std::vector<std::string> TabFields(const std::string& line) {
  std::vector<std::string> out;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '\t')) out.push_back(field);
  return out;
}
