// The text form of the player's settings: "key = value" lines, comments after
// "#" or ";", read leniently and written in full.
#include "settings/settings.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <sstream>

namespace {

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool ParseBool(const std::string& v, bool& out) {
  std::string l = Lower(v);
  if (l == "on" || l == "true" || l == "yes" || l == "1") {
    out = true;
    return true;
  }
  if (l == "off" || l == "false" || l == "no" || l == "0") {
    out = false;
    return true;
  }
  return false;
}

// A whole number; out of [lo, hi] it is clamped and reported.
bool ParseRanged(const std::string& v, int lo, int hi, int& out, std::string& problem) {
  int64_t n = 0;
  const char* first = v.data();
  if (!v.empty() && v[0] == '+') ++first;
  auto [end, ec] = std::from_chars(first, v.data() + v.size(), n);
  if (v.empty() || end != v.data() + v.size() || ec == std::errc::invalid_argument) {
    problem = "\"" + v + "\" is not a whole number";
    return false;
  }
  if (ec == std::errc::result_out_of_range) n = v[0] == '-' ? INT64_MIN : INT64_MAX;
  out = static_cast<int>(std::clamp<int64_t>(n, lo, hi));
  if (n < lo || n > hi)
    problem = v + " is outside " + std::to_string(lo) + ".." + std::to_string(hi) + ", read as " +
              std::to_string(out);
  return true;
}

const char* OnOff(bool b) {
  return b ? "on" : "off";
}

// One "key = value" pair; sets problem when the key or its value is not usable.
void ApplyPair(TSettings& s, const std::string& key, const std::string& value,
               std::string& problem) {
  auto flag = [&](bool& field) {
    if (!ParseBool(value, field)) problem = "\"" + value + "\" is not on or off";
  };
  auto ranged = [&](int& field, int lo, int hi) { ParseRanged(value, lo, hi, field, problem); };
  if (key == "music") {
    flag(s.MusicOn);
  } else if (key == "sound") {
    flag(s.SoundOn);
  } else if (key == "music_volume") {
    ranged(s.MusicVolume, 0, 100);
  } else if (key == "effects_volume") {
    ranged(s.EffectsVolume, 0, 100);
  } else if (key == "translucency") {
    flag(s.Translucency);
  } else if (key == "show_fps") {
    flag(s.ShowFps);
  } else if (key == "window_scale") {
    ranged(s.WindowScale, 0, kMaxWindowScale);
  } else if (key == "full_screen") {
    flag(s.FullScreen);
  } else if (key == "romaji") {
    if (!ParseRomajiStyle(Lower(value), s.RomajiStyle))
      problem = "\"" + value + "\" is not hepburn, kunrei or mine";
  } else if (key == "difficulty") {
    if (!ParseDifficulty(Lower(value), s.Difficulty))
      problem = "\"" + value + "\" is not easy, normal or hard";
  } else if (key == "stage_look") {
    if (!ParseStageLook(Lower(value), s.StageLook))
      problem = "\"" + value + "\" is not stages or classic";
  } else if (key == "reading_line") {
    flag(s.ReadingLine);
  } else if (key == "romaji_display") {
    if (!ParseRomajiDisplay(Lower(value), s.RomajiDisplay))
      problem = "\"" + value + "\" is not always, hint or off";
  } else if (key == "typed_letters") {
    if (!ParseTypedLetters(Lower(value), s.TypedLetters))
      problem = "\"" + value + "\" is not keep or vanish";
  } else if (key == "player_name") {
    std::string name = value;
    for (char& c : name)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (name.empty() || IsValidPlayerName(name))
      s.PlayerName = name;
    else
      problem = "\"" + value + "\" is not a name of 1 to 8 letters, digits or \"-\"";
  } else {
    problem = "unknown key \"" + key + "\"";
  }
}

}  // namespace

const char* RomajiStyleName(TRomajiStyle s) {
  switch (s) {
    case TRomajiStyle::Kunrei:
      return "kunrei";
    case TRomajiStyle::Mine:
      return "mine";
    case TRomajiStyle::Hepburn:
      break;
  }
  return "hepburn";
}

const char* DifficultyName(TDifficulty d) {
  switch (d) {
    case TDifficulty::Easy:
      return "easy";
    case TDifficulty::Hard:
      return "hard";
    case TDifficulty::Normal:
      break;
  }
  return "normal";
}

bool ParseRomajiStyle(const std::string& text, TRomajiStyle& s) {
  for (TRomajiStyle c : {TRomajiStyle::Hepburn, TRomajiStyle::Kunrei, TRomajiStyle::Mine})
    if (text == RomajiStyleName(c)) {
      s = c;
      return true;
    }
  return false;
}

bool ParseDifficulty(const std::string& text, TDifficulty& d) {
  for (TDifficulty c : {TDifficulty::Easy, TDifficulty::Normal, TDifficulty::Hard})
    if (text == DifficultyName(c)) {
      d = c;
      return true;
    }
  return false;
}

const char* StageLookName(TStageLook l) {
  return l == TStageLook::Classic ? "classic" : "stages";
}

bool ParseStageLook(const std::string& text, TStageLook& l) {
  for (TStageLook c : {TStageLook::Stages, TStageLook::Classic})
    if (text == StageLookName(c)) {
      l = c;
      return true;
    }
  return false;
}

const char* RomajiDisplayName(TRomajiDisplay d) {
  switch (d) {
    case TRomajiDisplay::Hint:
      return "hint";
    case TRomajiDisplay::Off:
      return "off";
    case TRomajiDisplay::Always:
      break;
  }
  return "always";
}

const char* TypedLettersName(TTypedLetters t) {
  return t == TTypedLetters::Keep ? "keep" : "vanish";
}

bool ParseRomajiDisplay(const std::string& text, TRomajiDisplay& d) {
  for (TRomajiDisplay c : {TRomajiDisplay::Always, TRomajiDisplay::Hint, TRomajiDisplay::Off})
    if (text == RomajiDisplayName(c)) {
      d = c;
      return true;
    }
  return false;
}

bool ParseTypedLetters(const std::string& text, TTypedLetters& t) {
  for (TTypedLetters c : {TTypedLetters::Vanish, TTypedLetters::Keep})
    if (text == TypedLettersName(c)) {
      t = c;
      return true;
    }
  return false;
}

bool IsValidPlayerName(const std::string& name) {
  if (name.empty() || name.size() > kPlayerNameMax) return false;
  for (char c : name)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')) return false;
  return true;
}

bool ParseOnOff(const std::string& text, bool& on) {
  return ParseBool(text, on);
}

TSettings ParseSettings(const std::string& text, std::vector<std::string>& problems) {
  TSettings s;
  std::string body = text;
  if (body.rfind("\xEF\xBB\xBF", 0) == 0) body.erase(0, 3);  // a byte-order mark from an editor
  std::istringstream in(body);
  std::string line;
  std::vector<std::string> seen;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string where = "line " + std::to_string(number) + ": ";
    size_t comment = line.find_first_of("#;");
    std::string t = Trim(comment == std::string::npos ? line : line.substr(0, comment));
    if (t.empty()) continue;
    size_t eq = t.find('=');
    if (eq == std::string::npos) {
      problems.push_back(where + "not a \"key = value\" line");
      continue;
    }
    std::string key = Lower(Trim(t.substr(0, eq)));
    std::string value = Trim(t.substr(eq + 1));
    if (std::find(seen.begin(), seen.end(), key) != seen.end())
      problems.push_back(where + "\"" + key + "\" given again; the last one counts");
    seen.push_back(key);
    std::string problem;
    ApplyPair(s, key, value, problem);
    if (!problem.empty()) problems.push_back(where + problem);
  }
  return s;
}

std::string FormatSettings(const TSettings& s) {
  std::ostringstream o;
  o << "# Mirutena settings. The game rewrites this file when a setting changes.\n"
    << "# Music and sound effects on or off (F4, F5), and their volumes 0..100.\n"
    << "music = " << OnOff(s.MusicOn) << "\n"
    << "sound = " << OnOff(s.SoundOn) << "\n"
    << "music_volume = " << s.MusicVolume << "\n"
    << "effects_volume = " << s.EffectsVolume << "\n"
    << "# Translucent windows and effects (F3), frame rate shown (F1).\n"
    << "translucency = " << OnOff(s.Translucency) << "\n"
    << "show_fps = " << OnOff(s.ShowFps) << "\n"
    << "# Window scale 1.." << kMaxWindowScale << ", 0 for the largest that fits the screen;\n"
    << "# full screen on or off (F2).\n"
    << "window_scale = " << s.WindowScale << "\n"
    << "full_screen = " << OnOff(s.FullScreen) << "\n"
    << "# Romanisation shown in the guide: hepburn, kunrei or mine.\n"
    << "romaji = " << RomajiStyleName(s.RomajiStyle) << "\n"
    << "# Difficulty: easy, normal or hard.\n"
    << "difficulty = " << DifficultyName(s.Difficulty) << "\n"
    << "# Backdrop and music of the stages: stages (each its own) or classic.\n"
    << "stage_look = " << StageLookName(s.StageLook) << "\n"
    << "# Prompt windows: the reading in kana on or off; the romaji always, as a\n"
    << "# hint once you hesitate or miss, or off; typed letters vanish or keep.\n"
    << "reading_line = " << OnOff(s.ReadingLine) << "\n"
    << "romaji_display = " << RomajiDisplayName(s.RomajiDisplay) << "\n"
    << "typed_letters = " << TypedLettersName(s.TypedLetters) << "\n"
    << "# The name last entered into a ranking (1 to 8 of A-Z, 0-9 and -).\n"
    << "player_name = " << s.PlayerName << "\n";
  return o.str();
}
