// Reading a data file's bytes up to a limit, so that a huge or endless file
// costs no more memory than the limit however large it is, and a special file
// (a pipe, a device, a folder) is refused by its type before it can block.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

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

// Reads a file named on the command line (a key script, a recording, a stage
// script to try): a regular file or a pipe, so that `--keys <(printf ...)`
// works. A pipe that gives nothing for `stallMs` (no writer, or one that
// stopped without closing) ends the read as Unreadable with the reason; a
// folder or device is refused by its type.
TReadResult ReadArgumentFile(const std::string& path, size_t limit, std::string& bytes,
                             std::string& why, int stallMs = 700);

// A file a recording carries, in the string that would otherwise hold its
// path: either its text itself, or the path an older recording names (which
// may only point inside the data or save folders). A leading NUL, which no
// real path holds, marks both.
std::string CarriedText(const std::string& name, const std::string& text);
std::string CarriedPath(const std::string& path);
struct TCarried {
  enum class TKind { Plain, Text, Path } Kind = TKind::Plain;
  std::string Name;  // the file's name for messages (the path itself when plain)
  std::string Text;  // Text: the bytes
};
TCarried UnpackCarried(const std::string& source);

// Reads what a source string stands for: a plain path as given on the command
// line (pipes too), a carried text as it is, a carried path only when it lies
// inside one of `allowed` folders (after links are resolved).
TReadResult ReadSource(const std::string& source, const std::vector<std::string>& allowed,
                       size_t limit, std::string& bytes, std::string& why);
