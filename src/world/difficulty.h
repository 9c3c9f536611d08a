// The three difficulties. ふつう is the game as it always was; やさしい and
// むずかしい are built from its own rules: the world's pace (play steps per
// second while the display keeps its frame rate), word levels shifted by
// one and the prompt windows' time limits scaled. Each difficulty keeps its
// own ranking file.
#pragma once
#include <string>

#include "settings/settings.h"

struct Game;

struct TDifficultyState {
  TDifficulty Level = TDifficulty::Normal;
  int PaceCredit = 0;    // play steps owed, in 1/kPaceDen steps
  int StageCursor = 11;  // the stage chosen before the cursor went to the difficulty row
};

// The stage select's cursor value while it stands on the difficulty row.
inline constexpr int kDifficultyRow = 30;

// やさしい, ふつう, むずかしい (UTF-8).
const char* DifficultyLabel(TDifficulty d);
// The ranking file of a difficulty, under dat/ ("score.rnk" for ふつう).
std::string RankingFileName(TDifficulty d);

// Play steps to run in this frame (always 1 for ふつう, and while a curtain
// moves, so the curtain never draws over a field left standing).
int PlayStepsThisFrame(Game& g);
// The word level an enemy's prompt window takes at this difficulty.
int DifficultyWordLevel(const Game& g, int level);
// A prompt window's time limit (frames; 0 for none) at this difficulty.
int DifficultyTimeLimit(const Game& g, int frames);
// The difficulty as the records file marks a part: empty for ふつう (as the
// records had it before there were difficulties), else "easy" or "hard".
std::string RecordsDifficulty(const Game& g);
// Changes the difficulty: the ranking shown and entered becomes its own.
void ChangeDifficulty(Game& g, TDifficulty d);
// The same, kept in the player's settings as the difficulty to start with.
void ChooseDifficulty(Game& g, TDifficulty d);
