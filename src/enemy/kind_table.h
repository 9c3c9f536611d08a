// One row per enemy kind: its script keyword, picture, sounds, whether its
// prompt opens as it enters, the values its script line gives, its spawn and
// step functions and, for a boss, the word levels its line may name. A kind's
// number is its row; the number of kinds is the table's length.
#pragma once
#include <iterator>
#include <string>

#include "enemy/bosses/bosses.h"
#include "enemy/kinds/kinds.h"

struct Game;
class TEnemy;

// Sets an enemy's starting fields from its script line's own values.
using TSpawnFn = void (*)(Game& g, TEnemy& e, std::string& fields);
// One frame of a kind's behaviour once it has appeared.
using TStepFn = void (*)(Game& g, TEnemy& e);

struct TKindInfo {
  const char* Keyword;      // the scripts' name of the kind (UTF-8)
  const char* Picture;      // catalog picture
  int DeathSound;           // 0 = none, else the digit of "sibou" + n
  const char* AppearSound;  // catalog sound played as it appears; "" for none
  bool PromptAtEntry;       // its prompt window opens as it enters
  // Its own values on a script line, in order: i integer, r real, s side.
  const char* ValueTypes;
  TSpawnFn Spawn;
  TStepFn Step;
  // Word levels its script line may name: a boss derives levels for its own
  // later words and its companions and needs them to stay in 1..8. A kind
  // that never shows a word is not checked (0, 0).
  int LowestLevel, HighestLevel;
  bool Boss;
};

// Row 0 stands for any number outside the table: no picture, no sounds, no
// prompt, no behaviour.
inline constexpr TKindInfo kKindTable[] = {
    {"", "", 0, "", false, "", nullptr, nullptr, 1, 8, false},
    {"歩兵", "enemy_1", 1, "apear4", true, "iir", SpawnFootSoldier, StepFootSoldier, 1, 8, false},
    {"ガンマン", "gunman", 1, "apear5", true, "is", SpawnGunman, StepGunman, 1, 8, false},
    {"ハエ", "hae", 2, "apear1", true, "iir", SpawnFly, StepFly, 1, 8, false},
    {"羽根", "hane", 3, "apear3", true, "i", SpawnFeather, StepFeather, 1, 8, false},
    {"中国人", "boss1", 4, "apear2", false, "", SpawnJumper, StepJumper, 1, 8, true},
    {"警告", "warning", 0, "dora", false, "", SpawnWarningSign, StepWarningSign, 0, 0, false},
    {"パン", "anpan", 1, "apear1", false, "i", SpawnBread, StepBread, 1, 8, false},
    {"テレビ", "tv", 1, "apear4", true, "iiir", SpawnTelevision, StepTelevision, 1, 8, false},
    {"ミサイル", "missile", 1, "apear1", false, "ir", SpawnMissile, StepMissile, 1, 8, false},
    {"カメ", "kame", 2, "apear0", false, "sirr", SpawnTurtle, StepTurtle, 1, 8, false},
    // Gunmen at level + 0..1, missiles at level - 1.
    {"ピエロ", "boss2", 4, "apear2", false, "", SpawnClown, StepClown, 2, 7, true},
    {"サークル", "bou", 2, "apear1", true, "i", SpawnCircle, StepCircle, 1, 8, false},
    {"工事兵", "enemy_2", 1, "apear1", true, "iirr", SpawnBuilder, StepBuilder, 1, 8, false},
    {"ネコトリ", "neko", 1, "apear4", false, "iir", SpawnCatBird, StepCatBird, 1, 8, false},
    // Doubles at level + 1, the dive's word at level - 2.
    {"おっちゃん", "boss3", 4, "apear2", false, "", SpawnUncle, StepUncle, 3, 7, true},
    {"おっちゃん分身", "boss3", 1, "apear2", false, "i", SpawnUncleDouble, StepDropIn, 1, 8, false},
    {"葉っぱ", "leaf", 2, "apear6", false, "rii", SpawnLeaf, StepLeaf, 0, 0, false},
    {"ボロット", "boss4", 3, "apear2", false, "", SpawnRobot, StepRobot, 1, 8, true},
    // Missiles at level - 3 + 0..1, soldiers at level - 2.
    {"マウス", "boss5", 3, "apear7", false, "i", SpawnMouse, StepMouse, 4, 8, true},
    // Options at level - 2 and level - 1.
    {"あべらべら", "boss6_1", 4, "apear8", false, "i", SpawnFloater, StepFloater, 3, 8, true},
    {"オプショソ1", "boss6_2", 4, "apear8", false, "ii", SpawnSinkingOption, StepSinkingOption, 1,
     8, false},
    {"オプショソ2", "boss6_3", 4, "apear8", true, "ii", SpawnRisingOption, StepRisingOption, 1, 8,
     false},
};

inline constexpr int kKindCount = static_cast<int>(std::size(kKindTable)) - 1;

// The row of a kind; row 0 for a number outside 1..kKindCount.
const TKindInfo& KindInfo(int kind);
bool ValidKind(int kind);
