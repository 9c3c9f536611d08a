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
