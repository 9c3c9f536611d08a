// Runs the reference converter over every reading of the eight word lists: checks that a
// Hepburn spelling built from the Mozc table is accepted, which IMEs can spell each reading,
// and times prefix and typo checks. "judge READING LETTERS..." prints per-IME verdicts.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "ime_reference.h"
#include "ime_typos.h"

using ime_ref::Ime;

namespace {

// Readings of datN.lin: lines "word:reading;" up to "end;".
std::vector<std::string> LoadReadings(const std::string& dir) {
  std::vector<std::string> readings;
  for (int n = 1; n <= 8; ++n) {
    std::ifstream in(dir + "/dat" + std::to_string(n) + ".lin");
    if (!in) std::fprintf(stderr, "cannot open %s/dat%d.lin\n", dir.c_str(), n);
    std::string line;
    while (std::getline(in, line)) {
      size_t colon = line.find(':'), semi = line.rfind(';');
      if (colon == std::string::npos || semi == std::string::npos || semi < colon) continue;
      readings.push_back(line.substr(colon + 1, semi - colon - 1));
    }
  }
  return readings;
}

// Hepburn where an IME takes it, else the plainest row: kana -> input letters.
std::map<std::string, std::string> HepburnRows(const ime_ref::RomajiTable& table) {
  static const char* kPreferred[] = {"shi", "chi", "tsu", "fu",  "ji", "sha", "shu", "sho", "she",
                                     "cha", "chu", "cho", "che", "ja", "ju",  "jo",  "je"};
  auto rank = [](const std::string& k) {
    for (const char* p : kPreferred)
      if (k == p) return std::make_tuple(0, size_t{0}, k);
    bool odd = k[0] == 'c' || k[0] == 'q' || k[0] == 'l';  // xa beats la; ka beats ca
    return std::make_tuple(odd ? 2 : 1, k.size(), k);
  };
  std::map<std::string, std::string> best;
  for (const auto& [input, row] : table.rows()) {
    if (!row.pending.empty() || row.output.empty() || (row.output[0] & 0x80) == 0) continue;
    auto it = best.find(row.output);
    if (it == best.end() || rank(input) < rank(it->second)) best[row.output] = input;
  }
  return best;
}

std::string Spell(const std::string& reading, const std::map<std::string, std::string>& rows) {
  std::vector<std::string> keys;  // one per kana chunk, longest chunk first
  for (size_t i = 0; i < reading.size();) {
    size_t take = 0;
    for (size_t len = std::min<size_t>(9, reading.size() - i); len >= 3; len -= 3)
      if (rows.count(reading.substr(i, len))) {
        take = len;
        break;
      }
    if (take == 0) return "";
    keys.push_back(reading.substr(i, take));
    i += take;
  }
  std::string out;
  for (size_t k = 0; k < keys.size(); ++k) {
    std::string next = k + 1 < keys.size() ? rows.at(keys[k + 1]) : "";
    char n0 = next.empty() ? 0 : next[0];
    bool consonant = n0 && std::string("aiueo-").find(n0) == std::string::npos;
    if (keys[k] == "っ" && consonant && n0 != 'n') {
      out += n0;  // doubled consonant
    } else if (keys[k] == "ん") {
      out += (consonant && n0 != 'y' && n0 != 'n') || next.empty() ? "n" : "nn";
    } else {
      out += rows.at(keys[k]);
    }
  }
  return out;
}

int Judge(int argc, char** argv) {
  const auto& ref = ime_ref::DefaultReference();
  for (int i = 3; i < argc; ++i) {
    std::string letters = argv[i];
    std::printf("%s %s:", argv[2], argv[i]);
    for (Ime ime : ime_ref::kAllImes) {
      auto kana = ref.Convert(ime, letters);
      size_t dead = ref.FirstDeadLetter(ime, argv[2], letters);
      // The letters that still live, finished by the search's own keys.
      std::string live = letters.substr(0, std::min(dead, letters.size()));
      auto more = ref.Completion(ime, argv[2], live);
      std::printf("  %s=%s%s dead@%s finish=%s", ime_ref::ImeName(ime),
                  kana ? kana->c_str() : "(raw)",
                  ref.IsSpelling(ime, argv[2], letters) ? " YES" : "",
                  dead == std::string::npos ? "-" : std::to_string(dead).c_str(),
                  more ? (live + *more).c_str() : "(none)");
    }
    std::printf("\n");
  }
  return 0;
}

// "list DIR": reading TAB spelling TAB its typos, for the scripts that replay them in the IMEs.
int List(const std::string& dir) {
  auto rows = HepburnRows(ime_ref::DefaultReference().Table(Ime::kMozc));
  for (const std::string& r : LoadReadings(dir)) {
    std::string s = Spell(r, rows);
    std::printf("%s\t%s\t", r.c_str(), s.c_str());
    for (const auto& typo : ime_ref::OneLetterTypos(s)) std::printf(" %s", typo.letters.c_str());
    std::printf("\n");
  }
  return 0;
}

}  // namespace

// "convert": letters per line on stdin -> letters TAB Mozc TAB Anthy TAB Microsoft kana.
int ConvertLines() {
  const auto& ref = ime_ref::DefaultReference();
  std::string line;
  while (std::getline(std::cin, line)) {
    std::printf("%s", line.c_str());
    for (Ime ime : ime_ref::kAllImes) {
      auto kana = ref.Convert(ime, line);
      std::printf("\t%s", kana ? kana->c_str() : "(raw)");
    }
    std::printf("\n");
  }
  return 0;
}

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "convert") return ConvertLines();
  if (argc >= 4 && std::string(argv[1]) == "judge") return Judge(argc, argv);
  if (argc == 3 && std::string(argv[1]) == "list") return List(argv[2]);
  std::string dir = argc > 1 ? argv[1] : "data/dat";
  auto t0 = std::chrono::steady_clock::now();
  const auto& ref = ime_ref::DefaultReference();
  std::vector<std::string> readings = LoadReadings(dir);
  auto rows = HepburnRows(ref.Table(Ime::kMozc));
  int bad = 0;
  for (const std::string& r : readings) {
    std::string spelling = Spell(r, rows);
    std::string unspellable;
    for (Ime ime : ime_ref::kAllImes)
      if (!ref.CanSpell(ime, r)) unspellable += std::string(" ") + ime_ref::ImeName(ime);
    if (!unspellable.empty()) std::printf("cannot spell %s:%s\n", r.c_str(), unspellable.c_str());
    if (spelling.empty() || !ref.IsSpelling(r, spelling)) {
      std::printf("NOT ACCEPTED %s %s\n", r.c_str(), spelling.c_str());
      ++bad;
    }
    for (Ime ime : ime_ref::kAllImes)
      if (ref.CanSpell(ime, r) && !ref.IsSpelling(ime, r, spelling))
        std::printf("  %s rejects %s %s\n", ime_ref::ImeName(ime), r.c_str(), spelling.c_str());
  }
  auto t1 = std::chrono::steady_clock::now();
  // Every prefix of every spelling, then every one-letter typo: the engine tests' load.
  long calls = 0, typo_dead = 0;
  for (int pass = 0; pass < 2; ++pass) {
    auto p0 = std::chrono::steady_clock::now();
    calls = 0;
    for (const std::string& r : readings) {
      std::string s = Spell(r, rows);
      for (size_t n = 0; n <= s.size(); ++n, ++calls) bad += !ref.IsPrefix(r, s.substr(0, n));
      for (const auto& typo : ime_ref::OneLetterTypos(s)) {
        typo_dead += ref.FirstDeadLetter(r, typo.letters) != std::string::npos;
        ref.IsSpelling(r, typo.letters);
        calls += 2;
      }
    }
    double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - p0).count();
    std::printf("pass %d: %ld calls in %.1f ms, %.2f us per call\n", pass + 1, calls, ms,
                1000.0 * ms / calls);
  }
  double load = std::chrono::duration<double, std::milli>(t1 - t0).count();
  std::printf("%zu readings; load and spelling checks %.1f ms; typos dying: %ld; failures %d\n",
              readings.size(), load, typo_dead / 2, bad);
  return bad == 0 ? 0 : 1;
}
