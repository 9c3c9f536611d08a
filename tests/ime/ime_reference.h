// Reference romaji converter for the tests: replays how Mozc 2.28, IBus-Anthy 1.5.14 and the
// Microsoft IME compose typed letters into kana, from the tables kept beside this file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace ime_ref {

enum class Ime { kMozc, kAnthy, kMicrosoft };
inline constexpr Ime kAllImes[] = {Ime::kMozc, Ime::kAnthy, Ime::kMicrosoft};
const char* ImeName(Ime ime);

// The keys a player has: the letters and '-'.
inline constexpr std::string_view kGameKeys = "abcdefghijklmnopqrstuvwxyz-";

// One table row: typing its input gives `output` and leaves `pending` as if typed afresh.
struct Row {
  std::string output;
  std::string pending;
};

// A romaji table in Mozc's format (input TAB output [TAB pending]), inputs in lower case,
// outputs turned to hiragana on load.
class RomajiTable {
 public:
  static RomajiTable LoadTsv(const std::string& path);  // throws std::runtime_error
  const Row* Find(std::string_view input) const;
  // True when `s` is the start of a longer input.
  bool IsProperPrefix(std::string_view s) const;
  size_t size() const { return rows_.size(); }
  const std::unordered_map<std::string, Row>& rows() const { return rows_; }

 private:
  std::unordered_map<std::string, Row> rows_;
  std::unordered_set<std::string> prefixes_;
};

// One IME's composition: kana given so far and letters still pending. `dead` once letters
// have gone out as raw letters, which no kana reading holds.
struct Composition {
  std::string kana;
  std::string pending;
  bool dead = false;
};

// Turns katakana (ァ-ヶ) into hiragana; everything else, ー included, is kept.
std::string ToHiragana(std::string_view utf8);

class ImeReference {
 public:
  // Loads mozc.tsv, anthy.tsv and msime.tsv from `table_dir`.
  explicit ImeReference(const std::string& table_dir);

  const RomajiTable& Table(Ime ime) const { return tables_[static_cast<int>(ime)]; }

  // Feeds one key (either case) to a composition as that IME does.
  void Feed(Ime ime, Composition& c, char key) const;
  // Ends the input as the conversion does: a pending row such as a lone n gives its kana.
  void Flush(Ime ime, Composition& c) const;
  // The kana the IME converts `letters` into; nullopt when raw letters are left over.
  std::optional<std::string> Convert(Ime ime, std::string_view letters) const;

  // Per IME. Readings may be hiragana or katakana.
  bool IsSpelling(Ime ime, std::string_view reading, std::string_view letters) const;
  bool IsPrefix(Ime ime, std::string_view reading, std::string_view letters) const;
  // Index of the letter after which this IME can no longer give the reading; npos if none,
  // 0 if the IME cannot give the reading at all.
  size_t FirstDeadLetter(Ime ime, std::string_view reading, std::string_view letters) const;
  // Keys that, typed after `letters`, make this IME give the reading; nullopt when none do.
  std::optional<std::string> Completion(Ime ime, std::string_view reading,
                                        std::string_view letters) const;
  // Whether any letters at all give the reading in this IME.
  bool CanSpell(Ime ime, std::string_view reading) const;

  // Any IME: the same IME must carry the letters through to the reading. FirstDeadLetter is
  // the latest of the three IMEs' dying letters.
  bool IsSpelling(std::string_view reading, std::string_view letters) const;
  bool IsPrefix(std::string_view reading, std::string_view letters) const;
  size_t FirstDeadLetter(std::string_view reading, std::string_view letters) const;

 private:
  // Whether some keys take the state (kana up to `pos`, `pending`) to exactly `reading`.
  bool CanFinish(Ime ime, const std::string& reading, size_t pos, const std::string& pending) const;
  using Memo = std::unordered_map<uint64_t, bool>;
  // Types `letters` towards `target`, leaving the kana length and pending letters; returns
  // the index of the dying letter, or npos.
  size_t Advance(Ime ime, Memo& memo, const std::string& target, std::string_view letters,
                 size_t& pos, std::string& pending) const;
  bool CanFinishIn(Ime ime, Memo& memo, const std::string& reading, size_t pos,
                   const std::string& pending) const;
  // What each game key, then the end of input, does to a pending state (computed once).
  const std::array<Composition, kGameKeys.size() + 1>& Steps(Ime ime,
                                                             const std::string& pending) const;

  RomajiTable tables_[3];
  // Memo of CanFinish per IME and reading, keyed by position and pending letters.
  mutable std::unordered_map<std::string, Memo> memo_[3];
  mutable std::unordered_map<std::string, std::array<Composition, kGameKeys.size() + 1>> steps_[3];
};

// Tables from $IME_REFERENCE_DIR, else from the folder this file was compiled in.
// One instance per thread, as the memo is not shared.
const ImeReference& DefaultReference();

bool IsImeSpelling(const std::string& readingUtf8, const std::string& letters);
bool IsImePrefix(const std::string& readingUtf8, const std::string& letters);
size_t FirstDeadLetter(const std::string& readingUtf8, const std::string& letters);
bool IsImeSpelling(Ime ime, const std::string& readingUtf8, const std::string& letters);
bool IsImePrefix(Ime ime, const std::string& readingUtf8, const std::string& letters);
size_t FirstDeadLetter(Ime ime, const std::string& readingUtf8, const std::string& letters);

}  // namespace ime_ref
