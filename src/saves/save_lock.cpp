// flock on a file in the save folder, counted per folder so that a function
// holding the lock can call another that takes it too.
#include "saves/save_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <thread>

namespace {

struct THeldLock {
  int Fd = -1;
  int Depth = 0;
};

std::map<std::string, THeldLock>& HeldLocks() {
  static std::map<std::string, THeldLock> held;
  return held;
}

constexpr int kTries = 200;  // 10 ms apart
constexpr std::chrono::milliseconds kPause(10);

}  // namespace

TSaveLock::TSaveLock(const std::string& folder) : folder_(folder) {
  THeldLock& lock = HeldLocks()[folder_];
  if (lock.Depth > 0) {
    lock.Depth += 1;
    held_ = true;
    return;
  }
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  const std::string path = folder_ + "/" + kSaveLockName;
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (fd < 0) {
    HeldLocks().erase(folder_);
    return;
  }
  for (int i = 0; i < kTries; ++i) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      lock.Fd = fd;
      lock.Depth = 1;
      held_ = true;
      return;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) break;
    std::this_thread::sleep_for(kPause);
  }
  ::close(fd);
  HeldLocks().erase(folder_);
}

TSaveLock::~TSaveLock() {
  if (!held_) return;
  auto it = HeldLocks().find(folder_);
  if (it == HeldLocks().end()) return;
  if (--it->second.Depth > 0) return;
  ::flock(it->second.Fd, LOCK_UN);
  ::close(it->second.Fd);
  HeldLocks().erase(it);
}

std::string FolderOfSaveFile(const std::string& path) {
  std::filesystem::path p(path);
  return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}
