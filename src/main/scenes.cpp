// Scene dispatch, the stage tables, the transitions between scenes and the
// music that goes with them.
#include "main/scenes.h"

#include <algorithm>
#include <array>

#include "base/game_error.h"
#include "base/sjis.h"
#include "enemy/enemy.h"
#include "main/game.h"
#include "main/game_over.h"
#include "main/score.h"
#include "main/settings_scene.h"
#include "records/records_screen.h"
#include "script/script.h"
#include "type_window/type_window.h"

namespace {

constexpr std::array<int, 11> kPartsPerStage = {0, 2, 3, 3, 3, 3, 3, 3, 3, 3, 0};

// The closing piece of each stage (played during the result and ending roll).
constexpr std::array<const char*, 11> kRollMusic = {nullptr,    "A_082GMW", "A_082GMW", "A_030GMW",
                                                    "A_030GMW", "victory",  "victory",  "future",
                                                    "sense",    "sense",    "sense"};
constexpr std::array<const char*, 4> kPartMusic = {nullptr, "PSMAT526", "city3", "event9"};

constexpr std::array<int, 4> kBackdropPattern = {0, 0, 1, 0};

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

const char* MusicName(int stage, int column) {
  if (stage < 1 || stage > 10) return nullptr;
  if (column == 4) return kRollMusic[stage];
  if (column >= 1 && column <= 3) return kPartMusic[column];
  return nullptr;
}

int BackdropPattern(int index) {
  return kBackdropPattern[std::clamp(index, 0, 3)];
}

const std::string& StageNote(int stage) {
  static const std::vector<std::string> notes = MakeStageNotes();
  if (stage < 1 || stage > 10) return notes[0];
  return notes[stage];
}

void RunSceneStep(Game& g) {
  switch (g.Scene) {
    case 0:
      SceneTitle(g);
      break;
    case 5:
      SceneCurtain(g);
      break;
    case 10:
      // The world's pace: some frames run no play step (the last picture
      // stays), some run two; ふつう runs exactly one.
      for (int n = PlayStepsThisFrame(g); n > 0 && g.Scene == 10; --n) ScenePlay(g);
      break;
    case kScenePausePanel:
      ScenePausePanel(g);
      break;
    case kSceneCountIn:
      SceneCountIn(g);
      break;
    case kScenePracticeMenu:
      ScenePracticeMenu(g);
      break;
    case kScenePracticeField:
      ScenePracticeField(g);
      break;
    case kScenePracticeResult:
      ScenePracticeResult(g);
      break;
    case 20:
      SceneGameOverClosing(g);
      break;
    case 21:
      SceneGameOverTitle(g);
      break;
    case 22:
      SceneContinue(g);
      break;
    case 30:
      SceneEndingRoll(g);
      break;
    case 40:
      SceneRanking(g);
      break;
    case kRecordsScene:
      SceneRecords(g);
      break;
    case 70:
      SceneSettings(g);
      break;
    default:
      break;
  }
}

// A piece that cannot be opened leaves the music silent; each file is
// reported once, and nothing is reported when there is no MIDI output at all.
bool OpenAndPlayMusic(Game& g, const char* name) {
  if (name == nullptr || g.Music.Device == nullptr) return false;
  std::string path = DataPath(g, std::string("bgm/") + name + ".mid");
  try {
    g.Music.OpenMusic(path);
    g.Music.PlayMusic();
    return true;
  } catch (const GameError& e) {
    auto& seen = g.Scenes.MusicReported;
    if (std::find(seen.begin(), seen.end(), path) == seen.end()) {
      seen.push_back(path);
      std::string message = e.what();
      if (message.find(name) == std::string::npos) message = path + ": " + message;
      ReportError(g, message);
    }
    return false;
  }
}

void PauseGameMusic(Game& g) {
  if (g.MusicState != 0) return;
  // Pausing toggles, so only a piece that is playing is touched.
  try {
    if (g.Music.IsOpen() && g.Music.MusicMode() == 2) g.Music.PauseMusic();
  } catch (const GameError& e) {
    ReportError(g, e.what());
  }
  g.MusicState = 255;
}

void ReturnToTitle(Game& g) {
  if (g.Scenes.CurtainState != 0) return;
  g.BannerPending = 0;
  g.Scene = 0;
  g.Cursor = 1;
  if (g.MusicState == 0) OpenAndPlayMusic(g, "event8");
  ResetFrameClock(g);
}

void StartStage(Game& g) {
  g.LastPart = 0;
  g.ClearTimer = 0;
  g.Part = 0;
  g.FrameNo = 0;
  g.Score = 0;
  g.Rate = 0;
  RecordsStageStarted(g);
  CloseCurtain(g);
}

void CloseCurtain(Game& g) {
  g.Scene = 5;
  g.Scenes.CurtainPos = 0;
  g.Scenes.CurtainSpeed = 9.0;
  g.Scenes.CurtainState = 1;
  PauseGameMusic(g);
  PlaySound(g, "door");
  g.Typing.KeyQueue.clear();
  if (PartsPerStage(g.Stage) == g.Part) g.LastPart = 1;
  ResetFrameClock(g);
}

void OpenCurtain(Game& g) {
  g.Scenes.CurtainPos = 201.0;
  g.Scenes.CurtainSpeed = 1.1;
  g.Scenes.CurtainState = -10;
  if (g.MusicState == 255) {
    const char* name = g.LastPart ? MusicName(g.Stage, 4) : MusicName(g.Stage, g.Part);
    // On failure the state stays 255, so the next opening tries its own piece.
    if (OpenAndPlayMusic(g, name)) g.MusicState = 0;
  }
}

void StartNextPart(Game& g) {
  ResetBombs(g);
  g.ClearTimer = 0;
  g.Part += 1;
  OpenCurtain(g);
  g.BannerPending = 1;
  g.Scene = 10;
  ClearPlayObjects(g);
  LoadStageScript(g);
  g.Rate = 0;
  RecordsPartStarted(g);
  NotePartStart(g);
  ResetFrameClock(g);
}

// The stage counts as cleared from the banner of its last part on; the file
// is written at once so that a crash or a kill afterwards cannot lose it.
void MarkStageCleared(Game& g) {
  if (g.Stage < 1 || g.Stage > 10) return;
  if (g.Cleared[g.Stage - 1] == 1 && !g.Scenes.ClearedWriteReported) return;
  g.Cleared[g.Stage - 1] = 1;
  SaveCleared(g);
}

void FinishStage(Game& g) {
  g.LastPart = 1;
  MarkStageCleared(g);
  g.StagesCleared.push_back(g.Stage);
  g.BannerPending = 1;
  g.ClearTimer = 0;
  OpenCurtain(g);
  g.Scene = 30;
  ClearPlayObjects(g);
  int32_t before = g.Score;
  int32_t after = ClearBonusScore(before, g.Stage);
  g.Score = after;
  RecordsStageFinished(g);
  int place = InsertRanking(g);
  BuildRoll(g, before, after, place);
}

// Windows refer to their enemies, so they go first; the target is dropped
// before either.
void ClearPlayObjects(Game& g) {
  ReleaseTarget(g);
  ClearWindows(g);
  ClearEnemies(g);
}
