// Fuzz target for the word-list parser alone: the input is a dat<n>.lin file,
// read and split into word lines as the game does. Millions of inputs run in
// minutes; fuzz_word_list adds the (slower) reading checks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "type_window/kana_table.h"
#include "type_window/type_window.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteScratchFile("dat/dat2.lin", data, size);
  std::vector<std::string> lines, words;
  std::string error;
  if (!ReadDataLines(path, lines, error)) fuzz::Fail("cannot read back " + path);
  if (ParseWordList(lines, "dat/dat2.lin", words, error)) {
    fuzz::Check(!words.empty() && words.size() <= 200, "word count in 1..200");
    for (const auto& w : words) fuzz::Check(w.size() <= 255, "word lines fit 255 bytes");
  } else {
    fuzz::Check(error.rfind("dat/dat2.lin:", 0) == 0, "a refusal names the file and line");
  }
  return 0;
}
