// The stage tables: parts per stage, the music of each part (in either look)
// and of the roll, the stage-select notes, and the look a run plays in.
#include "world/stage_table.h"

#include <array>
#include <vector>

#include "base/sjis.h"
#include "world/game.h"

namespace {

constexpr std::array<int, 11> kPartsPerStage = {0, 2, 3, 3, 3, 3, 3, 3, 3, 3, 0};

// The closing piece of each stage (played during the result and ending roll).
constexpr std::array<const char*, 11> kRollMusic = {nullptr,    "A_082GMW", "A_082GMW", "A_030GMW",
                                                    "A_030GMW", "victory",  "victory",  "future",
                                                    "sense",    "sense",    "sense"};
constexpr std::array<const char*, 4> kPartMusic = {nullptr, "PSMAT526", "city3", "event9"};
// Each stage's own piece, played through all its parts in the stages look:
// the boss part too, so that no part plays event9, which shares a quarter of
// its melody's 4-note groups with the title's event8.
constexpr std::array<const char*, 10> kStagePieces = {nullptr,  "stage1", "stage2", "stage3",
                                                      "stage4", "stage5", "stage6", "stage7",
                                                      "stage8", "stage9"};

// Lines are kept to 14 full-width characters so that they stay inside the
// panel of the stage select.
std::vector<std::string> MakeStageNotes() {
  const char* notes[] = {
      "・とっても簡単。<-キーボードを触ったことが<-ない人向け。",
      "・易しい。<-これでゲームシステムに<-慣れよう。",
      "・ふつう。<-Escキーでターゲット変更<-できることを念頭において<-プレイしよう。",
      "・やや難しめ。<-「敵をどの順番から倒すか？」<-を考えてプレイすれば<-被害は小。",
      "・難しい。<-敵の動き方のパターンを<-つかめば、けっこう楽になる。",
      "・難しい。<-ステージ終了時に爆弾の残数に<-応じて得点がアップする。",
      "・かなり難しい。<-このゲームのコツは、<-タイプミスをしないこと。<-爆弾消費が減るハズ。",
      "・かなり難しい。<-パターンさえ把握すれば<-ステージ７よりも楽。",
      "　ラストステージ！",
      "　　　　 ＜　エンディング　＞<-　　　　  全面制覇の証。",
  };
  std::vector<std::string> out(1);  // index 0 unused
  for (const char* n : notes) out.push_back(Sjis(n));
  return out;
}

}  // namespace

int PartsPerStage(int stage) {
  if (stage < 1 || stage > 10) return 0;
  return kPartsPerStage[stage];
}

const char* MusicName(int stage, int column, TStageLook look) {
  if (stage < 1 || stage > 10) return nullptr;
  if (column == 4) return kRollMusic[stage];
  if (look == TStageLook::Stages && column >= 1 && column <= PartsPerStage(stage))
    return kStagePieces[stage];
  if (column >= 1 && column <= 3) return kPartMusic[column];
  return nullptr;
}

const std::string& StageNote(int stage) {
  static const std::vector<std::string> notes = MakeStageNotes();
  if (stage < 1 || stage > 10) return notes[0];
  return notes[stage];
}

TStageLook StageLookOf(const Game& g) {
  return g.Scenes.StageLookGiven ? g.Scenes.StageLookFlag : g.Settings.Values().StageLook;
}
