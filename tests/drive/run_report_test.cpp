// Trace and summary lines: exact real numbers, valid string escapes and the
// fields that tools read.
#include "drive/run_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "base/sjis.h"
#include "support/test_support.h"

TEST(FormReport, RealNumbersReadBackExactly) {
  for (double v : {0.0, 0.1, 1.0 / 3.0, -2.5, 1e300, 5e-324, 123456789.0123, 412.99999999999994})
    EXPECT_EQ(std::strtod(JsonNumber(v).c_str(), nullptr), v) << JsonNumber(v);
  EXPECT_EQ(JsonNumber(0.1), "0.1");
  EXPECT_EQ(JsonNumber(std::nan("")), "null");
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
}

TEST(FormReport, StringsStayValidJson) {
  EXPECT_EQ(JsonString("SHA\"\\"), "\"SHA\\\"\\\\\"");
  EXPECT_EQ(JsonString("a\nb\x01"), "\"a\\u000ab\\u0001\"");
  EXPECT_EQ(JsonString("ミルテナ"), "\"ミルテナ\"");  // UTF-8 kept as it is
  // CP932 bytes are not UTF-8: escaped one by one instead of breaking the line.
  std::string sjis = Sjis("ミ");
  ASSERT_EQ(sjis.size(), 2u);
  std::string json = JsonString(sjis);
  EXPECT_EQ(json.find(sjis), std::string::npos);
  EXPECT_EQ(json.rfind("\"\\u00", 0), 0u);
  EXPECT_EQ(JsonString("\xE3\x83"), "\"\\u00e3\\u0083\"");  // cut-off sequence
}

TEST(FormReport, TraceListsLiveEnemiesWindowsBombsAndSounds) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  auto e = std::make_unique<TEnemy>();
  e->Kind = 3;
  e->State = 10;
  e->X = 0.1 + 0.2;  // 0.30000000000000004 must survive
  e->Y = -7.25;
  e->Life = 2;
  e->IsBoss = 1;
  e->Age = 44;
  g.Enemies.EnemyList.push_back(nullptr);  // a freed slot is not listed
  g.Enemies.EnemyList.push_back(std::move(e));
  g.Waves.PlayLog = {"Key3", "bell"};
  g.Score = 1230;
  std::string line = TraceLine(g, 17);
  EXPECT_EQ(line.rfind("{\"frame\":17,\"scene\":0,", 0), 0u) << line;
  EXPECT_NE(line.find("\"score\":1230"), std::string::npos);
  EXPECT_NE(line.find("\"enemies\":[{\"kind\":3,\"state\":10,\"x\":0.30000000000000004,"
                      "\"y\":-7.25,\"life\":2,\"boss\":1,\"age\":44}]"),
            std::string::npos)
      << line;
  EXPECT_NE(line.find("\"windows\":[]"), std::string::npos);
  EXPECT_NE(line.find("\"sounds\":[\"Key3\",\"bell\"]"), std::string::npos);
  // Six bombs, each with presence and position.
  size_t bombs = line.find("\"bombs\":[");
  ASSERT_NE(bombs, std::string::npos);
  int count = 0;
  for (size_t p = line.find("\"present\":", bombs); p != std::string::npos;
       p = line.find("\"present\":", p + 1))
    ++count;
  EXPECT_EQ(count, 6);
  EXPECT_EQ(line.back(), '}');
}

TEST(FormReport, SummaryCarriesTheOutcome) {
  auto t = MakeStartedGame(77);
  Game& g = t->G;
  g.Cleared[0] = 1;
  g.Cleared[8] = 1;
  g.Ranking = {500, 400, 300, 0, 0};
  g.StagesCleared = {1, 9};
  g.Kills = 12;
  g.LastError = "画像 'x' が見つかりません";
  std::string line = SummaryLine(g, 250);
  EXPECT_EQ(line.rfind("{\"frames\":250,", 0), 0u) << line;
  EXPECT_NE(line.find("\"cleared\":\"10000000100000000000\""), std::string::npos) << line;
  EXPECT_NE(line.find("\"ranking\":[500,400,300,0,0]"), std::string::npos);
  EXPECT_NE(line.find("\"stages_cleared\":[1,9]"), std::string::npos);
  EXPECT_NE(line.find("\"kills\":12"), std::string::npos);
  EXPECT_NE(line.find("\"seed\":77"), std::string::npos);
  EXPECT_NE(line.find("\"error\":\"画像 'x' が見つかりません\""), std::string::npos);
}
