// Save files on disk: special files refused without blocking, atomic
// replacement through a per-process temporary name, the cleanup of what
// crashed games left, and the folder lock between processes.
#include "saves/save_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "saves/save_lock.h"

namespace fs = std::filesystem;

namespace {

struct Folder {
  std::string Path;
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "mirutena-saves-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
    Path = pattern;
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(Path, ec);
  }
  std::string operator/(const std::string& name) const { return Path + "/" + name; }
};

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The id of a process that has ended (a child, waited for).
long DeadPid() {
  pid_t child = fork();
  if (child == 0) _exit(0);
  int status = 0;
  waitpid(child, &status, 0);
  return child;
}

}  // namespace

TEST(SaveFile, ReadsFilesAndRefusesEverythingElseAtOnce) {
  Folder dir;
  std::string bytes, why;
  EXPECT_EQ(ReadSaveFile(dir / "none", 20, bytes, why), TSaveRead::Missing);
  Write(dir / "score.rnk", std::string(30, 'x'));
  EXPECT_EQ(ReadSaveFile(dir / "score.rnk", 20, bytes, why), TSaveRead::Read);
  EXPECT_EQ(bytes, std::string(20, 'x'));

  fs::create_directories(dir / "folder");
  EXPECT_EQ(ReadSaveFile(dir / "folder", 20, bytes, why), TSaveRead::Unreadable);
  EXPECT_EQ(why, "a folder");
  // A pipe with no writer would block an ordinary open for ever.
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadSaveFile(dir / "pipe", 20, bytes, why), TSaveRead::Unreadable);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(why, "a named pipe");
  EXPECT_EQ(ReadSaveFile("/dev/zero", 20, bytes, why), TSaveRead::Unreadable);
  EXPECT_EQ(why, "a device");
}

TEST(SaveFile, ReplacesWholeAndLeavesNoTemporaryFile) {
  Folder dir;
  std::string error;
  const std::string path = dir / "new/folder/clear.clr";
  ASSERT_TRUE(ReplaceSaveFile(path, "abc", error)) << error;
  ASSERT_TRUE(ReplaceSaveFile(path, "defg", error)) << error;
  std::string bytes, why;
  ASSERT_EQ(ReadSaveFile(path, 100, bytes, why), TSaveRead::Read);
  EXPECT_EQ(bytes, "defg");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "new/folder"), fs::directory_iterator()), 1);
  // The temporary name carries this process's id, so two games never share it.
  EXPECT_EQ(SaveTempName(path), path + ".tmp-" + std::to_string(getpid()));

  // A failure says why and leaves the old file.
  fs::create_directories(SaveTempName(path));
  EXPECT_FALSE(ReplaceSaveFile(path, "lost", error));
  EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
  ASSERT_EQ(ReadSaveFile(path, 100, bytes, why), TSaveRead::Read);
  EXPECT_EQ(bytes, "defg");
}

TEST(SaveFile, RemovesOnlyTheTemporaryFilesOfEndedProcesses) {
  Folder dir;
  const long dead = DeadPid();
  ASSERT_TRUE(ProcessGone(dead));
  EXPECT_FALSE(ProcessGone(getpid()));
  Write(dir / ("score.rnk.tmp-" + std::to_string(dead)), "x");
  Write(dir / ("clear.clr.tmp-" + std::to_string(getpid())), "x");  // a live writer's
  Write(dir / "notes.tmp-abc", "x");
  Write(dir / "score.rnk", "x");
  const std::vector<std::string> removed = RemoveStaleTemps(dir.Path);
  EXPECT_EQ(removed, std::vector<std::string>{"score.rnk.tmp-" + std::to_string(dead)});
  EXPECT_TRUE(fs::exists(dir / ("clear.clr.tmp-" + std::to_string(getpid()))));
  EXPECT_TRUE(fs::exists(dir / "notes.tmp-abc"));
  EXPECT_TRUE(fs::exists(dir / "score.rnk"));
}

// While one game holds the lock another process cannot take it; the lock
// nests within a process and is free again once the outer holder goes.
TEST(SaveLock, KeepsOtherProcessesOutAndNests) {
  Folder dir;
  auto otherCanLock = [&] {
    pid_t child = fork();
    if (child == 0) {
      int fd = open((dir / kSaveLockName).c_str(), O_RDWR | O_CREAT, 0644);
      _exit(fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  };
  {
    TSaveLock outer(dir.Path);
    ASSERT_TRUE(outer.Held());
    {
      TSaveLock inner(dir.Path);
      EXPECT_TRUE(inner.Held());
    }
    EXPECT_FALSE(otherCanLock());  // still held by the outer one
  }
  EXPECT_TRUE(otherCanLock());
}
