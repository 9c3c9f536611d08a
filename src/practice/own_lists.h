// The player's own word lists: UTF-8 text files of "word:reading;" or
// "word<TAB>reading" lines in a folder of the save folder, each file a
// practice list named after it. Bad lines are reported and skipped; files
// that are not UTF-8, too big or without a usable line are refused.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "type_window/kana_table.h"

// Files larger than this are refused unread.
inline constexpr uintmax_t kOwnListMaxBytes = 1024 * 1024;
// Longest word or reading of a line, in characters; longer lines are bad lines.
inline constexpr size_t kOwnListMaxChars = 64;
// Lists read from the folder at most, first by name; the rest are left unread.
inline constexpr size_t kOwnListMaxFiles = 200;
// Notes kept per list, each cut to a few words' length.
inline constexpr size_t kOwnListMaxNotes = 20;
inline constexpr size_t kOwnListNoteBytes = 160;
// The folder under the save folder that holds the player's lists.
inline constexpr const char* kOwnListFolder = "words";

struct TOwnList {
  std::string Name;  // the file name without its extension (UTF-8)
  std::string Path;
  std::vector<std::string> Words;     // CP932 "display:reading;" as the word lists hold them
  std::vector<std::string> Problems;  // "file:line: message" (UTF-8), lines skipped
  std::string Refusal;                // non-empty: the whole file is refused (UTF-8)
};

// Parses the bytes of one list. The table is used to check that every
// reading can be typed; letterWidth for the width warnings of the checker.
void ParseOwnList(const std::string& bytes, const std::string& fileName, const TKanaTable& table,
                  int letterWidth, TOwnList& out);
// Reads one file (size checked before reading).
TOwnList LoadOwnList(const std::string& path, const TKanaTable& table, int letterWidth);
// Every list in the folder (".txt" and ".lin" files), sorted by name, the
// first kOwnListMaxFiles of them; none when the folder does not exist.
// `skipped` counts the files past the limit.
std::vector<TOwnList> LoadOwnLists(const std::string& folder, const TKanaTable& table,
                                   int letterWidth, size_t* skipped = nullptr);
// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(const std::string& bytes);
