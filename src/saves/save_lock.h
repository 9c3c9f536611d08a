// The save folder's lock: every read-modify-write of a save file holds it, so
// two games on one folder take turns and each merges into what the other wrote.
#pragma once
#include <string>

// Holds an exclusive lock on FOLDER/mirutena.lock while it lives. Locks of one
// folder nest within the process. When the lock cannot be had within about two
// seconds (a stopped game holding it), it goes on without: the writes stay
// atomic, only the merge may miss the other game's change.
class TSaveLock {
 public:
  explicit TSaveLock(const std::string& folder);
  ~TSaveLock();
  TSaveLock(const TSaveLock&) = delete;
  TSaveLock& operator=(const TSaveLock&) = delete;
  bool Held() const { return held_; }

 private:
  std::string folder_;
  bool held_ = false;
};

// The folder whose lock guards a save file: the file's own folder.
std::string FolderOfSaveFile(const std::string& path);

// The lock file's name inside a save folder.
inline constexpr const char* kSaveLockName = "mirutena.lock";
