// The player's settings (volumes, look, window, typing style, difficulty) and
// their text form, the settings.ini file.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

enum class TRomajiStyle { Hepburn, Kunrei, Mine };
enum class TDifficulty { Easy, Normal, Hard };
// The field's backdrop and music: each stage its own, or the pieces and the
// backdrop every stage shared before.
enum class TStageLook { Stages, Classic };
// The romaji line of a prompt window: always shown, shown once the player
// hesitates or misses, or never (the word and its reading only).
enum class TRomajiDisplay { Always, Hint, Off };
// Letters already typed: gone from the window, or kept in sight dimmed.
enum class TTypedLetters { Vanish, Keep };

// Defaults are the game as it always started: everything on, no frame rate,
// the window at its automatic size; only the stages now each look their own.
struct TSettings {
  bool MusicOn = true;       // F4
  bool SoundOn = true;       // F5
  int MusicVolume = 100;     // 0..100
  int EffectsVolume = 100;   // 0..100
  bool Translucency = true;  // F3
  bool ShowFps = false;      // F1
  int WindowScale = 0;       // 0: automatic, else 1..kMaxWindowScale
  bool FullScreen = false;   // F2
  TRomajiStyle RomajiStyle = TRomajiStyle::Hepburn;
  TDifficulty Difficulty = TDifficulty::Normal;
  TStageLook StageLook = TStageLook::Stages;
  bool ReadingLine = false;  // the reading in kana between the word and the romaji
  TRomajiDisplay RomajiDisplay = TRomajiDisplay::Always;
  TTypedLetters TypedLetters = TTypedLetters::Vanish;
  // The name last entered into a ranking; an empty entry takes it again.
  std::string PlayerName;

  bool operator==(const TSettings&) const = default;
};

inline constexpr int kMaxWindowScale = 16;

const char* RomajiStyleName(TRomajiStyle s);  // "hepburn", "kunrei", "mine"
const char* DifficultyName(TDifficulty d);    // "easy", "normal", "hard"
const char* StageLookName(TStageLook l);      // "stages", "classic"
bool ParseRomajiStyle(const std::string& text, TRomajiStyle& s);
bool ParseDifficulty(const std::string& text, TDifficulty& d);
bool ParseStageLook(const std::string& text, TStageLook& l);
const char* RomajiDisplayName(TRomajiDisplay d);  // "always", "hint", "off"
const char* TypedLettersName(TTypedLetters t);    // "vanish", "keep"
bool ParseRomajiDisplay(const std::string& text, TRomajiDisplay& d);
bool ParseTypedLetters(const std::string& text, TTypedLetters& t);
// A name the ranking keeps: 1 to 8 of A-Z, 0-9 and "-".
bool IsValidPlayerName(const std::string& name);
inline constexpr size_t kPlayerNameMax = 8;
// "on" or "off" (also yes/no, true/false, 1/0).
bool ParseOnOff(const std::string& text, bool& on);

// Reads the text of a settings file into s, starting from the defaults: every
// line it understands is taken, and each line it cannot use (no "=", an
// unknown key, a bad or out-of-range value) adds a message "line N: ..." to
// problems. Out-of-range numbers are clamped into range.
TSettings ParseSettings(const std::string& text, std::vector<std::string>& problems);
// The text of a settings file, every key with a comment on what it holds.
std::string FormatSettings(const TSettings& s);
