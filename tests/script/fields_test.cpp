// The field reader, the number parsers, the kind names and the enemy-line
// parser of the stage scripts.
#include <gtest/gtest.h>

#include "base/game_error.h"
#include "base/sjis.h"
#include "script/script.h"

namespace {

TEST(NextField, TakesTextUpToTheFirstSeparator) {
  std::string text = "abc,def;ghi";
  EXPECT_EQ(NextField(text), "abc");
  EXPECT_EQ(text, "def;ghi");
  EXPECT_EQ(NextField(text), "def");
  EXPECT_EQ(text, "ghi");
  // No separator left: empty field, text unchanged.
  EXPECT_EQ(NextField(text), "");
  EXPECT_EQ(text, "ghi");
  // Empty fields and spaces are kept as they are.
  text = ";, 5 ,";
  EXPECT_EQ(NextField(text), "");
  EXPECT_EQ(text, ", 5 ,");
  EXPECT_EQ(NextField(text), "");
  EXPECT_EQ(NextField(text), " 5 ");
  EXPECT_EQ(text, "");
  EXPECT_EQ(NextField(text), "");
}

TEST(FieldToInt, AcceptsSignsAndLeadingSpaces) {
  EXPECT_EQ(FieldToInt("42"), 42);
  EXPECT_EQ(FieldToInt("  -7"), -7);
  EXPECT_EQ(FieldToInt("+15"), 15);
  EXPECT_EQ(FieldToInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(FieldToInt("2147483647"), 2147483647);
}

TEST(FieldToInt, RejectsAnythingElseWithTheGamesMessage) {
  for (const char* bad : {"", " ", "-", "1.5", "12 ", "1x", "0x10", "2147483648", "-2147483649",
                          "99999999999999999999", "none"}) {
    EXPECT_THROW(FieldToInt(bad), GameError) << bad;
  }
  try {
    FieldToInt("abc");
    FAIL();
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), "'abc' は整数ではありません");
  }
  // The field is shown in UTF-8 in the message.
  try {
    FieldToInt(Sjis("歩兵"));
    FAIL();
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), "'歩兵' は整数ではありません");
  }
}

TEST(FieldToReal, ReadsDecimalNumbers) {
  EXPECT_DOUBLE_EQ(FieldToReal("0.5"), 0.5);
  EXPECT_DOUBLE_EQ(FieldToReal("-0.25"), -0.25);
  EXPECT_DOUBLE_EQ(FieldToReal("6.5"), 6.5);
  EXPECT_DOUBLE_EQ(FieldToReal("3"), 3.0);
  EXPECT_DOUBLE_EQ(FieldToReal(" +1.25"), 1.25);
  EXPECT_DOUBLE_EQ(FieldToReal(".5"), 0.5);
}

TEST(FieldToReal, RejectsMalformedNumbers) {
  for (const char* bad : {"", ".", "-", "1.2.3", "1,5", "1e5", "abc", "1.5 ", "nan", "inf"}) {
    EXPECT_THROW(FieldToReal(bad), GameError) << bad;
  }
  std::string huge = "1" + std::string(400, '0');
  EXPECT_THROW(FieldToReal(huge), GameError);
  try {
    FieldToReal("x");
    FAIL();
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), "'x' は浮動小数点数ではありません");
  }
}

TEST(KindOfScriptName, FindsEveryKeywordInShiftJis) {
  const char* names[] = {"歩兵",           "ガンマン",   "ハエ",     "羽根",     "中国人",
                         "警告",           "パン",       "テレビ",   "ミサイル", "カメ",
                         "ピエロ",         "サークル",   "工事兵",   "ネコトリ", "おっちゃん",
                         "おっちゃん分身", "葉っぱ",     "ボロット", "マウス",   "あべらべら",
                         "オプショソ1",    "オプショソ2"};
  for (int k = 1; k <= 22; ++k) EXPECT_EQ(KindOfScriptName(Sjis(names[k - 1])), k) << k;
  EXPECT_EQ(KindOfScriptName(""), 0);
  EXPECT_EQ(KindOfScriptName("歩兵"), 0);  // UTF-8 bytes are not the CP932 name
  EXPECT_EQ(KindOfScriptName(Sjis("オプション1")), 0);
  EXPECT_EQ(KindOfScriptName(Sjis("歩兵 ")), 0);
}

TEST(SplitScriptText, AcceptsCrLfLfAndLoneCr) {
  auto lines = SplitScriptText("a\r\nb\nc\rd");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1], "b");
  EXPECT_EQ(lines[2], "c");
  EXPECT_EQ(lines[3], "d");
  EXPECT_EQ(SplitScriptText("x\r\n\r\n").size(), 2u);
  EXPECT_TRUE(SplitScriptText("").empty());
}

TEST(ParseEnemyLine, ReadsCommonFieldsAndOwnValues) {
  TEnemyLine l;
  std::string error;
  ASSERT_TRUE(ParseEnemyLine(Sjis(":歩兵:hidden,3,10,-60,100,20,0.5;"), l, error)) << error;
  EXPECT_EQ(l.Kind, 1);
  EXPECT_FALSE(l.Boss);
  EXPECT_EQ(l.Mode, "hidden");
  EXPECT_EQ(l.WordLevel, 3);
  EXPECT_EQ(l.PromptOffsetX, 10);
  EXPECT_EQ(l.PromptOffsetY, -60);
  ASSERT_EQ(l.Values.size(), 3u);
  EXPECT_DOUBLE_EQ(l.Values[2], 0.5);

  ASSERT_TRUE(ParseEnemyLine(Sjis(":中国人:boss,2,0,80;"), l, error)) << error;
  EXPECT_TRUE(l.Boss);
  EXPECT_EQ(l.Mode, "normal");
  ASSERT_TRUE(ParseEnemyLine(Sjis(":警告:none;"), l, error)) << error;
  EXPECT_TRUE(l.None);
  EXPECT_EQ(l.WordLevel, 0);
}

TEST(ParseEnemyLine, RejectsBrokenLines) {
  TEnemyLine l;
  std::string error;
  const char* bad[] = {
      "歩兵:1,0,60,100,20,0.5;",       // no leading ':'
      ":歩兵",                         // no second ':'
      ":兵隊:1,0,60,100,20,0.5;",      // unknown kind
      ":歩兵:none,100,20,0.5;",        // "none" with own values
      ":歩兵:1,0,60,100,20;",          // a value missing
      ":歩兵:1,0,60,100,20,0.5",       // last field not closed
      ":歩兵:1,0,60,1x0,20,0.5;",      // bad integer
      ":歩兵:1,0,60,100,20,fast;",     // bad real
      ":歩兵:1,0,60,100,20,0.5;junk",  // trailing text
      ":ガンマン:2,0,60,100,300;",     // small integer out of range
      ":ガンマン:2,0,60,100,0;",       // side other than 1 or -1
      ":歩兵:9,0,60,100,20,0.5;",      // word level beyond the lists
      ":歩兵:1,0,60,420,20,0.5;",      // outside the field
      ":中国人:boss,0,0,80;",          // boss level below 1
      ":ピエロ:boss,1,0,80;",          // missiles would get level 0
      ":おっちゃん:boss,8,0,80;",      // doubles would get level 9
      ":マウス:boss,3,0,80,5;",        // missiles would get level 0
      ":あべらべら:boss,2,0,80,5;",    // options would get level 0
      ":テレビ:2,0,70,0,100,30,0.3;",  // a television without words
  };
  for (const char* line : bad) EXPECT_FALSE(ParseEnemyLine(Sjis(line), l, error)) << line;
  EXPECT_TRUE(ParseEnemyLine(Sjis(":ピエロ:boss,2,0,80;"), l, error)) << error;
  EXPECT_TRUE(ParseEnemyLine(Sjis(":おっちゃん:boss,7,0,80;"), l, error)) << error;
  EXPECT_TRUE(ParseEnemyLine(Sjis(":マウス:boss,4,0,80,5;"), l, error)) << error;
  EXPECT_TRUE(ParseEnemyLine(Sjis(":歩兵:random,12,0,60,100,20,0.5;"), l, error)) << error;
}

}  // namespace
