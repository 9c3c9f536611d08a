// The recipes of the catalog's sound effects and the routine that renders
// every catalog row into a checked PCM item.
#pragma once
#include <string>
#include <vector>

#include "gen_audio/pcm.h"
#include "gen_audio/synth.h"

// What a recipe draws into: channels of exactly Frames samples at Rate.
struct TSoundCanvas {
  double Rate = 22050;
  size_t Frames = 0;
  std::vector<TSignal> Out;
  double T(size_t i) const { return double(i) / Rate; }
  TSignal& Mono() { return Out[0]; }
};

struct TSoundRecipe {
  const char* Name;
  double PeakDb;       // loudness of the finished item
  double FadeSeconds;  // the last stretch fades to silence
  void (*Draw)(TSoundCanvas&);
};

// Recipe groups, one per source file.
std::vector<TSoundRecipe> KeyRecipes();
std::vector<TSoundRecipe> EnemyRecipes();
std::vector<TSoundRecipe> EventRecipes();

// Renders the catalog row with its recipe. False with a message when the row
// has no recipe, its byte length is not whole frames, or the result fails
// CheckSoundItem.
bool MakeSound(const TSoundSpec& spec, TSoundItem& item, std::string& error);
// Every row of the catalog table, in table order.
bool MakeAllSounds(std::vector<TSoundItem>& items, std::string& error);

// Shared voices of the recipes.
// A brass note: three detuned saws through a low-pass that opens with the
// envelope up to 'bright' Hz; vibrato depth is a fraction of the pitch.
void AddBrass(TSignal& s, double rate, double start, double len, double note, double gain,
              double vibrato, double bright);
// A struck bell with inharmonic partials, the fundamental at 'freq' Hz.
void AddBell(TSignal& s, double rate, double start, double freq, double gain, double length);
