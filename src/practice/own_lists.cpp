// Reading and checking the player's own word lists.
#include "practice/own_lists.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/file_bytes.h"
#include "base/sjis.h"
#include "type_window/type_window.h"

namespace {

std::string Where(const std::string& fileName, size_t line) {
  return fileName + ":" + std::to_string(line) + ": ";
}

std::string TrimSpaces(const std::string& s) {
  const char* blanks = " \t\r";
  size_t b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(blanks);
  return s.substr(b, e - b + 1);
}

// Characters of valid UTF-8 text (its lead bytes).
size_t Utf8Chars(const std::string& s) {
  size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// A note cut to kOwnListNoteBytes at a character boundary.
std::string ShortNote(const std::string& note) {
  if (note.size() <= kOwnListNoteBytes) return note;
  size_t cut = kOwnListNoteBytes;
  while (cut > 0 && (static_cast<unsigned char>(note[cut]) & 0xC0) == 0x80) --cut;
  return note.substr(0, cut) + "...";
}

// Splits one line into word and reading; false with a message.
bool SplitLine(const std::string& line, std::string& word, std::string& reading,
               std::string& message) {
  size_t tab = line.find('\t');
  if (tab != std::string::npos) {
    word = TrimSpaces(line.substr(0, tab));
    reading = TrimSpaces(line.substr(tab + 1));
  } else {
    size_t colon = line.rfind(':');
    if (colon == std::string::npos) {
      message = "expected \"word:reading;\" or \"word<TAB>reading\"";
      return false;
    }
    word = TrimSpaces(line.substr(0, colon));
    reading = TrimSpaces(line.substr(colon + 1));
    if (!reading.empty() && reading.back() == ';') reading.pop_back();
    reading = TrimSpaces(reading);
  }
  if (word.empty()) {
    message = "no word before the reading";
    return false;
  }
  if (reading.empty()) {
    message = "no reading after the word";
    return false;
  }
  if (word.find(':') != std::string::npos || reading.find_first_of(":;\t") != std::string::npos) {
    message = "a word or reading must not hold \":\", \";\" or a tab";
    return false;
  }
  if (Utf8Chars(word) > kOwnListMaxChars || Utf8Chars(reading) > kOwnListMaxChars) {
    message = "a word or reading longer than " + std::to_string(kOwnListMaxChars) + " characters";
    return false;
  }
  return true;
}

}  // namespace

bool IsValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t len = 0;
    uint32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + len > s.size()) return false;
    for (size_t k = 1; k < len; ++k) {
      unsigned char d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += len;
  }
  return true;
}

void ParseOwnList(const std::string& bytes, const std::string& fileName, const TKanaTable& table,
                  int letterWidth, TOwnList& out) {
  out.Words.clear();
  out.Problems.clear();
  out.Refusal.clear();
  if (bytes.size() > kOwnListMaxBytes) {
    out.Refusal = fileName + ": larger than 1 MB; not read";
    return;
  }
  std::string text = bytes;
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);  // a byte-order mark
  if (!IsValidUtf8(text)) {
    out.Refusal = fileName + ": not UTF-8 text (save the list as UTF-8)";
    return;
  }
  // Lines that split well, converted; the readings are checked together.
  std::vector<std::string> candidates;
  std::vector<size_t> lineOf;
  size_t lineNo = 0, start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string trimmed = TrimSpaces(line);
    if (trimmed.empty() || trimmed[0] == '#' || trimmed == "end;") {
      if (end == text.size()) break;
      continue;
    }
    std::string word, reading, message;
    bool ok = false;
    // A NUL would end the word early wherever it is shown.
    if (trimmed.find('\0') != std::string::npos)
      message = "a NUL byte in the line";
    else
      ok = SplitLine(trimmed, word, reading, message);
    bool wordOk = true, readingOk = true;
    std::string sjisWord, sjisReading;
    if (ok) {
      sjisWord = Utf8ToSjis(word, &wordOk);
      sjisReading = Utf8ToSjis(reading, &readingOk);
      if (!wordOk || !readingOk) {
        ok = false;
        message = "a character the game cannot show";
      }
    }
    if (ok) {
      candidates.push_back(sjisWord + ":" + sjisReading + ";");
      lineOf.push_back(lineNo);
    } else {
      out.Problems.push_back(Where(fileName, lineNo) + message);
    }
    if (end == text.size()) break;
  }
  // The checker of the game's own lists decides whether a reading can be
  // typed; its messages count words, so they are mapped back to lines.
  std::vector<std::string> errors, warnings;
  CheckWordReadings(table, candidates, "#", letterWidth, errors, warnings);
  std::vector<bool> bad(candidates.size(), false);
  for (const std::string& e : errors) {
    size_t colon = e.find(':', 2);
    size_t index = static_cast<size_t>(std::stoul(e.substr(2, colon - 2))) - 1;
    if (index < bad.size()) {
      bad[index] = true;
      out.Problems.push_back(Where(fileName, lineOf[index]) + e.substr(colon + 2));
    }
  }
  for (size_t i = 0; i < candidates.size(); ++i)
    if (!bad[i]) out.Words.push_back(candidates[i]);
  std::stable_sort(
      out.Problems.begin(), out.Problems.end(), [&](const std::string& a, const std::string& b) {
        auto line = [&](const std::string& m) { return std::stoul(m.substr(fileName.size() + 1)); };
        return line(a) < line(b);
      });
  // A list of many bad lines gives a few short notes and a count of the rest.
  if (out.Problems.size() > kOwnListMaxNotes) {
    const size_t more = out.Problems.size() - kOwnListMaxNotes;
    out.Problems.resize(kOwnListMaxNotes);
    out.Problems.push_back(fileName + ": " + std::to_string(more) + " more bad lines");
  }
  for (std::string& note : out.Problems) note = ShortNote(note);
  if (out.Words.empty()) out.Refusal = ShortNote(fileName) + ": no usable line";
}

TOwnList LoadOwnList(const std::string& path, const TKanaTable& table, int letterWidth) {
  namespace fs = std::filesystem;
  TOwnList out;
  fs::path p(path);
  out.Path = path;
  out.Name = p.stem().string();
  const std::string fileName = p.filename().string();
  std::string bytes;
  // A pipe or folder under the list's name is refused by its type, unread.
  switch (ReadFileBytes(path, kOwnListMaxBytes, bytes)) {
    case TReadResult::Unreadable:
      out.Refusal = fileName + ": cannot be read";
      return out;
    case TReadResult::Cut:
      out.Refusal = fileName + ": larger than 1 MB; not read";
      return out;
    case TReadResult::Whole:
      break;
  }
  ParseOwnList(bytes, fileName, table, letterWidth, out);
  return out;
}

std::vector<TOwnList> LoadOwnLists(const std::string& folder, const TKanaTable& table,
                                   int letterWidth, size_t* skipped) {
  namespace fs = std::filesystem;
  std::vector<std::string> paths;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    std::string ext = p.extension().string();
    std::error_code typeError;  // an entry that cannot be looked at is passed over
    if ((ext == ".txt" || ext == ".lin") && it->is_regular_file(typeError))
      paths.push_back(p.string());
  }
  std::sort(paths.begin(), paths.end());
  if (skipped) *skipped = paths.size() > kOwnListMaxFiles ? paths.size() - kOwnListMaxFiles : 0;
  if (paths.size() > kOwnListMaxFiles) paths.resize(kOwnListMaxFiles);
  std::vector<TOwnList> out;
  for (const std::string& p : paths) out.push_back(LoadOwnList(p, table, letterWidth));
  return out;
}
