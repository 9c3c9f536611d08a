// The prompt windows' view: settings, overridden by this run's flags.
#include "world/window_view.h"

#include "world/game.h"

TWindowView WindowViewOf(const Game& g) {
  const TSettings& s = g.Settings.Values();
  const TWindowViewFlags& f = g.ViewFlags;
  TWindowView v;
  v.Reading = f.Reading.value_or(s.ReadingLine);
  v.Romaji = f.Romaji.value_or(s.RomajiDisplay);
  v.Typed = f.Typed.value_or(s.TypedLetters);
  return v;
}

bool ParseWindowViewFlags(const std::string& reading, const std::string& romaji,
                          const std::string& typed, TWindowViewFlags& out, std::string& error) {
  out = TWindowViewFlags();
  bool on = false;
  TRomajiDisplay display{};
  TTypedLetters letters{};
  if (!reading.empty()) {
    if (reading != "on" && reading != "off") {
      error = "--reading: expected on or off, got \"" + reading + "\"";
      return false;
    }
    ParseOnOff(reading, on);
    out.Reading = on;
  }
  if (!romaji.empty()) {
    if (!ParseRomajiDisplay(romaji, display)) {
      error = "--romaji-display: expected always, hint or off, got \"" + romaji + "\"";
      return false;
    }
    out.Romaji = display;
  }
  if (!typed.empty()) {
    if (!ParseTypedLetters(typed, letters)) {
      error = "--typed: expected keep or vanish, got \"" + typed + "\"";
      return false;
    }
    out.Typed = letters;
  }
  return true;
}
