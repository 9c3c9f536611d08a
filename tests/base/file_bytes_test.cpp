// Bounded reads of data files: whole files, files past the limit, folders.
#include "base/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "type_window/kana_table.h"

namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() /
          (std::string("mirutena_fb_") + std::to_string(getpid()) + "_" + name))
      .string();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST(ReadFileBytes, StopsAtTheLimitAndSaysSo) {
  const std::string path = TempPath("limit");
  std::string bytes;
  WriteFile(path, std::string(100, 'a'));
  EXPECT_EQ(ReadFileBytes(path, 100, bytes), TReadResult::Whole);
  EXPECT_EQ(bytes.size(), 100u);
  EXPECT_EQ(ReadFileBytes(path, 99, bytes), TReadResult::Cut);
  EXPECT_EQ(bytes.size(), 99u);
  // Larger than the read buffer, cut in the middle of a piece.
  WriteFile(path, std::string(200000, 'b'));
  EXPECT_EQ(ReadFileBytes(path, 150001, bytes), TReadResult::Cut);
  EXPECT_EQ(bytes, std::string(150001, 'b'));
  EXPECT_EQ(ReadFileBytes(path, 1 << 20, bytes), TReadResult::Whole);
  EXPECT_EQ(bytes.size(), 200000u);
  WriteFile(path, "");
  EXPECT_EQ(ReadFileBytes(path, 10, bytes), TReadResult::Whole);
  EXPECT_TRUE(bytes.empty());
  std::filesystem::remove(path);
  EXPECT_EQ(ReadFileBytes(path, 10, bytes), TReadResult::Unreadable);
  std::filesystem::create_directories(path);
  EXPECT_EQ(ReadFileBytes(path, 10, bytes), TReadResult::Unreadable);
  std::filesystem::remove(path);
}

// A text data file past the limit is refused, with its name, before its
// lines are split (a huge word list no longer costs its size many times over).
TEST(ReadFileBytes, OversizedTextDataIsRefused) {
  const std::string path = TempPath("words");
  std::string line = "ことば:ことば;\r\n";
  std::string text;
  while (text.size() <= kTextFileLimit) text += line;
  WriteFile(path, text);
  std::vector<std::string> lines;
  std::string error;
  EXPECT_FALSE(ReadDataLines(path, lines, error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_TRUE(lines.empty());
  WriteFile(path, text.substr(0, 10 * line.size()) + "end;\r\n");
  EXPECT_TRUE(ReadDataLines(path, lines, error)) << error;
  EXPECT_EQ(lines.back(), "end;");
  std::filesystem::remove(path);
}

// Special files are refused by their type, at once, with the reason: a named
// pipe with no writer would otherwise block the open forever.
TEST(ReadFileBytes, SpecialFilesAreRefusedWithoutWaiting) {
  const std::string fifo = TempPath("fifo");
  std::filesystem::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string bytes = "old";
  std::string why;
  EXPECT_EQ(ReadFileBytes(fifo, 10, bytes, why), TReadResult::Unreadable);
  EXPECT_EQ(why, "is a named pipe");
  EXPECT_TRUE(bytes.empty());
  std::filesystem::remove(fifo);
  EXPECT_EQ(ReadFileBytes("/dev/zero", 10, bytes, why), TReadResult::Unreadable);
  EXPECT_EQ(why, "is a device");
  const std::string dir = TempPath("dir");
  std::filesystem::create_directories(dir);
  EXPECT_EQ(ReadFileBytes(dir, 10, bytes, why), TReadResult::Unreadable);
  EXPECT_EQ(why, "is a folder");
  std::filesystem::remove(dir);
  EXPECT_EQ(ReadFileBytes(dir, 10, bytes, why), TReadResult::Unreadable);
  EXPECT_FALSE(why.empty());
  // A link to a regular file is read through; the reason is cleared on success.
  const std::string file = TempPath("target");
  WriteFile(file, "abc");
  const std::string link = TempPath("link");
  std::filesystem::remove(link);
  std::filesystem::create_symlink(file, link);
  EXPECT_EQ(ReadFileBytes(link, 10, bytes, why), TReadResult::Whole);
  EXPECT_EQ(bytes, "abc");
  EXPECT_TRUE(why.empty());
  EXPECT_EQ(ReadFileBytes(link, 3, bytes, why), TReadResult::Whole);
  EXPECT_EQ(ReadFileBytes(link, 2, bytes, why), TReadResult::Cut);
  EXPECT_EQ(bytes, "ab");
  std::filesystem::remove(link);
  std::filesystem::remove(file);
}

// Files named on the command line may be pipes (`--keys <(...)`): read to
// the end when something writes, given up after the stall time when not.
TEST(ReadArgumentFile, PipesAreReadButNeverWaitedOnForLong) {
  std::string bytes, why;
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(write(fds[1], "1 press a\n", 10), 10);
  close(fds[1]);
  const std::string fdPath = "/dev/fd/" + std::to_string(fds[0]);
  EXPECT_EQ(ReadArgumentFile(fdPath, 100, bytes, why), TReadResult::Whole) << why;
  EXPECT_EQ(bytes, "1 press a\n");
  close(fds[0]);

  // A writer that keeps the pipe open and says nothing more: the bytes so
  // far are dropped and the reason given.
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(write(fds[1], "abc", 3), 3);
  const std::string stalled = "/dev/fd/" + std::to_string(fds[0]);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadArgumentFile(stalled, 100, bytes, why, 200), TReadResult::Unreadable);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_NE(why.find("200 ms"), std::string::npos) << why;
  EXPECT_TRUE(bytes.empty());
  // Past the limit a pipe is cut like a file.
  ASSERT_EQ(write(fds[1], "defgh", 5), 5);
  close(fds[1]);
  EXPECT_EQ(ReadArgumentFile(stalled, 4, bytes, why, 200), TReadResult::Cut);
  EXPECT_EQ(bytes, "defg");
  close(fds[0]);

  const std::string fifo = TempPath("argfifo");
  std::filesystem::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadArgumentFile(fifo, 100, bytes, why, 200), TReadResult::Unreadable);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_NE(why.find("no writer"), std::string::npos) << why;
  std::filesystem::remove(fifo);
  EXPECT_EQ(ReadArgumentFile("/dev/zero", 100, bytes, why, 200), TReadResult::Unreadable);
  EXPECT_EQ(why, "is a device");
  EXPECT_EQ(ReadArgumentFile(std::filesystem::temp_directory_path().string(), 100, bytes, why),
            TReadResult::Unreadable);
  EXPECT_EQ(why, "is a folder");
}

// What a recording carries travels in a path string: its text is used as it
// is, and a path it names is read only inside the allowed folders.
TEST(ReadSource, CarriedTextAndPathsNamedByRecordings) {
  std::string bytes, why;
  const std::string text("a\0b\r\nc", 6);
  const std::string carried = CarriedText("my.lin", text);
  const TCarried c = UnpackCarried(carried);
  EXPECT_EQ(c.Kind, TCarried::TKind::Text);
  EXPECT_EQ(c.Name, "my.lin");
  EXPECT_EQ(c.Text, text);
  EXPECT_EQ(ReadSource(carried, {}, 100, bytes, why), TReadResult::Whole);
  EXPECT_EQ(bytes, text);
  EXPECT_EQ(ReadSource(carried, {}, 3, bytes, why), TReadResult::Cut);
  EXPECT_EQ(bytes, text.substr(0, 3));

  const std::string dir = TempPath("allowed");
  std::filesystem::create_directories(dir + "/dat");
  WriteFile(dir + "/dat/x.lin", "inside");
  const std::string outside = TempPath("outside.lin");
  WriteFile(outside, "outside");
  EXPECT_EQ(UnpackCarried(CarriedPath(outside)).Kind, TCarried::TKind::Path);
  EXPECT_EQ(ReadSource(CarriedPath(dir + "/dat/x.lin"), {"", dir}, 100, bytes, why),
            TReadResult::Whole);
  EXPECT_EQ(bytes, "inside");
  // Outside, or climbing out with "..", or through a link: refused, unread.
  for (const std::string& path :
       {outside, dir + "/dat/../../" + std::filesystem::path(outside).filename().string()}) {
    EXPECT_EQ(ReadSource(CarriedPath(path), {dir}, 100, bytes, why), TReadResult::Unreadable)
        << path;
    EXPECT_NE(why.find("outside the data and save folders"), std::string::npos) << why;
  }
  std::filesystem::create_symlink(outside, dir + "/dat/link.lin");
  EXPECT_EQ(ReadSource(CarriedPath(dir + "/dat/link.lin"), {dir}, 100, bytes, why),
            TReadResult::Unreadable);
  // A folder is not inside itself, and with no folders nothing is read.
  EXPECT_EQ(ReadSource(CarriedPath(dir), {dir}, 100, bytes, why), TReadResult::Unreadable);
  EXPECT_EQ(ReadSource(CarriedPath(dir + "/dat/x.lin"), {}, 100, bytes, why),
            TReadResult::Unreadable);
  // A plain path is the command line's: read wherever it is.
  EXPECT_EQ(ReadSource(outside, {dir}, 100, bytes, why), TReadResult::Whole);
  EXPECT_EQ(bytes, "outside");
  std::filesystem::remove_all(dir);
  std::filesystem::remove(outside);
}
