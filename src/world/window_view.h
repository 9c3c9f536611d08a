// How prompt windows show their word: the reading line, the romaji line and
// the typed letters, from the player's settings unless a flag of this run
// gives one (the settings screen then takes it back).
#pragma once
#include <optional>
#include <string>

#include "settings/settings.h"

struct Game;

struct TWindowView {
  bool Reading = false;
  TRomajiDisplay Romaji = TRomajiDisplay::Always;
  TTypedLetters Typed = TTypedLetters::Vanish;
};

// What --reading, --romaji-display and --typed gave for this run.
struct TWindowViewFlags {
  std::optional<bool> Reading;
  std::optional<TRomajiDisplay> Romaji;
  std::optional<TTypedLetters> Typed;
};

TWindowView WindowViewOf(const Game& g);
// Takes the flags' texts (empty: not given); false with a message for a bad one.
bool ParseWindowViewFlags(const std::string& reading, const std::string& romaji,
                          const std::string& typed, TWindowViewFlags& out, std::string& error);
