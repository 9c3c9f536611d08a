// The player's own word lists: both line forms, bad lines reported by line
// and skipped, and whole files refused for encoding, size or emptiness.
#include "practice/own_lists.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/sjis.h"
#include "type_window/kana_table.h"

namespace {

class OwnListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(LoadKanaTable(table, std::string(MIRUTENA_GAME_DIR) + "/dat/hiragana.txt", error))
        << error;
  }
  TOwnList Parse(const std::string& text) {
    TOwnList out;
    ParseOwnList(text, "my.txt", table, 12, out);
    return out;
  }
  TKanaTable table;
};

TEST_F(OwnListTest, BothFormsAndBadLinesByLine) {
  TOwnList l = Parse(
      "# my words\n"
      "猫:ねこ;\r\n"
      "犬\tいぬ\n"
      "\n"
      "no separator here\n"
      ":よみだけ;\n"
      "言葉だけ:;\n"
      "怪しい:abc;\n"
      "終わり:おわりっ;\n"
      "  空白  :  くうはく ;  \n");
  ASSERT_TRUE(l.Refusal.empty()) << l.Refusal;
  EXPECT_EQ(l.Words,
            (std::vector<std::string>{Sjis("猫:ねこ;"), Sjis("犬:いぬ;"), Sjis("空白:くうはく;")}));
  ASSERT_EQ(l.Problems.size(), 5u);
  const char* lines[] = {"my.txt:5: ", "my.txt:6: ", "my.txt:7: ", "my.txt:8: ", "my.txt:9: "};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(l.Problems[i].rfind(lines[i], 0), 0u) << l.Problems[i];
}

TEST_F(OwnListTest, WholeFilesRefused) {
  // Shift-JIS bytes are not UTF-8.
  TOwnList sjis = Parse(Sjis("猫:ねこ;\n"));
  EXPECT_NE(sjis.Refusal.find("UTF-8"), std::string::npos);
  EXPECT_TRUE(sjis.Words.empty());
  // Overlong and surrogate encodings are not UTF-8 either.
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
  EXPECT_FALSE(IsValidUtf8("\xE3\x81"));
  EXPECT_TRUE(IsValidUtf8("ねこ"));
  // Nothing usable.
  TOwnList empty = Parse("# only a comment\nbroken line\n");
  EXPECT_NE(empty.Refusal.find("no usable line"), std::string::npos);
  EXPECT_EQ(empty.Problems.size(), 1u);
  // A byte-order mark is allowed.
  EXPECT_TRUE(Parse("\xEF\xBB\xBF猫:ねこ;").Refusal.empty());
}

TEST_F(OwnListTest, FolderWithAHugeFile) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("mirutena_lists_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  {
    std::ofstream(dir / "b_big.txt") << std::string(kOwnListMaxBytes + 1, 'a');
    std::ofstream(dir / "a_good.txt") << "猫:ねこ;\n";
    std::ofstream(dir / "notes.md") << "not a list\n";
  }
  std::vector<TOwnList> lists = LoadOwnLists(dir.string(), table, 12);
  fs::remove_all(dir);
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(lists[0].Name, "a_good");
  EXPECT_TRUE(lists[0].Refusal.empty());
  EXPECT_EQ(lists[1].Name, "b_big");
  EXPECT_NE(lists[1].Refusal.find("1 MB"), std::string::npos);
  EXPECT_TRUE(LoadOwnLists((dir / "gone").string(), table, 12).empty());
}

std::string LongReading() {
  std::string r;
  for (size_t i = 0; i <= kOwnListMaxChars; ++i) r += "ね";
  return r;
}

// Lists come from anyone: long words, NUL bytes, thousands of bad lines and
// thousands of files cost a bounded amount and give short notes.
TEST_F(OwnListTest, HostileListsStayBounded) {
  const std::string longWord(kOwnListMaxChars + 1, 'x');
  TOwnList l =
      Parse("猫:ねこ;\n" + longWord + ":ねこ;\n" +
            std::string("犬\0:いぬ;\n", sizeof "犬\0:いぬ;\n" - 1) + "x:" + LongReading() + ";\n");
  ASSERT_TRUE(l.Refusal.empty()) << l.Refusal;
  EXPECT_EQ(l.Words, (std::vector<std::string>{Sjis("猫:ねこ;")}));
  ASSERT_EQ(l.Problems.size(), 3u);
  EXPECT_NE(l.Problems[0].find("my.txt:2: a word or reading longer than 64"), std::string::npos)
      << l.Problems[0];
  EXPECT_NE(l.Problems[1].find("my.txt:3: a NUL byte"), std::string::npos) << l.Problems[1];
  EXPECT_NE(l.Problems[2].find("my.txt:4: a word or reading longer"), std::string::npos)
      << l.Problems[2];
  // 64 characters of three bytes each are still a word.
  std::string word;
  for (size_t i = 0; i < kOwnListMaxChars; ++i) word += "ね";
  EXPECT_EQ(Parse(word + ":ねこ;\n").Words.size(), 1u);

  std::string many = "猫:ねこ;\n";
  for (int i = 0; i < 5000; ++i) many += "no separator " + std::string(100, 'y') + "\n";
  l = Parse(many);
  ASSERT_EQ(l.Problems.size(), kOwnListMaxNotes + 1);
  EXPECT_EQ(l.Problems.back(),
            "my.txt: " + std::to_string(5000 - kOwnListMaxNotes) + " more bad lines");
  // A long file name makes long notes: each is cut at a character boundary.
  std::string name;
  for (int i = 0; i < 100; ++i) name += "名";
  TOwnList named;
  ParseOwnList("broken line\n", name + ".txt", table, 12, named);
  ASSERT_EQ(named.Problems.size(), 1u);
  EXPECT_LE(named.Problems[0].size(), kOwnListNoteBytes + 3);
  EXPECT_EQ(named.Problems[0].substr(named.Problems[0].size() - 3), "...");
  EXPECT_TRUE(IsValidUtf8(named.Problems[0]));
  EXPECT_TRUE(IsValidUtf8(named.Refusal));
  EXPECT_LE(named.Refusal.size(), kOwnListNoteBytes + 40);
}

TEST_F(OwnListTest, FolderReadsAtMostTheFirstListsAndNoPipes) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("mirutena_many_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (size_t i = 0; i < kOwnListMaxFiles + 5; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "list%04zu.txt", i);
    std::ofstream(dir / name) << "猫:ねこ;\n";
  }
  // A pipe under a list name is passed over, never waited on.
  ASSERT_EQ(mkfifo((dir / "list0000a.txt").c_str(), 0600), 0);
  size_t skipped = 0;
  std::vector<TOwnList> lists = LoadOwnLists(dir.string(), table, 12, &skipped);
  fs::remove_all(dir);
  ASSERT_EQ(lists.size(), kOwnListMaxFiles);
  EXPECT_EQ(skipped, 5u);
  EXPECT_EQ(lists.front().Name, "list0000");
  EXPECT_EQ(lists.back().Name, "list0199");
  TOwnList pipe = LoadOwnList("/dev/zero", table, 12);
  EXPECT_NE(pipe.Refusal.find("cannot be read"), std::string::npos) << pipe.Refusal;
}

}  // namespace
