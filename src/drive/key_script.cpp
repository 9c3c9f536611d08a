// Key-script and record files: key names, line parsing and formatting.
#include "drive/key_script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <sstream>

#include "base/file_bytes.h"
#include "drive/recording_files.h"

namespace {

struct TKeyName {
  const char* Name;
  int Code;
};

constexpr std::array<TKeyName, 16> kNamedKeys = {{
    {"tab", vk::Tab},
    {"minus", vk::Minus},
    {"space", vk::Space},
    {"enter", vk::Return},
    {"up", vk::Up},
    {"down", vk::Down},
    {"left", vk::Left},
    {"right", vk::Right},
    {"escape", vk::Escape},
    {"backspace", vk::Backspace},
    {"pause", vk::Pause},
    {"f1", vk::F1},
    {"f2", vk::F2},
    {"f3", vk::F3},
    {"f4", vk::F4},
    {"f5", vk::F5},
}};

constexpr int64_t kMaxFrame = 1000000000000LL;

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

bool ParseCount(const std::string& text, int64_t& value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

int LetterKey(char c) {
  if (c >= 'a' && c <= 'z') return vk::A + (c - 'a');
  if (c >= 'A' && c <= 'Z') return vk::A + (c - 'A');
  if (c >= '0' && c <= '9') return vk::Digit0 + (c - '0');
  if (c == '-') return vk::Minus;
  return 0;
}

std::string Where(const std::string& fileName, size_t lineNo) {
  return fileName + ":" + std::to_string(lineNo) + ": ";
}

// One key line; appends its events in the order they happen.
bool ParseKeyLine(const std::string& line, std::vector<TTimedKey>& out, std::string& message) {
  std::vector<std::string> w = Words(line);
  int64_t frame = 0;
  if (w.size() < 2 || !ParseCount(w[0], frame) || frame < 1 || frame > kMaxFrame) {
    message = "expected \"FRAME down|up|press|type ...\" with FRAME 1 or more";
    return false;
  }
  std::string action = Lower(w[1]);
  if (action == "focus-out" || action == "focus-in") {
    if (w.size() != 2) {
      message = "\"" + action + "\" takes nothing after it";
      return false;
    }
    out.push_back({frame, {action == "focus-out" ? vk::FocusLost : vk::FocusGained, true}});
    return true;
  }
  if (action == "type") {
    if (w.size() != 3) {
      message = "\"type\" needs one word of letters";
      return false;
    }
    if (w[2].size() > kMaxTypedLetters) {
      message = "\"type\" takes at most " + std::to_string(kMaxTypedLetters) + " letters";
      return false;
    }
    int64_t f = frame;
    for (char c : w[2]) {
      int code = LetterKey(c);
      if (!code) {
        message = std::string("cannot type '") + c + "'";
        return false;
      }
      out.push_back({f, {code, true}});
      out.push_back({f + 1, {code, false}});
      ++f;
    }
    return true;
  }
  if (action != "down" && action != "up" && action != "press") {
    message = "unknown action \"" + w[1] + "\"";
    return false;
  }
  if (w.size() != 3) {
    message = "\"" + action + "\" needs one key name";
    return false;
  }
  int code = KeyCodeOfName(w[2]);
  if (!code) {
    message = "unknown key \"" + w[2] + "\"";
    return false;
  }
  if (action == "down" || action == "press") out.push_back({frame, {code, true}});
  if (action == "up") out.push_back({frame, {code, false}});
  if (action == "press") out.push_back({frame + 1, {code, false}});
  return true;
}

// Reads a file named on the command line (a pipe too) within the limits.
bool ReadLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
  std::string bytes, why;
  switch (ReadArgumentFile(path, kKeyFileMaxBytes, bytes, why)) {
    case TReadResult::Unreadable:
      error = path + ": cannot be read: " + why;
      return false;
    case TReadResult::Cut:
      error = path + ": larger than 16 MiB; not read";
      return false;
    case TReadResult::Whole:
      break;
  }
  for (size_t at = 0; at < bytes.size();) {
    if (lines.size() >= kKeyFileMaxLines) {
      error = path + ": more than " + std::to_string(kKeyFileMaxLines) + " lines; not read";
      return false;
    }
    size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(at, end - at));
    at = end + 1;
  }
  return true;
}

void SortByFrame(std::vector<TTimedKey>& events) {
  std::stable_sort(events.begin(), events.end(),
                   [](const TTimedKey& a, const TTimedKey& b) { return a.Frame < b.Frame; });
}

// A file of the run in the record head: its bytes, so a replay opens no
// path; a path only when it could not be read here (a replay then reads it
// only inside the data and save folders). Only the file's own name goes with its bytes: a shared
// recording tells nothing of the folders of the player who made it.
std::string HeadFileLines(const std::string& key, const std::string& source) {
  const TCarried c = UnpackCarried(source);
  const std::string name = std::filesystem::path(c.Name).filename().string();
  if (c.Kind == TCarried::TKind::Text) return FormatCarriedFile(key, name, c.Text);
  std::string bytes;
  if (c.Kind == TCarried::TKind::Plain &&
      ReadFileBytes(source, kCarriedFileLimit, bytes) == TReadResult::Whole)
    return FormatCarriedFile(key, name, bytes);
  return key + " " + c.Name + "\n";
}

}  // namespace

int KeyCodeOfName(const std::string& name) {
  std::string n = Lower(name);
  if (n.size() == 1 && ((n[0] >= 'a' && n[0] <= 'z') || (n[0] >= '0' && n[0] <= '9')))
    return LetterKey(n[0]);
  for (const TKeyName& k : kNamedKeys)
    if (n == k.Name) return k.Code;
  return 0;
}

std::string KeyNameOfCode(int code) {
  if (code >= vk::A && code <= vk::Z) return std::string(1, static_cast<char>('a' + code - vk::A));
  if (code >= vk::Digit0 && code <= vk::Digit9)
    return std::string(1, static_cast<char>('0' + code - vk::Digit0));
  for (const TKeyName& k : kNamedKeys)
    if (k.Code == code) return k.Name;
  return "";
}

bool ParseKeyScript(const std::vector<std::string>& lines, const std::string& fileName,
                    std::vector<TTimedKey>& events, std::string& error) {
  std::vector<TTimedKey> out;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = Trim(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    std::string message;
    if (!ParseKeyLine(line, out, message)) {
      error = Where(fileName, i + 1) + message;
      return false;
    }
    if (out.size() > kKeyFileMaxEvents) {
      error =
          Where(fileName, i + 1) + "more than " + std::to_string(kKeyFileMaxEvents) + " key events";
      return false;
    }
  }
  SortByFrame(out);
  events = std::move(out);
  return true;
}

bool LoadKeyScript(const std::string& path, std::vector<TTimedKey>& events, std::string& error) {
  std::vector<std::string> lines;
  return ReadLines(path, lines, error) && ParseKeyScript(lines, path, events, error);
}

std::string FormatRecordingHead(const TRecording& r) {
  std::string s = std::string(kRecordHeader) + "\nseed " + std::to_string(r.Seed) + "\n";
  if (r.Stage > 0) s += "stage " + std::to_string(r.Stage) + "\n";
  if (!r.TryScriptPath.empty()) s += HeadFileLines("try-script", r.TryScriptPath);
  // Recordings of the normal game stay as they always were.
  if (r.Difficulty != "normal") s += "difficulty " + r.Difficulty + "\n";
  std::string view;
  if (r.ReadingLine == "on") view += " reading=on";
  if (!r.RomajiDisplay.empty() && r.RomajiDisplay != "always") view += " romaji=" + r.RomajiDisplay;
  if (r.Typed == "keep") view += " typed=keep";
  if (!view.empty()) s += "view" + view + "\n";
  if (!r.PracticeGoal.empty() && r.PracticeGoal != "free")
    s += "practice-goal " + r.PracticeGoal + "\n";
  if (IsListPath(r.Practice) || (!r.Practice.empty() && r.Practice[0] == '\0'))
    s += HeadFileLines("practice", r.Practice);
  else if (!r.Practice.empty())
    s += "practice " + r.Practice + "\n";
  return s;
}

std::string FormatRecordedKey(const TTimedKey& k) {
  if (k.Key.Code == vk::FocusLost || k.Key.Code == vk::FocusGained)
    return std::to_string(k.Frame) + (k.Key.Code == vk::FocusLost ? " focus-out\n" : " focus-in\n");
  std::string name = KeyNameOfCode(k.Key.Code);
  if (name.empty()) return "";  // keys the game ignores are not worth keeping
  return std::to_string(k.Frame) + (k.Key.Down ? " down " : " up ") + name + "\n";
}

std::string FormatRecordingEnd(int64_t frames) {
  return "end " + std::to_string(frames) + "\n";
}

bool ParseRecording(const std::vector<std::string>& lines, const std::string& fileName,
                    TRecording& r, std::string& error) {
  TRecording out;
  bool seedSeen = false;
  const std::string head = lines.empty() ? std::string() : Trim(lines[0]);
  const std::string prefix = "mirutena-record ";
  if (head != kRecordHeader && head.rfind(prefix, 0) == 0) {
    int64_t version = 0;
    if (ParseCount(head.substr(prefix.size()), version)) {
      error = Where(fileName, 1) + "recorded by " +
              (version < kRecordEngineVersion ? "an older" : "a newer") +
              " version of the game (typing engine " + std::to_string(version) + ", this one is " +
              std::to_string(kRecordEngineVersion) +
              "): its keys would not play the same run, so it is not replayed";
      return false;
    }
  }
  if (head != kRecordHeader) {
    error = Where(fileName, 1) + "not a record file (expected \"" + kRecordHeader + "\")";
    return false;
  }
  TCarriedFiles carried;
  for (size_t i = 1; i < lines.size(); ++i) {
    std::string line = Trim(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> w = Words(line);
    if (w.empty()) continue;  // only vertical tabs or form feeds
    std::string message;
    int64_t value = 0;
    if (carried.TakeLine(line, message)) {
      // a carried file's line
    } else if (w[0] == "seed" || w[0] == "stage" || w[0] == "end") {
      if (w.size() != 2 || !ParseCount(w[1], value) || (w[0] == "seed" && value > 0xFFFFFFFFLL) ||
          (w[0] == "stage" && (value < 1 || value > 10)) ||
          (w[0] == "end" && value > kMaxEndFrame)) {
        message =
            "bad \"" + w[0] + "\" line" +
            (w[0] == "end" ? " (at most " + std::to_string(kMaxEndFrame) + " frames, 24 hours)"
                           : "");
      } else if (w[0] == "seed") {
        out.Seed = static_cast<uint32_t>(value);
        seedSeen = true;
      } else if (w[0] == "stage") {
        out.Stage = static_cast<int>(value);
      } else {
        out.EndFrame = value;
      }
    } else if (w[0] == "difficulty") {
      if (w.size() != 2 || (w[1] != "easy" && w[1] != "normal" && w[1] != "hard"))
        message = "\"difficulty\" needs easy, normal or hard";
      else
        out.Difficulty = w[1];
    } else if (w[0] == "view") {
      for (size_t k = 1; k < w.size() && message.empty(); ++k) {
        const size_t eq = w[k].find('=');
        const std::string key = w[k].substr(0, eq),
                          value = eq == std::string::npos ? "" : w[k].substr(eq + 1);
        if (key == "reading" && (value == "on" || value == "off"))
          out.ReadingLine = value;
        else if (key == "romaji" && (value == "always" || value == "hint" || value == "off"))
          out.RomajiDisplay = value;
        else if (key == "typed" && (value == "keep" || value == "vanish"))
          out.Typed = value;
        else
          message = "bad \"view\" item \"" + w[k] + "\"";
      }
    } else if (w[0] == "practice-goal") {
      if (w.size() != 2 || (w[1] != "60s" && w[1] != "120s" && w[1] != "20w" && w[1] != "50w"))
        message = "\"practice-goal\" needs 60s, 120s, 20w or 50w";
      else
        out.PracticeGoal = w[1];
    } else if (w[0] == "practice") {
      // A list file named by an older recording is read only from the game's folders.
      out.Practice = Trim(line.substr(8));
      if (out.Practice.empty()) message = "\"practice\" needs a list";
      if (out.Practice.find('\0') != std::string::npos) message = "\"practice\" holds a NUL byte";
      if (IsListPath(out.Practice)) out.Practice = CarriedPath(out.Practice);
    } else if (w[0] == "try-script") {
      out.TryScriptPath = Trim(line.substr(10));
      if (out.TryScriptPath.empty()) message = "\"try-script\" needs a path";
      if (out.TryScriptPath.find('\0') != std::string::npos)
        message = "\"try-script\" holds a NUL byte";
      out.TryScriptPath = CarriedPath(out.TryScriptPath);
    } else {
      if (ParseKeyLine(line, out.Keys, message) && out.Keys.size() > kKeyFileMaxEvents)
        message = "more than " + std::to_string(kKeyFileMaxEvents) + " key events";
    }
    if (!message.empty()) {
      error = Where(fileName, i + 1) + message;
      return false;
    }
  }
  if (!seedSeen) {
    error = Where(fileName, lines.size()) + "no \"seed\" line";
    return false;
  }
  std::string message;
  if (!carried.Finish(out, message)) {
    error = Where(fileName, lines.size()) + message;
    return false;
  }
  SortByFrame(out.Keys);
  r = std::move(out);
  return true;
}

bool LoadRecording(const std::string& path, TRecording& r, std::string& error) {
  std::vector<std::string> lines;
  return ReadLines(path, lines, error) && ParseRecording(lines, path, r, error);
}
