// Bounded reads of data files: whole files, files past the limit, folders.
#include "base/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
