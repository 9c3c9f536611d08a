// Letter positions of a window's spelling mapped back to the units of its word.
#include "type_window/window_units.h"

#include <algorithm>

#include "type_window/type_window.h"

int UnitAtLetter(const TRomajiWord& word, const TRomajiPath& path, size_t at) {
  const size_t n = word.Units.size();
  if (n == 0 || path.size() != n) return -1;
  size_t start = 0;
  for (size_t k = 0; k < n; ++k) {
    const auto& spellings = word.Units[k].Spellings;
    if (path[k] < 0 || static_cast<size_t>(path[k]) >= spellings.size()) return -1;
    start += spellings[static_cast<size_t>(path[k])].size();
    if (at < start) return static_cast<int>(k);
  }
  return static_cast<int>(n - 1);
}

int WindowUnitAtPosition(const TTypeWindow& w) {
  return UnitAtLetter(w.Word, w.Path, static_cast<size_t>(std::max(w.Position, 1) - 1));
}

int UnitsTyped(const TTypeWindow& w) {
  const size_t typed = static_cast<size_t>(std::max(w.Position, 1) - 1);
  const size_t n = w.Word.Units.size();
  if (n == 0 || w.Path.size() != n || typed == 0) return 0;
  size_t end = 0;
  int whole = 0;
  for (size_t k = 0; k < n; ++k) {
    const auto& spellings = w.Word.Units[k].Spellings;
    if (w.Path[k] < 0 || static_cast<size_t>(w.Path[k]) >= spellings.size()) return whole;
    const std::string& spelling = spellings[static_cast<size_t>(w.Path[k])];
    end += spelling.size();
    if (end > typed) break;
    const bool pendingN = w.Word.Units[k].N && spelling == "N" && end == typed && k + 1 < n;
    if (pendingN) break;
    whole = static_cast<int>(k) + 1;
  }
  return whole;
}
