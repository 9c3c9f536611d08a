// Shift-JIS (code page 932) text helpers. The game keeps Japanese text as CP932
// bytes, so that lengths and positions count a kana as two bytes.
#pragma once
#include <string>
#include <string_view>

// UTF-8 to CP932; characters CP932 lacks become "?" (ok is cleared).
std::string Utf8ToSjis(std::string_view utf8, bool* ok = nullptr);
// CP932 to UTF-8; invalid bytes become U+FFFD (ok is cleared).
std::string SjisToUtf8(std::string_view sjis, bool* ok = nullptr);
// CP932 to UTF-32 code points (for glyph lookup).
std::u32string SjisToUtf32(std::string_view sjis);
// Short name for string constants written in UTF-8 in the source.
inline std::string Sjis(std::string_view utf8) { return Utf8ToSjis(utf8); }
// True when byte c starts a two-byte CP932 character.
inline bool IsSjisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
