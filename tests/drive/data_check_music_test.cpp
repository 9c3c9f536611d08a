// The data checker knows the stages' own pieces beside the classic ones: the
// shipped folder has them all, and a missing one is named as a warning.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "drive/data_check.h"

namespace fs = std::filesystem;

namespace {

// A copy of the runtime folder made of links, without the named bgm pieces.
struct LinkedGameFolder {
  std::string Path;
  explicit LinkedGameFolder(const std::vector<std::string>& dropped) {
    std::string pattern = (fs::temp_directory_path() / "mirutena-check-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
    Path = pattern;
    const fs::path game(MIRUTENA_GAME_DIR);
    for (const char* dir : {"dat", "abc"})
      fs::create_directory_symlink(game / dir, Path + "/" + dir);
    fs::create_directory(Path + "/bgm");
    for (const auto& entry : fs::directory_iterator(game / "bgm")) {
      const std::string name = entry.path().filename().string();
      bool drop = false;
      for (const std::string& d : dropped) drop = drop || name == d;
      if (!drop) fs::create_symlink(entry.path(), Path + "/bgm/" + name);
    }
  }
  ~LinkedGameFolder() {
    std::error_code ec;
    fs::remove_all(Path, ec);
  }
};

int Mentions(const std::vector<std::string>& messages, const std::string& text) {
  int n = 0;
  for (const std::string& m : messages) n += m.find(text) != std::string::npos;
  return n;
}

}  // namespace

TEST(DataCheckMusic, EveryStagePieceIsCheckedAndAMissingOneIsAWarning) {
  for (int stage = 1; stage <= 9; ++stage)
    ASSERT_TRUE(
        fs::exists(std::string(MIRUTENA_GAME_DIR) + "/bgm/stage" + std::to_string(stage) + ".mid"))
        << stage;
  LinkedGameFolder whole({});
  std::vector<std::string> messages;
  EXPECT_TRUE(CheckGameFiles(whole.Path, messages));
  EXPECT_EQ(Mentions(messages, "bgm/"), 0) << messages.front();

  // Two stage pieces and a classic one gone: each named once, play goes on.
  LinkedGameFolder some({"stage5.mid", "stage9.mid", "event9.mid"});
  messages.clear();
  EXPECT_TRUE(CheckGameFiles(some.Path, messages));
  EXPECT_EQ(Mentions(messages, "bgm/stage5.mid:1: warning: "), 1);
  EXPECT_EQ(Mentions(messages, "bgm/stage9.mid:1: warning: "), 1);
  EXPECT_EQ(Mentions(messages, "bgm/event9.mid:1: warning: "), 1);
  EXPECT_EQ(Mentions(messages, "bgm/"), 3);
}
