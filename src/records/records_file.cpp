// Writing, reading and appending the records file.
#include "records/records_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <limits>

#include "records/mapped_file.h"
#include "records/record_fields.h"
#include "saves/save_lock.h"

namespace {

constexpr const char* kMagic = "mirutena-records ";

// A 16-bit check of a line, eight bytes at a time (FNV-style multiply and
// fold): enough to notice a damaged line, cheap enough for big files.
uint32_t LineCheck(const char* begin, const char* end) {
  uint64_t h = 14695981039346656037ull;
  const char* p = begin;
  for (; end - p >= 8; p += 8) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    h = (h ^ w) * 1099511628211ull;
    h ^= h >> 29;
  }
  for (; p != end; ++p) h = (h ^ static_cast<unsigned char>(*p)) * 1099511628211ull;
  h ^= h >> 32;
  return static_cast<uint32_t>((h >> 16) ^ h) & 0xFFFFu;
}

void AppendCounts(std::string& out, const TLetterCounts& counts) {
  bool any = false;
  for (int i = 1; i <= 27; ++i) {
    if (counts[i] == 0) continue;
    out += RecordLetterChar(i);
    out += std::to_string(counts[i]);
    any = true;
  }
  if (!any) out += '-';
}

bool KindWord(const std::string& s) {
  if (s.empty() || s.size() > 16) return false;
  for (char c : s)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

// A cursor over one line's space-separated fields. The byte at end is the
// space before the line's check, so every field ends at a space and the
// loops need no other bound: a big records file is mostly these fields.
struct TFields {
  const char* p;
  const char* end;  // *end == ' '

  // Moves past the single space that ends a field at q.
  bool Close(const char* q) {
    if (*q != ' ' || q > end) return false;
    p = q + 1;
    return true;
  }
  // The fields are all read once p has passed end.
  bool Done() const { return p > end; }

  bool Next(const char*& b, const char*& e) {
    if (p > end) return false;
    const char* q = p;
    while (*q != ' ') ++q;
    b = p;
    e = q;
    return e > b && Close(q);
  }
  // A decimal integer, '-' for a negative one; at most 18 digits.
  template <typename T>
  bool Int(T& v) {
    if (p > end) return false;
    const char* q = p;
    const bool negative = *q == '-';
    if (negative) ++q;
    const char* digits = q;
    uint64_t n = 0;
    while (static_cast<unsigned>(*q - '0') < 10) {
      n = n * 10 + static_cast<uint64_t>(*q - '0');
      if (++q - digits > 18) return false;
    }
    if (q == digits) return false;
    const uint64_t limit =
        static_cast<uint64_t>(std::numeric_limits<T>::max()) + (negative ? 1 : 0);
    if (n > limit) return false;
    v = static_cast<T>(negative ? 0 - n : n);
    return Close(q);
  }
  bool Word(std::string& s) {
    const char *b, *e;
    if (!Next(b, e)) return false;
    s.assign(b, e);
    return true;
  }
  // Letter counts: a lower-case letter or '-' followed by its count (above
  // 0), each letter once; a lone '-' when there are none.
  bool Counts(TLetterCounts& c) {
    c.fill(0);
    if (p > end) return false;
    const char* q = p;
    if (*q == '-' && q[1] == ' ') return Close(q + 1);
    while (*q != ' ') {
      unsigned letter = static_cast<unsigned>(static_cast<unsigned char>(*q) - 'a');
      if (letter > 25) {
        if (*q != '-') return false;
        letter = 26;
      }
      ++letter;
      ++q;
      if (c[letter] != 0) return false;
      const char* digits = q;
      uint64_t n = 0;
      // Wraps past 20 digits, but more than 10 are refused anyway.
      for (; static_cast<unsigned>(*q - '0') < 10; ++q)
        n = n * 10 + static_cast<uint64_t>(*q - '0');
      if (q == digits || q - digits > 10 || n == 0 || n > 0xFFFFFFFFull) return false;
      c[letter] = static_cast<uint32_t>(n);
    }
    return q > p && Close(q);
  }
};

bool FormatTime(int64_t t, char (&buf)[20]) {
  std::time_t tt = static_cast<std::time_t>(t);
  std::tm tm{};
  if (gmtime_r(&tt, &tm) == nullptr) return false;
  return std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &tm) == 16;
}

bool ParseTime(const char* b, const char* e, int64_t& t) {
  if (e - b != 16 || b[8] != 'T' || b[15] != 'Z') return false;
  int v[6];
  const int widths[6] = {4, 2, 2, 2, 2, 2};
  const char* p = b;
  for (int i = 0; i < 6; ++i) {
    if (i == 3) ++p;  // the 'T'
    v[i] = 0;
    for (int k = 0; k < widths[i]; ++k, ++p) {
      const unsigned d = static_cast<unsigned>(*p - '0');
      if (d > 9) return false;
      v[i] = v[i] * 10 + static_cast<int>(d);
    }
  }
  // Years before 1000 cannot be written back in four digits: no line of ours.
  if (v[0] < 1000 || v[1] < 1 || v[1] > 12 || v[2] < 1 || v[2] > 31 || v[3] > 23 || v[4] > 59 ||
      v[5] > 60)
    return false;
  // Days from 1970-01-01 of a proleptic Gregorian date (civil calendar).
  int y = v[0] - (v[1] <= 2 ? 1 : 0);
  int era = (y >= 0 ? y : y - 399) / 400;
  int yoe = y - era * 400;
  int doy = (153 * (v[1] + (v[1] > 2 ? -3 : 9)) + 2) / 5 + v[2] - 1;
  int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  int64_t days = int64_t{era} * 146097 + doe - 719468;
  t = days * 86400 + v[3] * 3600 + v[4] * 60 + v[5];
  return true;
}

// The version of a header line, or 0 when it is not our header.
int HeaderVersion(const char* b, const char* e) {
  size_t magic = std::strlen(kMagic);
  if (static_cast<size_t>(e - b) <= magic || std::memcmp(b, kMagic, magic) != 0) return 0;
  int v = 0;
  auto r = std::from_chars(b + magic, e, v);
  if (r.ec != std::errc() || r.ptr != e || v < 1) return 0;
  return v;
}

// A file cut while its header was being written: a prefix of the header, or
// only NUL bytes, with no line end.
bool CutHeader(const char* b, const char* e) {
  std::string header = std::string(kMagic) + std::to_string(kRecordsVersion);
  bool allNul = true;
  for (const char* p = b; p != e; ++p) allNul = allNul && *p == '\0';
  if (allNul) return true;
  return static_cast<size_t>(e - b) <= header.size() && std::memcmp(b, header.data(), e - b) == 0;
}

bool WriteAll(int fd, const std::string& s) {
  size_t done = 0;
  while (done < s.size()) {
    ssize_t n = ::write(fd, s.data() + done, s.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

double EntryKps(const TRecordEntry& e) {
  return KeysPerSecond(e.Keys, e.Measure >= 2 ? e.TypeFrames : e.Frames);
}

std::string FormatRecordLine(const TRecordEntry& e) {
  char when[20];
  if (!FormatTime(e.Time, when)) std::strcpy(when, "19700101T000000Z");
  std::string s;
  s.reserve(160);
  s += when;
  s += ' ';
  s += KindWord(e.Kind) ? e.Kind : std::string("part");
  for (int64_t v : {int64_t{e.Stage}, int64_t{e.Part}}) {
    s += ' ';
    s += std::to_string(v);
  }
  s += ' ';
  s += KindWord(e.Difficulty) ? e.Difficulty : std::string("-");
  for (int64_t v : {int64_t{e.Attempt}, int64_t{e.Cleared ? 1 : 0}, int64_t{e.Score}, e.Keys,
                    e.Misses, e.Streak, e.Frames, e.Words}) {
    s += ' ';
    s += std::to_string(v);
  }
  s += ' ';
  AppendCounts(s, e.Hits);
  s += ' ';
  AppendCounts(s, e.Missed);
  AppendExtraFields(s, e);
  return SealRecordLine(std::move(s));
}

std::string SealRecordLine(std::string fields) {
  char check[8];
  std::snprintf(check, sizeof check, " *%04x",
                LineCheck(fields.data(), fields.data() + fields.size()));
  fields += check;
  fields += '\n';
  return fields;
}

bool ParseRecordLine(const char* begin, const char* end, TRecordEntry& e) {
  // The check field closes the line: " *xxxx".
  if (end - begin < 8 || end[-6] != ' ' || end[-5] != '*') return false;
  uint32_t check = 0;
  for (const char* h = end - 4; h != end; ++h) {
    const char c = *h;
    const int d = c >= '0' && c <= '9' ? c - '0' : (c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1);
    if (d < 0) return false;
    check = check << 4 | static_cast<uint32_t>(d);
  }
  if (check != LineCheck(begin, end - 6)) return false;
  TFields f{begin, end - 6};
  const char *b, *x;
  if (!f.Next(b, x) || !ParseTime(b, x, e.Time)) return false;
  int cleared = 0;
  if (!f.Word(e.Kind) || !KindWord(e.Kind) || !f.Int(e.Stage) || !f.Int(e.Part) ||
      !f.Word(e.Difficulty) || !f.Int(e.Attempt) || !f.Int(cleared) || !f.Int(e.Score) ||
      !f.Int(e.Keys) || !f.Int(e.Misses) || !f.Int(e.Streak) || !f.Int(e.Frames) ||
      !f.Int(e.Words) || !f.Counts(e.Hits) || !f.Counts(e.Missed))
    return false;
  // Lines from before typeable time carry no m= field.
  e.Measure = 1;
  e.TypeFrames = 0;
  e.WordLog.clear();
  e.RomajiDisplay = "always";
  e.ReadingLine = false;
  while (!f.Done()) {
    if (!f.Next(b, x) || !ParseExtraField(b, x, e)) return false;
  }
  if (e.Difficulty == "-") e.Difficulty.clear();
  if (cleared != 0 && cleared != 1) return false;
  e.Cleared = cleared == 1;
  return e.Keys >= 0 && e.Misses >= 0 && e.Streak >= 0 && e.Frames >= 0 && e.Words >= 0;
}

TRecordsLoad LoadRecordsFile(const std::string& path) {
  TRecordsLoad out;
  TMappedFile file;
  bool missing = false;
  if (!file.Open(path, missing)) {
    if (!missing) {
      out.Writable = false;
      out.Warning = path + ": cannot be read; records are not kept in this run";
    }
    return out;
  }
  if (file.Size() == 0) return out;
  const char* p = file.Data();
  const char* end = p + file.Size();
  const char* nl = static_cast<const char*>(std::memchr(p, '\n', file.Size()));
  // As the appender judges it: only a file of at most 64 bytes can be a cut header.
  if (!nl && file.Size() <= 64 && CutHeader(p, end)) {
    out.Warning = path + ": the header was cut; the file is started again at the next record";
    return out;
  }
  out.Version = HeaderVersion(p, nl ? nl : end);
  // The appender reads a header within its first 64 bytes only.
  if (nl ? nl - p >= 64 : end - p > 64) out.Version = 0;
  if (out.Version == 0 || out.Version > kRecordsVersion) {
    out.Writable = false;
    out.Warning = out.Version == 0
                      ? path + ": not a records file; it is left as it is and not written"
                      : path + ": written by a newer version (" + std::to_string(out.Version) +
                            "); it is shown as far as it can be read and never written";
    if (out.Version == 0) return out;
  }
  out.Entries.reserve(file.Size() / 120 + 1);
  PrepareMemory(out.Entries.data(), out.Entries.capacity() * sizeof(TRecordEntry));
  p = nl ? nl + 1 : end;
  while (p < end) {
    nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    // A line without its '\n' was cut by a crash.
    const char* lineEnd = nl ? nl : end;
    // Parsed in place: an entry is a few hundred bytes, not worth a move.
    TRecordEntry& e = out.Entries.emplace_back();
    if (!nl || !ParseRecordLine(p, lineEnd, e)) {
      out.Entries.pop_back();
      if (lineEnd > p || !nl) out.Skipped += 1;
    }
    p = nl ? nl + 1 : end;
  }
  if (out.Skipped > 0 && out.Warning.empty())
    out.Warning = path + ": " + std::to_string(out.Skipped) +
                  (out.Skipped == 1 ? " damaged line was" : " damaged lines were") +
                  " skipped; every other entry is kept";
  return out;
}

bool AppendRecordLine(const std::string& path, const TRecordEntry& e, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  // Another game may append or repair the tail at the same time.
  TSaveLock lock(target.has_parent_path() ? target.parent_path().string() : ".");
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  auto fail = [&](const std::string& why) {
    error = path + ": " + why;
    ::close(fd);
    return false;
  };
  struct stat st {};
  if (fstat(fd, &st) != 0) return fail(std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return fail("not a regular file; left untouched");
  off_t size = st.st_size;
  std::string out;
  if (size == 0) {
    out = std::string(kMagic) + std::to_string(kRecordsVersion) + "\n";
  } else {
    char head[64];
    ssize_t n = ::pread(fd, head, sizeof head, 0);
    if (n <= 0) return fail("cannot be read");
    const char* nl = static_cast<const char*>(std::memchr(head, '\n', static_cast<size_t>(n)));
    // A whole header the loader accepts may lack its line end; one is added.
    int version = HeaderVersion(head, nl ? nl : head + n);
    if (!nl && size > static_cast<off_t>(sizeof head)) version = 0;
    const bool endHeader = !nl && version != 0;
    if (!nl && size <= static_cast<off_t>(sizeof head) && CutHeader(head, head + n)) {
      if (::ftruncate(fd, 0) != 0) return fail(std::strerror(errno));
      size = 0;
      version = kRecordsVersion;
      out = std::string(kMagic) + std::to_string(kRecordsVersion) + "\n";
    } else if (endHeader) {
      out = "\n";
    }
    if (version == 0) return fail("not a records file; left untouched");
    if (version > kRecordsVersion) return fail("written by a newer version; left untouched");
    // Drop a cut or NUL-filled tail back to the last complete line.
    char last = '\n';
    if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1) return fail("cannot be read");
    if (size > 0 && last != '\n' && !endHeader) {
      off_t keep = size;
      char buf[4096];
      bool found = false;
      while (keep > 0 && !found) {
        off_t from =
            keep > static_cast<off_t>(sizeof buf) ? keep - static_cast<off_t>(sizeof buf) : 0;
        ssize_t got = ::pread(fd, buf, static_cast<size_t>(keep - from), from);
        if (got != keep - from) return fail("cannot be read");
        for (ssize_t i = got - 1; i >= 0; --i)
          if (buf[i] == '\n') {
            keep = from + i + 1;
            found = true;
            break;
          }
        if (!found) keep = from;
      }
      if (::ftruncate(fd, keep) != 0) return fail(std::strerror(errno));
    }
  }
  out += FormatRecordLine(e);
  if (!WriteAll(fd, out)) return fail(std::strerror(errno));
  if (::fsync(fd) != 0) return fail(std::strerror(errno));
  if (::close(fd) != 0) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

std::string RecordsPathBeside(const std::string& rankingPath) {
  std::filesystem::path p(rankingPath);
  return (p.parent_path() / "records.txt").string();
}
