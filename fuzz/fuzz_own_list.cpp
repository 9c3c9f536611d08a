// Fuzz target for the player's own word lists: the input is one list file,
// parsed as the practice menu does against the shipped kana table. Kept words
// must be word lines the game can type; each problem names its line; a list is
// refused exactly when nothing in it can be used.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "practice/own_lists.h"
#include "type_window/kana_table.h"
#include "type_window/type_window.h"

namespace {

constexpr const char* kFileName = "mine.txt";
// Words checked again per input: each costs table scans.
constexpr size_t kMaxChecked = 12;

void Check(bool ok, const char* what) {
  fuzz::Check(ok, what);
}

const TKanaTable& ShippedTable() {
  static const TKanaTable table = [] {
    TKanaTable t;
    std::string error;
    if (!LoadKanaTable(t, std::string(MIRUTENA_GAME_DIR) + "/dat/hiragana.txt", error))
      fuzz::Fail("the shipped kana table does not load: " + error);
    return t;
  }();
  return table;
}

// The line number of a "mine.txt:N: ..." message, or 0 when it has none.
size_t LineOf(const std::string& m) {
  const std::string head = std::string(kFileName) + ":";
  if (m.rfind(head, 0) != 0) return 0;
  size_t n = 0, i = head.size();
  for (; i < m.size() && m[i] >= '0' && m[i] <= '9' && n < 100000000; ++i)
    n = n * 10 + static_cast<size_t>(m[i] - '0');
  return i > head.size() && m.compare(i, 2, ": ") == 0 ? n : 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ShippedTable();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  TOwnList list;
  list.Words = {"stale:stale;"};
  list.Problems = {"stale"};
  list.Refusal = "stale";
  ParseOwnList(bytes, kFileName, ShippedTable(), size % 2 ? 10 : 32768, list);

  Check(list.Words.empty() == !list.Refusal.empty(), "refused exactly when no word is left");
  Check(list.Refusal.empty() || list.Refusal.rfind(std::string(kFileName) + ": ", 0) == 0,
        "a refusal names the file");
  // Past kOwnListMaxNotes notes the rest are counted in one last note.
  std::vector<std::string> notes = list.Problems;
  if (notes.size() > kOwnListMaxNotes) {
    Check(notes.size() == kOwnListMaxNotes + 1, "at most the notes kept and a count");
    const std::string& more = notes.back();
    Check(more.rfind(std::string(kFileName) + ": ", 0) == 0 &&
              more.find(" more bad lines") != std::string::npos,
          "the last note counts the rest");
    notes.pop_back();
  }
  size_t last = 0;
  for (const std::string& m : notes) {
    Check(m.size() <= kOwnListNoteBytes + 3, "notes are kept short");
    const size_t line = LineOf(m);
    Check(line > 0, "a problem names the file and line");
    Check(line >= last, "problems in line order");
    last = line;
  }
  if (!IsValidUtf8(bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? bytes.substr(3) : bytes))
    Check(list.Words.empty() && list.Problems.empty(), "a file not UTF-8 is refused whole");

  std::vector<std::string> checked;
  for (const std::string& w : list.Words) {
    Check(w.size() >= 4 && w.back() == ';', "a word line ends in ';'");
    const size_t colon = w.find(':');
    Check(colon != std::string::npos && colon > 0 && colon == w.rfind(':') && colon + 2 < w.size(),
          "a word line is display:reading;");
    Check(w.find_first_of("\t\n") == std::string::npos, "no tab or line end in a word line");
    if (checked.size() < kMaxChecked) checked.push_back(w);
  }
  std::vector<std::string> errors, warnings;
  CheckWordReadings(ShippedTable(), checked, "#", 10, errors, warnings, false);
  Check(errors.empty(), "every kept reading can be typed");
  return 0;
}
