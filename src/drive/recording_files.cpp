// Carried files of recordings: escaping, the lines they are written in and
// reading them back.
#include "drive/recording_files.h"

#include <charconv>

#include "base/file_bytes.h"
#include "practice/practice.h"
#include "practice/review_list.h"

namespace {

constexpr size_t kDataChunk = 1024;  // bytes of a file per recording line at most
constexpr const char* kHex = "0123456789ABCDEF";

std::string Escape(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x21 || c == 0x7F || c == '%') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Unescape(const std::string& text, std::string& bytes) {
  bytes.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      bytes += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return false;
    const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
    if (hi < 0 || lo < 0) return false;
    bytes += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return true;
}

}  // namespace

bool IsListPath(const std::string& spec) {
  return !spec.empty() && spec != kWeakestSpec && spec != kReviewSpec &&
         !(spec.size() == 1 && spec[0] >= '1' && spec[0] <= '8') && spec[0] != '\0';
}

std::string FormatCarriedFile(const std::string& key, const std::string& name,
                              const std::string& text) {
  std::string out =
      key + "-text " + std::to_string(text.size()) + " " + Escape(name.empty() ? "-" : name) + "\n";
  for (size_t at = 0; at < text.size();) {
    // Pieces end after a line end where one comes soon, so the file stays readable.
    size_t end = text.find('\n', at);
    end = end == std::string::npos || end - at >= kDataChunk ? at + kDataChunk : end + 1;
    end = std::min(end, text.size());
    out += key + "-data " + Escape(text.substr(at, end - at)) + "\n";
    at = end;
  }
  return out;
}

bool TCarriedFiles::TakeLine(const std::string& line, std::string& message) {
  const size_t space = line.find(' ');
  const std::string word = line.substr(0, space);
  const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
  TFile* file = nullptr;
  std::string key;
  for (const char* k : {"try-script", "practice"}) {
    if (word == std::string(k) + "-text" || word == std::string(k) + "-data") {
      file = std::string(k) == "practice" ? &practice_ : &script_;
      key = k;
    }
  }
  if (!file) return false;
  if (word == key + "-text") {
    const size_t gap = rest.find(' ');
    const std::string count = rest.substr(0, gap);
    size_t bytes = 0;
    auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), bytes);
    if (file->Seen || ec != std::errc() || end != count.data() + count.size() ||
        bytes > kCarriedFileLimit || gap == std::string::npos ||
        !Unescape(rest.substr(gap + 1), file->Name)) {
      message = file->Seen ? "a second \"" + word + "\" line"
                           : "bad \"" + word + "\" line (expected BYTES NAME, at most 1 MiB)";
      return true;
    }
    file->Seen = true;
    file->Bytes = bytes;
    return true;
  }
  std::string piece;
  if (!file->Seen) {
    message = "\"" + word + "\" before its \"" + key + "-text\" line";
  } else if (!Unescape(rest, piece)) {
    message = "bad escape in \"" + word + "\"";
  } else if (file->Text.size() + piece.size() > file->Bytes) {
    message = "more bytes than its \"" + key + "-text\" line says";
  } else {
    file->Text += piece;
  }
  return true;
}

bool TCarriedFiles::Finish(TRecording& r, std::string& message) const {
  if (script_.Seen) {
    if (script_.Text.size() != script_.Bytes) {
      message = "the carried try-out script is cut short";
      return false;
    }
    r.TryScriptPath = CarriedText(script_.Name, script_.Text);
  }
  if (practice_.Seen) {
    if (practice_.Text.size() != practice_.Bytes) {
      message = "the carried practice list is cut short";
      return false;
    }
    r.Practice = CarriedText(practice_.Name, practice_.Text);
  }
  return true;
}

bool CarryRunFiles(TRecording& r, std::string& error) {
  std::string bytes, why;
  if (!r.TryScriptPath.empty() && r.TryScriptPath[0] != '\0') {
    const TReadResult read = ReadArgumentFile(r.TryScriptPath, kCarriedFileLimit, bytes, why);
    if (read != TReadResult::Whole) {
      error = r.TryScriptPath + ": " + (read == TReadResult::Cut ? "larger than 1 MiB" : why);
      return false;
    }
    r.TryScriptPath = CarriedText(r.TryScriptPath, bytes);
  }
  if (IsListPath(r.Practice)) {
    const TReadResult read = ReadArgumentFile(r.Practice, kCarriedFileLimit, bytes, why);
    if (read != TReadResult::Whole) {
      error = r.Practice + ": " + (read == TReadResult::Cut ? "larger than 1 MiB" : why);
      return false;
    }
    r.Practice = CarriedText(r.Practice, bytes);
  }
  return true;
}
