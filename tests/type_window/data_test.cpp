// The shipped kana table and word lists, and the rejection of broken ones by
// the data check and the loader.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "base/game_error.h"
#include "base/sjis.h"
#include "support/test_support.h"
#include "type_window/type_window.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

TKanaTable ShippedTable() {
  TKanaTable t;
  std::string error;
  EXPECT_TRUE(LoadKanaTable(t, GameDataPath("dat/hiragana.txt"), error)) << error;
  return t;
}

Strings ShippedWords(int n) {
  Strings lines, words;
  std::string error, name = "dat/dat" + std::to_string(n) + ".lin";
  EXPECT_TRUE(ReadDataLines(GameDataPath(name), lines, error)) << error;
  EXPECT_TRUE(ParseWordList(lines, name, words, error)) << error;
  return words;
}

std::string ReadingOf(const std::string& line) {
  const size_t colon = line.rfind(':');
  return line.substr(colon + 1, line.size() - colon - 2);
}

TEST(ShippedData, TableCoversTheKanaWithTheUsualSpellingsFirst) {
  TKanaTable t = ShippedTable();
  auto romaji = [&](const char* kana) {
    KanaEntry* e = FindKana(t, Sjis(kana));
    return e ? Strings(e->begin() + 1, e->end()) : Strings{};
  };
  EXPECT_EQ(romaji("し"), (Strings{"SI", "SHI", "CI"}));
  EXPECT_EQ(romaji("ち"), (Strings{"TI", "CHI"}));
  EXPECT_EQ(romaji("つ"), (Strings{"TU", "TSU"}));
  EXPECT_EQ(romaji("ん"), (Strings{"N", "NN", "XN"}));
  EXPECT_EQ(romaji("っ"), (Strings{"XTU", "LTU", "XTSU", "LTSU"}));
  EXPECT_EQ(romaji("う"), (Strings{"U", "WU", "WHU"}));
  EXPECT_EQ(romaji("を"), (Strings{"WO"}));
  EXPECT_EQ(romaji("ー"), (Strings{"-"}));
  EXPECT_EQ(romaji("きゃ"), (Strings{"KYA", "KIXYA", "KILYA"}));
  EXPECT_EQ(romaji("ちゃ").front(), "TYA");
  const std::string kana =
      "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
      "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅぇぉゃゅょゎっー";
  for (size_t i = 0; i < kana.size(); i += 3) {
    const std::string k = kana.substr(i, 3);
    EXPECT_FALSE(romaji(k.c_str()).empty()) << k;
  }
  // Every two-kana unit can also be typed as its two kana one by one.
  for (int i = 1; i <= t.Count; ++i) {
    const KanaEntry& e = t.Slots[i];
    if (e[0].size() != 4) continue;
    const KanaEntry* a = FindKana(t, e[0].substr(0, 2));
    const KanaEntry* b = FindKana(t, e[0].substr(2, 2));
    ASSERT_TRUE(a && b) << SjisToUtf8(e[0]);
    for (size_t x = 1; x < a->size(); ++x)
      for (size_t y = 1; y < b->size(); ++y)
        EXPECT_NE(std::find(e.begin() + 1, e.end(), (*a)[x] + (*b)[y]), e.end())
            << SjisToUtf8(e[0]) << " " << (*a)[x] + (*b)[y];
  }
}

TEST(ShippedData, WordListsAreTypeableAndRiseInLength) {
  double previousAverage = 0;
  for (int n = 1; n <= 8; ++n) {
    TKanaTable t = ShippedTable();
    const Strings words = ShippedWords(n);
    EXPECT_GE(words.size(), 150u) << n;
    EXPECT_LE(words.size(), 200u) << n;
    Strings errors, warnings;
    CheckWordReadings(t, words, "dat" + std::to_string(n), 10, errors, warnings);
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_TRUE(warnings.empty()) << warnings.front();

    std::set<std::string> readings, firstLetters;
    double kana = 0;
    for (const auto& line : words) {
      const std::string reading = ReadingOf(line);
      EXPECT_TRUE(readings.insert(reading).second) << SjisToUtf8(line);
      EXPECT_LE(line.rfind(':'), 50u) << SjisToUtf8(line);
      const size_t units = SjisToUtf32(reading).size();
      EXPECT_LE(units, 24u) << SjisToUtf8(line);
      if (n == 1) {
        EXPECT_TRUE(units == 2 || units == 3) << SjisToUtf8(line);
      }
      kana += static_cast<double>(units);
      std::vector<std::string> cut = CutReading(t, reading);
      for (const auto& l : KanaFirstLetters(t, cut.front())) firstLetters.insert(l);
    }
    EXPECT_GE(firstLetters.size(), 18u) << n;
    const double average = kana / static_cast<double>(words.size());
    EXPECT_GT(average, previousAverage) << n;
    previousAverage = average;
  }
}

TEST(ShippedData, PassesTheDataCheckAndGivesRomajiForTheCommandLine) {
  Strings messages;
  EXPECT_TRUE(CheckTypingData(MIRUTENA_GAME_DIR, messages));
  EXPECT_TRUE(messages.empty()) << messages.front();
}

// A copy of the runtime folder whose typing data the test then breaks.
class BrokenData : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("mirutena-typing-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy(MIRUTENA_GAME_DIR "/dat", dir_ / "dat", fs::copy_options::recursive);
    fs::copy(MIRUTENA_GAME_DIR "/abc", dir_ / "abc", fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& relative, const Strings& utf8Lines) {
    std::ofstream out(dir_ / relative, std::ios::binary | std::ios::trunc);
    for (const auto& l : utf8Lines) out << Sjis(l) << "\r\n";
  }
  Strings Check() {
    Strings messages;
    ok_ = CheckTypingData(dir_.string(), messages);
    return messages;
  }

  fs::path dir_;
  bool ok_ = true;
};

TEST_F(BrokenData, EachFaultIsReportedWithFileAndLine) {
  struct Case {
    std::string File;
    Strings Lines;
    std::string Message;
  };
  Strings tooMany(201, "猫:ねこ;");
  tooMany.push_back("end;");
  const std::vector<Case> cases = {
      {"dat/dat3.lin",
       {"猫:ねこ;", "犬いぬ;", "end;"},
       "dat/dat3.lin:2: a word line without \":\""},
      {"dat/dat1.lin", {"猫:ねこ;", ""}, "dat/dat1.lin:2: blank line"},
      {"dat/dat2.lin", {"猫:ねこ;"}, "dat/dat2.lin:2: the file ends without \"end;\""},
      {"dat/dat4.lin", {"end;"}, "dat/dat4.lin:1: the word list is empty"},
      {"dat/dat5.lin", tooMany, "dat/dat5.lin:201: more than 200 words"},
      {"dat/dat6.lin",
       {"猫:ねこ", "end;"},
       "dat/dat6.lin:1: the reading must be followed by \";\""},
      {"dat/dat7.lin",
       {"猫:ねこ;", "謎:あゐ゛;", "end;"},
       "dat/dat7.lin:2: the reading has \"゛\", which the kana table lacks"},
      {"dat/dat8.lin", {"切手:きっ;", "end;"}, "dat/dat8.lin:1: a reading must not end in \"っ\""},
      {"dat/hiragana.txt",
       {"あ:A;", "い:I"},
       "dat/hiragana.txt:2: a romaji without a closing \",\" or \";\""},
  };
  for (const auto& c : cases) {
    SetUp();
    Write(c.File, c.Lines);
    const Strings messages = Check();
    EXPECT_FALSE(ok_) << c.Message;
    EXPECT_NE(std::find(messages.begin(), messages.end(), c.Message), messages.end())
        << c.Message << "\n got: " << (messages.empty() ? "" : messages.front());
  }
}

TEST_F(BrokenData, ReadingsWithManySpellingsPassAndWideWindowsOnlyWarn) {
  // 12 units of し (3 romaji each): 3^12 whole-word spellings, once refused
  // as too many to list; typed unit by unit they cost nothing.
  Write("dat/dat8.lin", {"詩:しししししししししししし;", "少々証書師:しょうしょうしょうし;",
                         "長い:あいうえおかきくけこさしすせそたちつてとなにぬねの;", "end;"});
  const Strings messages = Check();
  EXPECT_TRUE(ok_);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("dat/dat8.lin:3: warning: the window (", 0), 0u) << messages[0];
}

TEST_F(BrokenData, TheGameRefusesToStartWithBrokenTypingData) {
  Write("dat/dat2.lin", {"猫:ねこ;", "謎:ねこX;", "end;"});
  auto t = MakeTestGame(dir_.string());
  try {
    LoadTypingData(t->G, (dir_ / "abc").string(), "huti");
    FAIL() << "no error raised";
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()),
              "dat/dat2.lin:2: the reading has \"X\", which the kana table lacks");
  }
  Write("dat/dat2.lin", {"猫:ねこ;", "end;"});
  fs::remove(dir_ / "dat/hiragana.txt");
  EXPECT_THROW(LoadTypingData(t->G, (dir_ / "abc").string(), "huti"), GameError);
  Write("dat/hiragana.txt", {"ね:NE;", "こ:KO;", "end;"});
  EXPECT_THROW(LoadTypingData(t->G, (dir_ / "abc").string(), "huti"), GameError);
}

}  // namespace
