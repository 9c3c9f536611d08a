// The own lists' notes as the practice menu shows them: every message the
// loader gives comes out in Japanese, with the file name and line kept.
#include <gtest/gtest.h>

#include <cctype>

#include "practice/own_lists.h"
#include "practice/practice_draw.h"
#include "type_window/kana_table.h"

namespace {

// True when the text holds a run of three or more small ASCII letters
// outside the file name it starts with: an English word left untranslated
// (names such as UTF-8 or NUL are capitals).
bool HasEnglishAfter(const std::string& note, const std::string& fileName) {
  std::string rest = note.rfind(fileName, 0) == 0 ? note.substr(fileName.size()) : note;
  int run = 0;
  for (char c : rest) {
    run = std::islower(static_cast<unsigned char>(c)) ? run + 1 : 0;
    if (run >= 3) return true;
  }
  return false;
}

TEST(PracticeNotes, EveryLoaderMessageIsShownInJapanese) {
  TKanaTable table;
  std::string error;
  ASSERT_TRUE(LoadKanaTable(table, std::string(MIRUTENA_GAME_DIR) + "/dat/hiragana.txt", error))
      << error;
  const std::string file = "my_list.txt";
  std::vector<std::string> notes;
  auto parse = [&](const std::string& bytes) {
    TOwnList l;
    ParseOwnList(bytes, file, table, 12, l);
    for (const std::string& p : l.Problems) notes.push_back(p);
    if (!l.Refusal.empty()) notes.push_back(l.Refusal);
  };
  parse("a:\x82\xa0;\n");                           // Shift-JIS, not UTF-8
  parse(std::string(1024 * 1024 + 1, 'a'));         // too large
  parse("no separator\n:よみ;\n言葉:;\na:b:c;\n");  // bad forms; nothing usable
  parse(std::string("nul\0:なる;\n", sizeof("nul\0:なる;\n") - 1));
  parse("x:" + std::string(70, 'a') + ";\n");  // too long
  parse("x:abc;\nx:あっ;\n");                  // readings the table refuses
  parse(std::string("ok:おけ;\n") + [] {
    std::string many;
    for (int i = 0; i < 25; ++i) many += "bad line\n";
    return many;
  }());
  ASSERT_GE(notes.size(), 10u);
  for (const std::string& n : notes) {
    const std::string shown = PlayerNote(n);
    EXPECT_EQ(shown.rfind(file, 0), 0u) << shown;  // the file name leads, as it was
    EXPECT_FALSE(HasEnglishAfter(shown, file)) << n << " -> " << shown;
  }
  // The line number stays with its note.
  EXPECT_EQ(PlayerNote("my_list.txt:7: no word before the reading"),
            "my_list.txt:7: よみの前に言葉がありません");
  // A note of a kind not known is left as it came.
  EXPECT_EQ(PlayerNote("x.txt: something new"), "x.txt: something new");
}

}  // namespace
