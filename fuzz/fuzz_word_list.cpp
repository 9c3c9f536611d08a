// Fuzz target for the word lists: the input is a dat<n>.lin file, read and
// parsed as the game does; the readings of its first words are checked against
// the shipped kana table as the data checker does. Lines that the parser
// refuses go to the reading check directly, which must cope with any text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "type_window/kana_table.h"
#include "type_window/type_window.h"

namespace {

constexpr size_t kMaxWords = 200;

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

// Every word costs up to a hundred table scans; a few dozen per input keep the
// run fast, and the parser's own limits are checked on the whole list.
constexpr size_t kMaxChecked = 12;

void CheckReadings(std::vector<std::string> words, bool parsed, size_t size) {
  if (words.size() > kMaxChecked) words.resize(kMaxChecked);
  // The shipped letters, or the widest picture the bitmap reader accepts.
  const int letterWidth = size % 2 ? 10 : 32768;
  std::vector<std::string> errors, warnings;
  CheckWordReadings(ShippedTable(), words, "dat/dat1.lin", letterWidth, errors, warnings);
  for (const auto& m : errors) fuzz::Check(m.rfind("dat/dat1.lin:", 0) == 0, "errors name file");
  for (const auto& m : warnings)
    fuzz::Check(m.find(": warning: ") != std::string::npos, "warnings say so");
  fuzz::Check(!parsed || errors.size() <= words.size(), "at most one error per word");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ShippedTable();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteScratchFile("dat/dat1.lin", data, size);
  std::vector<std::string> lines, words;
  std::string error;
  if (!ReadDataLines(path, lines, error)) fuzz::Fail("cannot read back " + path);
  if (ParseWordList(lines, "dat/dat1.lin", words, error)) {
    fuzz::Check(!words.empty() && words.size() <= kMaxWords, "word count in 1..200");
    for (const auto& w : words) {
      fuzz::Check(w.size() <= 255, "word lines fit 255 bytes");
      fuzz::Check(w.back() == ';' && w.find(':') != std::string::npos, "word shape");
    }
    CheckReadings(words, true, size);
    return 0;
  }
  fuzz::Check(words.empty(), "a refused list is left empty");
  fuzz::Check(error.rfind("dat/dat1.lin:", 0) == 0, "the message names the file");
  CheckReadings(lines, false, size);
  return 0;
}
