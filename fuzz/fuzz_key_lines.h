// Helpers of the key-script and recording fuzz targets: splitting a file into
// lines as the readers do, comparing events and checking their promises.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "drive/key_script.h"
#include "fuzz_util.h"

namespace fuzz {

// Lines as std::getline gives them (the last one without a line end kept).
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t nl = text.find('\n', start);
    if (nl == std::string::npos) nl = text.size();
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  return lines;
}

inline bool SameKeys(const std::vector<TTimedKey>& a, const std::vector<TTimedKey>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].Frame != b[i].Frame || a[i].Key.Code != b[i].Key.Code ||
        a[i].Key.Down != b[i].Key.Down)
      return false;
  return true;
}

// "file:N: message" with N in 1..lines (line 1 for a file without lines).
inline bool NamesLine(const std::string& error, const std::string& file, size_t lines) {
  const std::string head = file + ":";
  if (error.rfind(head, 0) != 0) return false;
  size_t n = 0, i = head.size();
  for (; i < error.size() && error[i] >= '0' && error[i] <= '9' && n < 100000000; ++i)
    n = n * 10 + static_cast<size_t>(error[i] - '0');
  return i > head.size() && error.compare(i, 2, ": ") == 0 && error.size() > i + 2 && n >= 1 &&
         n <= (lines == 0 ? 1 : lines);
}

// Events in frame order, from frame 1, each a key the scripts can name or a
// focus change.
inline void CheckKeys(const std::vector<TTimedKey>& events) {
  for (size_t i = 0; i < events.size(); ++i) {
    const TTimedKey& k = events[i];
    Check(k.Frame >= 1, "events from frame 1");
    Check(i == 0 || events[i - 1].Frame <= k.Frame, "events in frame order");
    const bool focus = k.Key.Code == vk::FocusLost || k.Key.Code == vk::FocusGained;
    Check(focus ? k.Key.Down : !KeyNameOfCode(k.Key.Code).empty(), "events of known keys");
  }
}

}  // namespace fuzz
