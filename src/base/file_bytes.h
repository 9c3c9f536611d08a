// Reading a data file's bytes up to a limit, so that a huge or endless file
// costs no more memory than the limit however large it is, and a special file
// (a pipe, a device, a folder) is refused by its type before it can block.
#pragma once
#include <cstddef>
#include <string>

// Largest text data file read (word lists, kana table, scripts, ending texts).
inline constexpr size_t kTextFileLimit = size_t(1) << 20;
// Largest picture or music file read.
inline constexpr size_t kMediaFileLimit = size_t(8) << 20;

enum class TReadResult { Whole, Cut, Unreadable };

// The first `limit` bytes of the file (all of it when shorter): Whole when
// the file ended within the limit, Cut when more bytes followed, Unreadable
// when it cannot be opened or read or is not a regular file (a folder, a
// named pipe, a device). Never waits on a pipe with no writer.
TReadResult ReadFileBytes(const std::string& path, size_t limit, std::string& bytes);
// The same, with the reason in `why` when Unreadable ("is a folder", "is a
// named pipe", the system's message), empty otherwise.
TReadResult ReadFileBytes(const std::string& path, size_t limit, std::string& bytes,
                          std::string& why);
