// One-letter typos of a spelling for the tests: a dropped letter, a doubled letter, or a key
// swapped for its neighbour on a US QWERTY keyboard (letters and '-' only).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ime_ref {

enum class TypoKind { kDropped, kDoubled, kNeighbour };
const char* TypoKindName(TypoKind kind);

struct Typo {
  TypoKind kind;
  size_t pos;           // the letter dropped, doubled (the copy follows it) or replaced
  std::string letters;  // the whole mistyped spelling
};

// The letters and '-' whose keys touch `key`'s on a US QWERTY keyboard, in lower case.
std::string QwertyNeighbours(char key);

// Every one-letter typo of `spelling`, in order of position; a replacement keeps the case of
// the letter it replaces.
std::vector<Typo> OneLetterTypos(std::string_view spelling);

}  // namespace ime_ref
