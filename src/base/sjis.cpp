// CP932 conversions through glibc's iconv. "CP932" (not "SHIFT_JIS") keeps
// 0x5C as a backslash and accepts the NEC/IBM extensions.
#include "base/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// Opening a converter costs more than converting a short text, and the
// screens convert texts every frame: each thread keeps the converters it has
// opened, one per direction, and resets one before each use.
class TConverters {
 public:
  ~TConverters() {
    for (const TOpen& o : open_) iconv_close(o.Cd);
  }
  iconv_t For(const char* to, const char* from) {
    for (const TOpen& o : open_)
      if (std::strcmp(o.To, to) == 0 && std::strcmp(o.From, from) == 0) {
        iconv(o.Cd, nullptr, nullptr, nullptr, nullptr);
        return o.Cd;
      }
    iconv_t cd = iconv_open(to, from);
    if (cd != reinterpret_cast<iconv_t>(-1)) open_.push_back(TOpen{to, from, cd});
    return cd;
  }

 private:
  struct TOpen {
    const char* To;
    const char* From;
    iconv_t Cd;
  };
  std::vector<TOpen> open_;
};

iconv_t ConverterFor(const char* to, const char* from) {
  thread_local TConverters converters;
  return converters.For(to, from);
}

std::string Convert(const char* to, const char* from, std::string_view in, const char* bad,
                    size_t badLen, size_t skip, bool* ok) {
  if (ok) *ok = true;
  iconv_t cd = ConverterFor(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    if (ok) *ok = false;
    return std::string(in);
  }
  std::string out;
  std::vector<char> buf(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  while (srcLeft > 0) {
    char* dst = buf.data();
    size_t dstLeft = buf.size();
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf.data(), dst - buf.data());
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // Invalid or incomplete input: emit the replacement and skip a character.
      if (ok) *ok = false;
      out.append(bad, badLen);
      size_t n = skip;
      if (skip == 0) {
        // UTF-8 input: skip the byte and the continuation bytes after it (a
        // character with no CP932 form, or a broken one), never a byte
        // that starts the next character.
        n = 1;
        while (n < srcLeft && n < 4 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80) ++n;
      } else if (IsSjisLead(static_cast<unsigned char>(*src)) && srcLeft >= 2) {
        n = 2;
      }
      if (n > srcLeft) n = srcLeft;
      src += n;
      srcLeft -= n;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

}  // namespace

std::string Utf8ToSjis(std::string_view utf8, bool* ok) {
  return Convert("CP932", "UTF-8", utf8, "?", 1, 0, ok);
}

std::string SjisToUtf8(std::string_view sjis, bool* ok) {
  return Convert("UTF-8", "CP932", sjis, "\xEF\xBF\xBD", 3, 1, ok);
}

std::u32string SjisToUtf32(std::string_view sjis) {
  std::string raw = Convert("UTF-32LE", "CP932", sjis, "\xFD\xFF\x00\x00", 4, 1, nullptr);
  std::u32string out;
  for (size_t i = 0; i + 3 < raw.size(); i += 4) {
    out.push_back(static_cast<unsigned char>(raw[i]) | static_cast<unsigned char>(raw[i + 1]) << 8 |
                  static_cast<unsigned char>(raw[i + 2]) << 16 |
                  static_cast<unsigned char>(raw[i + 3]) << 24);
  }
  return out;
}
