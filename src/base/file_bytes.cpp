// Bounded reads of data files.
#include "base/file_bytes.h"

#include <algorithm>
#include <fstream>

TReadResult ReadFileBytes(const std::string& path, size_t limit, std::string& bytes) {
  bytes.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return TReadResult::Unreadable;
  try {
    // Reads in pieces, so memory grows with the bytes that are really there.
    char buffer[65536];
    while (bytes.size() < limit) {
      const size_t want = std::min(sizeof buffer, limit - bytes.size());
      in.read(buffer, static_cast<std::streamsize>(want));
      const std::streamsize got = in.gcount();
      if (in.bad()) return TReadResult::Unreadable;
      bytes.append(buffer, static_cast<size_t>(got));
      if (static_cast<size_t>(got) < want) return TReadResult::Whole;
    }
    return in.peek() == std::ifstream::traits_type::eof() && !in.bad() ? TReadResult::Whole
                                                                       : TReadResult::Cut;
  } catch (const std::ios_base::failure&) {
    return TReadResult::Unreadable;
  }
}
