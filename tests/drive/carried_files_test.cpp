// Recordings carry the files a run read (the script it tried, the own list it
// practised), and key scripts and recordings are refused past their limits.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "base/file_bytes.h"
#include "drive/key_script.h"
#include "drive/recording_files.h"

namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() /
          (std::string("mirutena_cf_") + std::to_string(getpid()) + "_" + name))
      .string();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t p = 0; p < text.size();) {
    size_t e = text.find('\n', p);
    if (e == std::string::npos) e = text.size();
    lines.push_back(text.substr(p, e - p));
    p = e + 1;
  }
  return lines;
}

}  // namespace

TEST(CarriedFiles, ScriptAndListTravelInTheRecordingByteForByte) {
  // CR LF, bare CR, spaces at the ends, '%', a NUL, Shift-JIS bytes and a
  // last line without its end: everything comes back as it was.
  const char kScript[] = "\x8E\x8E\x8C\xB1,1;\r\n *1 ;%20\r\x00 end; ";
  const std::string script(kScript, sizeof kScript - 1);
  std::string list = "猫:ねこ;\n" + std::string(3000, 'x');  // longer than one line of the file
  TRecording r;
  r.Seed = 7;
  r.Stage = 3;
  r.TryScriptPath = CarriedText("my try.lin", script);
  r.Practice = CarriedText("/home/me/words/my list.txt", list);
  const std::string text = FormatRecordingHead(r) + "5 down a\n" + FormatRecordingEnd(9);
  EXPECT_EQ(text.find("/home/me"), std::string::npos) << text.substr(0, 200);
  TRecording back;
  std::string error;
  ASSERT_TRUE(ParseRecording(Lines(text), "r.rec", back, error)) << error;
  // Only the file names go with the bytes, no folders.
  EXPECT_EQ(back.TryScriptPath, r.TryScriptPath);
  EXPECT_EQ(back.Practice, CarriedText("my list.txt", list));
  EXPECT_EQ(back.Keys.size(), 1u);

  // A plain path of a readable file is carried as its bytes, read here.
  const std::string path = TempPath("try.lin");
  std::ofstream(path, std::ios::binary) << script;
  r.TryScriptPath = path;
  r.Practice = "3";  // a level list stays a name
  ASSERT_TRUE(ParseRecording(Lines(FormatRecordingHead(r)), "r.rec", back, error)) << error;
  EXPECT_EQ(back.TryScriptPath,
            CarriedText(std::filesystem::path(path).filename().string(), script));
  EXPECT_EQ(back.Practice, "3");
  std::filesystem::remove(path);
}

TEST(CarriedFiles, DamagedBlocksAndOlderPathsAreCaught) {
  const std::string head = kRecordHeader;
  TRecording r;
  std::string error;
  auto bad = [&](std::vector<std::string> lines, const char* says) {
    lines.insert(lines.begin(), {head, "seed 1"});
    EXPECT_FALSE(ParseRecording(lines, "r.rec", r, error)) << says;
    EXPECT_NE(error.find(says), std::string::npos) << error;
  };
  bad({"try-script-text 5 a.lin", "try-script-data abc"}, "cut short");
  bad({"try-script-text 2 a.lin", "try-script-data abc"}, "more bytes");
  bad({"practice-data abc"}, "before its");
  bad({"try-script-text 1 a", "try-script-data %4"}, "bad escape");
  bad({"try-script-text 1 a", "try-script-data %zz"}, "bad escape");
  bad({"try-script-text 2000000 a"}, "at most 1 MiB");
  bad({"try-script-text 0 a", "try-script-text 0 a"}, "a second");
  bad({std::string("practice \0T1:ab", 16)}, "NUL");
  bad({std::string("try-script /a\0b", 16)}, "NUL");
  // A name may hold any byte, a line end too, without running into the text.
  ASSERT_TRUE(ParseRecording(
      {head, "seed 1", "\v\f", "try-script-text 2 a%0Ab", "try-script-data xy"}, "r.rec", r, error))
      << error;
  EXPECT_EQ(UnpackCarried(r.TryScriptPath).Name, "a\nb");
  EXPECT_EQ(UnpackCarried(r.TryScriptPath).Text, "xy");
  // An empty carried file is still a file.
  ASSERT_TRUE(ParseRecording({head, "seed 1", "try-script-text 0 e.lin"}, "r.rec", r, error));
  EXPECT_EQ(r.TryScriptPath, CarriedText("e.lin", ""));
  // Older recordings name paths: they come back marked, to be read only
  // inside the game's folders; built-in practice lists stay names.
  ASSERT_TRUE(ParseRecording({head, "seed 1", "try-script /etc/passwd", "practice /x/y.txt"},
                             "r.rec", r, error));
  EXPECT_EQ(r.TryScriptPath, CarriedPath("/etc/passwd"));
  EXPECT_EQ(r.Practice, CarriedPath("/x/y.txt"));
  ASSERT_TRUE(ParseRecording({head, "seed 1", "practice weakest"}, "r.rec", r, error));
  EXPECT_EQ(r.Practice, "weakest");
}

TEST(CarriedFiles, RunFilesAreReadOnceFromPipesAndFiles) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(write(fds[1], "end;\r\n", 6), 6);
  close(fds[1]);
  TRecording r;
  r.TryScriptPath = "/dev/fd/" + std::to_string(fds[0]);
  r.Practice = "weakest";
  std::string error;
  ASSERT_TRUE(CarryRunFiles(r, error)) << error;
  close(fds[0]);
  EXPECT_EQ(UnpackCarried(r.TryScriptPath).Text, "end;\r\n");
  EXPECT_EQ(r.Practice, "weakest");
  // Carrying twice changes nothing; a folder is refused with its name.
  const std::string once = r.TryScriptPath;
  ASSERT_TRUE(CarryRunFiles(r, error));
  EXPECT_EQ(r.TryScriptPath, once);
  r.Practice = std::filesystem::temp_directory_path().string();
  EXPECT_FALSE(CarryRunFiles(r, error));
  EXPECT_NE(error.find("is a folder"), std::string::npos) << error;
}

// Key scripts and recordings come from anyone: a pipe nobody writes to, a
// folder, too many lines or bytes, or a run longer than a day are refused
// with the file's name, at once.
TEST(KeyFileLimits, HostileKeyFilesAreRefusedQuickly) {
  std::vector<TTimedKey> events;
  TRecording r;
  std::string error;
  const std::string fifo = TempPath("keys.fifo");
  std::filesystem::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(LoadKeyScript(fifo, events, error));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_NE(error.find(fifo), std::string::npos) << error;
  EXPECT_FALSE(LoadRecording(fifo, r, error));
  EXPECT_NE(error.find("no writer"), std::string::npos) << error;
  std::filesystem::remove(fifo);

  const std::string dir = std::filesystem::temp_directory_path().string();
  EXPECT_FALSE(LoadKeyScript(dir, events, error));
  EXPECT_NE(error.find("is a folder"), std::string::npos) << error;

  const std::string path = TempPath("many.keys");
  std::ofstream(path, std::ios::binary) << std::string(kKeyFileMaxLines + 1, '\n');
  EXPECT_FALSE(LoadKeyScript(path, events, error));
  EXPECT_NE(error.find("more than 1000000 lines"), std::string::npos) << error;
  std::ofstream(path, std::ios::binary) << std::string(kKeyFileMaxLines, '\n');
  EXPECT_TRUE(LoadKeyScript(path, events, error)) << error;
  std::ofstream(path, std::ios::binary) << std::string(kKeyFileMaxBytes + 1, '#');
  EXPECT_FALSE(LoadKeyScript(path, events, error));
  EXPECT_NE(error.find("16 MiB"), std::string::npos) << error;
  std::filesystem::remove(path);

  EXPECT_FALSE(
      ParseKeyScript({"1 type " + std::string(kMaxTypedLetters + 1, 'a')}, "k", events, error));
  EXPECT_TRUE(ParseKeyScript({"1 type " + std::string(kMaxTypedLetters, 'a')}, "k", events, error));
  const std::string head = kRecordHeader;
  EXPECT_TRUE(
      ParseRecording({head, "seed 1", "end " + std::to_string(kMaxEndFrame)}, "r", r, error))
      << error;
  EXPECT_FALSE(
      ParseRecording({head, "seed 1", "end " + std::to_string(kMaxEndFrame + 1)}, "r", r, error));
  EXPECT_NE(error.find("24 hours"), std::string::npos) << error;
}
