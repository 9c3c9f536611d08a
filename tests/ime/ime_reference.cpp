// Reference romaji converter: table loading, each IME's composition rules, and the memoised
// search that says whether typed letters can still become a reading.
#include "ime_reference.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace ime_ref {
namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasAscii(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
}

// Appends a row's output; a row that puts out latin letters (Mozc's "www") ends the kana.
void Emit(Composition& c, const std::string& output) {
  if (HasAscii(output)) c.dead = true;
  c.kana += output;
}

// Packs the position and up to six pending keys into one memo key.
std::optional<uint64_t> MemoKey(size_t pos, const std::string& pending) {
  if (pending.size() > 6 || pos > 0xFFFF) return std::nullopt;
  uint64_t key = pos;
  for (char c : pending) key = (key << 7) | static_cast<uint8_t>(c & 0x7F);
  return (key << 3) | pending.size();
}

std::string DefaultTableDir() {
  if (const char* dir = std::getenv("IME_REFERENCE_DIR")) return dir;
#ifdef IME_REFERENCE_TABLE_DIR
  return IME_REFERENCE_TABLE_DIR;
#endif
  std::string here = __FILE__;  // build with an absolute source path for this to hold
  size_t slash = here.find_last_of('/');
  return slash == std::string::npos ? "." : here.substr(0, slash);
}

}  // namespace

const char* ImeName(Ime ime) {
  switch (ime) {
    case Ime::kMozc:
      return "Mozc";
    case Ime::kAnthy:
      return "Anthy";
    case Ime::kMicrosoft:
      return "Microsoft";
  }
  return "?";
}

std::string ToHiragana(std::string_view utf8) {
  std::string out(utf8);
  // ァ (E3 82 A1) .. ミ (E3 83 9F) and ム (E3 83 A0) .. ヶ (E3 83 B6) sit 0x60 above hiragana.
  for (size_t i = 0; i + 2 < out.size(); ++i) {
    auto b0 = static_cast<uint8_t>(out[i]), b1 = static_cast<uint8_t>(out[i + 1]),
         b2 = static_cast<uint8_t>(out[i + 2]);
    if (b0 != 0xE3) continue;
    if (b1 == 0x82 && b2 >= 0xA1) {  // ァ..タ -> ぁ..た (E3 81 81..9F)
      out[i + 1] = static_cast<char>(0x81);
      out[i + 2] = static_cast<char>(b2 - 0x20);
    } else if (b1 == 0x83 && b2 <= 0x9F) {  // ダ..ミ -> だ..み (E3 81 A0..BF)
      out[i + 1] = static_cast<char>(0x81);
      out[i + 2] = static_cast<char>(b2 + 0x20);
    } else if (b1 == 0x83 && b2 >= 0xA0 && b2 <= 0xB6) {  // ム..ヶ -> む..ゖ (E3 82 80..96)
      out[i + 1] = static_cast<char>(0x82);
      out[i + 2] = static_cast<char>(b2 - 0x20);
    }
    i += 2;
  }
  return out;
}

RomajiTable RomajiTable::LoadTsv(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open romaji table " + path);
  RomajiTable table;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    size_t tab1 = line.find('\t');
    if (tab1 == std::string::npos || tab1 == 0) throw std::runtime_error("bad row: " + line);
    size_t tab2 = line.find('\t', tab1 + 1);
    std::string input = line.substr(0, tab1);
    std::transform(input.begin(), input.end(), input.begin(), Lower);
    Row row;
    row.output = ToHiragana(
        line.substr(tab1 + 1, tab2 == std::string::npos ? std::string::npos : tab2 - tab1 - 1));
    if (tab2 != std::string::npos) row.pending = line.substr(tab2 + 1);
    if (row.output.empty()) throw std::runtime_error("row without output: " + line);
    for (size_t n = 1; n < input.size(); ++n) table.prefixes_.insert(input.substr(0, n));
    table.rows_[input] = std::move(row);
  }
  return table;
}

const Row* RomajiTable::Find(std::string_view input) const {
  auto it = rows_.find(std::string(input));
  return it == rows_.end() ? nullptr : &it->second;
}

bool RomajiTable::IsProperPrefix(std::string_view s) const {
  return prefixes_.count(std::string(s)) != 0;
}

ImeReference::ImeReference(const std::string& table_dir) {
  tables_[static_cast<int>(Ime::kMozc)] = RomajiTable::LoadTsv(table_dir + "/mozc.tsv");
  tables_[static_cast<int>(Ime::kAnthy)] = RomajiTable::LoadTsv(table_dir + "/anthy.tsv");
  tables_[static_cast<int>(Ime::kMicrosoft)] = RomajiTable::LoadTsv(table_dir + "/msime.tsv");
}

void ImeReference::Feed(Ime ime, Composition& c, char key) const {
  if (c.dead) return;
  const RomajiTable& t = Table(ime);
  key = Lower(key);
  if (ime == Ime::kAnthy) {
    // Anthy (romaji.py) takes a row as soon as the letters match it, never waiting for a
    // longer one; a row's left-over key starts a new segment, itself a row if it is one.
    std::string s = c.pending + key;
    if (const Row* r = t.Find(s)) {
      Emit(c, r->output);
      c.pending = r->pending;
      if (const Row* again = c.pending.empty() ? nullptr : t.Find(c.pending);
          again && again->pending.empty()) {
        Emit(c, again->output);
        c.pending.clear();
      }
    } else if (t.IsProperPrefix(s)) {
      c.pending = std::move(s);
    } else {
      c.dead = true;  // the segment can only end as letters
    }
    return;
  }
  // Mozc and the Microsoft IME wait while the letters may still grow into a longer row; when
  // they cannot, the pending letters' own row is taken and the key is tried again.
  for (;;) {
    std::string s = c.pending + key;
    if (t.IsProperPrefix(s)) {
      c.pending = std::move(s);
      return;
    }
    if (const Row* r = t.Find(s)) {
      Emit(c, r->output);
      c.pending = r->pending;
      return;
    }
    const Row* r = c.pending.empty() ? nullptr : t.Find(c.pending);
    if (!r || r->pending == c.pending) {
      c.dead = true;  // pending letters, or the key itself, go out raw
      return;
    }
    Emit(c, r->output);
    c.pending = r->pending;
    if (c.dead) return;
  }
}

void ImeReference::Flush(Ime ime, Composition& c) const {
  if (c.dead || c.pending.empty()) return;
  if (ime == Ime::kAnthy) {
    // jastring.get_hiragana(commit=True) turns a final n into ん; other letters stay letters.
    if (c.pending == "n") {
      c.kana += "ん";
      c.pending.clear();
    } else {
      c.dead = true;
    }
    return;
  }
  // Conversion takes a pending row's kana. Mozc was seen to drop what the row leaves (a final
  // "ww" converts to っ); elsewhere those letters stay letters.
  const Row* r = Table(ime).Find(c.pending);
  if (!r || (ime != Ime::kMozc && !r->pending.empty())) {
    c.dead = true;
    return;
  }
  Emit(c, r->output);
  c.pending.clear();
}

std::optional<std::string> ImeReference::Convert(Ime ime, std::string_view letters) const {
  Composition c;
  for (char key : letters) Feed(ime, c, key);
  Flush(ime, c);
  if (c.dead) return std::nullopt;
  return c.kana;
}

const std::array<Composition, kGameKeys.size() + 1>& ImeReference::Steps(
    Ime ime, const std::string& pending) const {
  auto& cache = steps_[static_cast<int>(ime)];
  auto it = cache.find(pending);
  if (it != cache.end()) return it->second;
  std::array<Composition, kGameKeys.size() + 1> steps;
  for (size_t k = 0; k < kGameKeys.size(); ++k) {
    steps[k].pending = pending;
    Feed(ime, steps[k], kGameKeys[k]);
  }
  steps.back().pending = pending;
  Flush(ime, steps.back());
  return cache.emplace(pending, std::move(steps)).first->second;
}

bool ImeReference::CanFinish(Ime ime, const std::string& reading, size_t pos,
                             const std::string& pending) const {
  return CanFinishIn(ime, memo_[static_cast<int>(ime)][reading], reading, pos, pending);
}

bool ImeReference::CanFinishIn(Ime ime, Memo& memo, const std::string& reading, size_t pos,
                               const std::string& pending) const {
  std::optional<uint64_t> key = MemoKey(pos, pending);
  if (!key) return false;
  if (auto it = memo.find(*key); it != memo.end()) return it->second;
  memo[*key] = false;  // a state met again on its own path leads nowhere new
  const auto& steps = Steps(ime, pending);
  const Composition& end = steps.back();
  bool ok = !end.dead && reading.compare(pos, std::string::npos, end.kana) == 0;
  for (size_t k = 0; !ok && k < kGameKeys.size(); ++k) {
    const Composition& next = steps[k];
    if (next.dead || reading.compare(pos, next.kana.size(), next.kana) != 0) continue;
    if (next.kana.empty() && next.pending.size() <= pending.size()) continue;  // no progress
    ok = CanFinishIn(ime, memo, reading, pos + next.kana.size(), next.pending);
  }
  memo[*key] = ok;
  return ok;
}

bool ImeReference::IsSpelling(Ime ime, std::string_view reading, std::string_view letters) const {
  std::optional<std::string> kana = Convert(ime, letters);
  return kana && *kana == ToHiragana(reading);
}

size_t ImeReference::Advance(Ime ime, Memo& memo, const std::string& target,
                             std::string_view letters, size_t& pos, std::string& pending) const {
  pos = 0;
  pending.clear();
  if (!CanFinishIn(ime, memo, target, 0, "")) return 0;
  for (size_t i = 0; i < letters.size(); ++i) {
    size_t k = kGameKeys.find(Lower(letters[i]));
    Composition c{"", pending, false};
    if (k == std::string_view::npos) {
      Feed(ime, c, letters[i]);
    } else {
      c = Steps(ime, pending)[k];
    }
    if (c.dead || target.compare(pos, c.kana.size(), c.kana) != 0) return i;
    pos += c.kana.size();
    pending = std::move(c.pending);
    if (!CanFinishIn(ime, memo, target, pos, pending)) return i;
  }
  return std::string::npos;
}

size_t ImeReference::FirstDeadLetter(Ime ime, std::string_view reading,
                                     std::string_view letters) const {
  const std::string target = ToHiragana(reading);
  size_t pos;
  std::string pending;
  return Advance(ime, memo_[static_cast<int>(ime)][target], target, letters, pos, pending);
}

std::optional<std::string> ImeReference::Completion(Ime ime, std::string_view reading,
                                                    std::string_view letters) const {
  const std::string target = ToHiragana(reading);
  Memo& memo = memo_[static_cast<int>(ime)][target];
  size_t pos;
  std::string pending, keys;
  if (Advance(ime, memo, target, letters, pos, pending) != std::string::npos) return std::nullopt;
  for (;;) {
    const auto& steps = Steps(ime, pending);
    const Composition& end = steps.back();
    if (!end.dead && target.compare(pos, std::string::npos, end.kana) == 0) return keys;
    size_t k = 0;
    for (; k < kGameKeys.size(); ++k) {
      const Composition& next = steps[k];
      if (next.dead || target.compare(pos, next.kana.size(), next.kana) != 0) continue;
      if (next.kana.empty() && next.pending.size() <= pending.size()) continue;
      if (CanFinishIn(ime, memo, target, pos + next.kana.size(), next.pending)) break;
    }
    if (k == kGameKeys.size()) return std::nullopt;  // not reached while the memo holds
    keys += kGameKeys[k];
    pos += steps[k].kana.size();
    pending = steps[k].pending;
  }
}

bool ImeReference::IsPrefix(Ime ime, std::string_view reading, std::string_view letters) const {
  return FirstDeadLetter(ime, reading, letters) == std::string::npos;
}

bool ImeReference::CanSpell(Ime ime, std::string_view reading) const {
  return CanFinish(ime, ToHiragana(reading), 0, "");
}

bool ImeReference::IsSpelling(std::string_view reading, std::string_view letters) const {
  return std::any_of(std::begin(kAllImes), std::end(kAllImes),
                     [&](Ime ime) { return IsSpelling(ime, reading, letters); });
}

bool ImeReference::IsPrefix(std::string_view reading, std::string_view letters) const {
  return std::any_of(std::begin(kAllImes), std::end(kAllImes),
                     [&](Ime ime) { return IsPrefix(ime, reading, letters); });
}

size_t ImeReference::FirstDeadLetter(std::string_view reading, std::string_view letters) const {
  size_t last = 0;
  for (Ime ime : kAllImes) {
    size_t dead = FirstDeadLetter(ime, reading, letters);
    if (dead == std::string::npos) return dead;
    last = std::max(last, dead);
  }
  return last;
}

const ImeReference& DefaultReference() {
  thread_local const ImeReference reference(DefaultTableDir());
  return reference;
}

bool IsImeSpelling(const std::string& r, const std::string& l) {
  return DefaultReference().IsSpelling(r, l);
}
bool IsImePrefix(const std::string& r, const std::string& l) {
  return DefaultReference().IsPrefix(r, l);
}
size_t FirstDeadLetter(const std::string& r, const std::string& l) {
  return DefaultReference().FirstDeadLetter(r, l);
}
bool IsImeSpelling(Ime ime, const std::string& r, const std::string& l) {
  return DefaultReference().IsSpelling(ime, r, l);
}
bool IsImePrefix(Ime ime, const std::string& r, const std::string& l) {
  return DefaultReference().IsPrefix(ime, r, l);
}
size_t FirstDeadLetter(Ime ime, const std::string& r, const std::string& l) {
  return DefaultReference().FirstDeadLetter(ime, r, l);
}

}  // namespace ime_ref
