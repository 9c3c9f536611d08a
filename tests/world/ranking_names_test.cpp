// The names beside the ranking: the rows' text form and damage, matching by
// score (ties in the order written), what a write keeps, two games naming
// their scores in one folder, and the entry's keys.
#include "world/ranking_names.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "main/name_entry.h"
#include "main/scene_test_util.h"
#include "world/saved_results.h"

namespace {

// The key of a capital letter.
int Key(char c) {
  return vk::A + (c - 'A');
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

TEST(RankingNameRows, DamagedLinesAreSkippedAndTheRestRoundTrips) {
  const std::string text =
      "# a comment\n"
      "normal\t500\tMIRU\t2026-12-08\n"
      "hard\t70000\tA-1\t2024-02-29\r\n"  // a line end from another system
      "normal\t400\tmiru\t2026-12-08\n"   // lower case: not written by the game
      "normal\t400\tTOOLONGNAME\t2026-12-08\n"
      "normal\t-4\tX\t2026-12-08\n"
      "normal\t400\tX\t2026-02-30\n"
      "medium\t400\tX\t2026-12-08\n"
      "normal\t400\tX\n"
      "normal\t400\tX\t2026-12-08\textra\n"
      "\x01\xff\xfe garbage\n"
      "easy\t300\tB\t2026-01-01";  // the last line without its end
  const std::vector<TNameRow> rows = ParseNameRows(text);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (TNameRow{TDifficulty::Normal, 500, "MIRU", "2026-12-08"}));
  EXPECT_EQ(rows[1], (TNameRow{TDifficulty::Hard, 70000, "A-1", "2024-02-29"}));
  EXPECT_EQ(rows[2], (TNameRow{TDifficulty::Easy, 300, "B", "2026-01-01"}));
  EXPECT_EQ(ParseNameRows(FormatNameRows(rows)), rows);
}

TEST(RankingNameRows, EqualScoresTakeTheirNamesInTheOrderWritten) {
  const std::vector<TNameRow> rows = {{TDifficulty::Normal, 500, "FIRST", "2026-01-01"},
                                      {TDifficulty::Hard, 500, "HARD", "2026-01-02"},
                                      {TDifficulty::Normal, 900, "TOP", "2026-01-03"},
                                      {TDifficulty::Normal, 500, "SECOND", "2026-01-04"},
                                      {TDifficulty::Normal, 500, "THIRD", "2026-01-05"},
                                      {TDifficulty::Normal, 123, "GONE", "2026-01-06"}};
  const TRankingTable table = {900, 500, 500, 100, 0};
  const TRankingNames names = MatchNames(rows, TDifficulty::Normal, table);
  EXPECT_EQ(names[0].Name, "TOP");
  EXPECT_EQ(names[1].Name, "FIRST");
  EXPECT_EQ(names[2].Name, "SECOND");
  EXPECT_EQ(names[2].Date, "2026-01-04");
  EXPECT_EQ(names[3].Name, "");  // a score nobody named
  EXPECT_EQ(names[4].Name, "");  // an empty place
  // A write keeps as many rows of a score as the table holds places of it.
  const std::vector<TNameRow> kept = RowsInTable(rows, TDifficulty::Normal, table);
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[0].Name, "FIRST");
  EXPECT_EQ(kept[1].Name, "TOP");
  EXPECT_EQ(kept[2].Name, "SECOND");
}

class RankingNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = StartedIn(dir);
    G().LocalClock = [] { return TLocalTime{{2026, 12, 8}, 12, 0}; };
    G().EntersNames = true;
  }
  Game& G() { return t->G; }
  std::string NamesFile() const { return dir.File("dat/ranking_names.txt"); }
  // Enters a score into the ranking and names it as a player would: the
  // letters typed, then Space.
  void EnterAndName(Game& g, int32_t score, const std::vector<int>& keys) {
    g.Score = score;
    const int place = InsertRanking(g);
    BeginNameEntry(g, place, score);
    for (int k : keys) NameEntryTakesKey(g, k);
    ConfirmNameEntry(g);
  }
  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(RankingNamesTest, TwoGamesOnOneFolderKeepBothNamesAndDropPushedOutScores) {
  auto other = StartedIn(dir, 2);
  other->G.LocalClock = [] { return TLocalTime{{2026, 12, 9}, 1, 0}; };
  other->G.EntersNames = true;
  EnterAndName(G(), 500, {vk::A, vk::Digit0 + 7});
  // The other game started before the first wrote: its table is stale.
  EnterAndName(other->G, 800, {Key('B'), vk::Minus, Key('B')});
  const TRankingNames names = LoadRankingNames(other->G);
  EXPECT_EQ(other->G.Ranking, (TRankingTable{800, 500, 0, 0, 0}));
  EXPECT_EQ(names[0].Name, "B-B");
  EXPECT_EQ(names[0].Date, "2026-12-09");
  EXPECT_EQ(names[1].Name, "A7");
  EXPECT_EQ(names[1].Date, "2026-12-08");

  // Five better scores push 500 and 800 out: their rows go at the next write.
  for (int32_t s : {1000, 1100, 1200, 1300, 1400}) EnterAndName(G(), s, {Key('C')});
  const std::vector<TNameRow> rows = ParseNameRows(ReadText(NamesFile()));
  ASSERT_EQ(rows.size(), 5u);
  for (const TNameRow& r : rows) EXPECT_EQ(r.Name, "C");
}

TEST_F(RankingNamesTest, AnEmptyEntryTakesTheLastNameAndTheEntryKeepsItsLimits) {
  // Never named: the stand-in name.
  EnterAndName(G(), 300, {});
  EXPECT_EQ(LoadRankingNames(G())[0].Name, kStandInName);
  // Backspace corrects, nine letters stop at eight, other keys are not the
  // entry's (Space and the arrows go on to the screen).
  G().Score = 400;
  BeginNameEntry(G(), InsertRanking(G()), 400);
  EXPECT_TRUE(NameEntryTakesKey(G(), Key('X')));
  EXPECT_TRUE(NameEntryTakesKey(G(), vk::Backspace));
  EXPECT_TRUE(NameEntryTakesKey(G(), vk::Backspace));  // on an empty entry too
  for (int i = 0; i < 9; ++i) NameEntryTakesKey(G(), vk::A + i);
  EXPECT_FALSE(NameEntryTakesKey(G(), vk::Space));
  EXPECT_FALSE(NameEntryTakesKey(G(), vk::Up));
  EXPECT_EQ(NameEntryName(G()), "ABCDEFGH");
  ConfirmNameEntry(G());
  EXPECT_EQ(G().Settings.Values().PlayerName, "ABCDEFGH");
  EXPECT_FALSE(NameEntryTakesKey(G(), vk::A));  // closed
  EnterAndName(G(), 200, {});
  const TRankingNames names = LoadRankingNames(G());
  EXPECT_EQ(names[0].Name, "ABCDEFGH");
  EXPECT_EQ(names[1].Name, kStandInName);
  EXPECT_EQ(names[2].Name, "ABCDEFGH");
  // A play that does not enter names (the demo, the built-in player) opens
  // no entry.
  G().EntersNames = false;
  BeginNameEntry(G(), 1, 5000);
  EXPECT_FALSE(NameEntryOpen(G()));
}

TEST_F(RankingNamesTest, ADamagedNamesFileKeepsItsGoodRowsAndAnUnreadableOneIsLeftAlone) {
  WriteText(NamesFile(), "normal\t900\tOLD\t2026-01-01\n" + std::string(1, '\0') +
                             "\x01junk\nnormal\t800\tX\t2026-13-01\n");
  G().Ranking = {900, 800, 0, 0, 0};
  ASSERT_TRUE(SaveRanking(G()));
  EnterAndName(G(), 850, {Key('N')});
  TRankingNames names = LoadRankingNames(G());
  EXPECT_EQ(G().Ranking, (TRankingTable{900, 850, 800, 0, 0}));
  EXPECT_EQ(names[0].Name, "OLD");
  EXPECT_EQ(names[1].Name, "N");
  EXPECT_EQ(names[2].Name, "");  // its row was damaged: the score stays, blank

  std::filesystem::remove(NamesFile());
  ASSERT_EQ(mkfifo(NamesFile().c_str(), 0600), 0);
  EnterAndName(G(), 950, {Key('P')});  // returns at once: a pipe is refused by type
  EXPECT_EQ(G().Ranking[0], 950);      // the score is kept all the same
  struct stat st {};
  ASSERT_EQ(stat(NamesFile().c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(CountErrorsContaining(*t, "ranking_names.txt"), 1);
}

TEST_F(RankingNamesTest, OtherDifficultiesAreReadFromTheirOwnFiles) {
  EnterAndName(G(), 700, {Key('N')});
  G().Difficulty.Level = TDifficulty::Hard;
  G().Ranking.fill(0);
  EnterAndName(G(), 90000, {Key('H')});
  G().Difficulty.Level = TDifficulty::Easy;
  LoadRanking(G());
  TRankingTable table{};
  TRankingNames names;
  ReadRankingOf(G(), TDifficulty::Normal, table, names);
  EXPECT_EQ(table, (TRankingTable{700, 0, 0, 0, 0}));
  EXPECT_EQ(names[0].Name, "N");
  ReadRankingOf(G(), TDifficulty::Hard, table, names);
  EXPECT_EQ(table, (TRankingTable{90000, 0, 0, 0, 0}));
  EXPECT_EQ(names[0].Name, "H");
  // The hard write kept the normal row: each difficulty keeps its own.
  EXPECT_EQ(ParseNameRows(ReadText(NamesFile())).size(), 2u);
}

}  // namespace
