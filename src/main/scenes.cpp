// Scene dispatch, the stage tables, the transitions between scenes and the
// music that goes with them.
#include "main/scenes.h"

#include <algorithm>
#include <array>

#include "base/game_error.h"
#include "base/sjis.h"
#include "enemy/enemy.h"
#include "main/curtain.h"
#include "main/ending_roll.h"
#include "main/game_over.h"
#include "main/howto_scene.h"
#include "main/name_entry.h"
#include "main/pause.h"
#include "main/play_scene.h"
#include "main/ranking_scene.h"
#include "main/settings_scene.h"
#include "main/title_scene.h"
#include "practice/practice.h"
#include "records/records_screen.h"
#include "script/script.h"
#include "type_window/type_window.h"
#include "world/game.h"
#include "world/saved_results.h"
#include "world/score.h"
#include "world/stage_table.h"

void RunSceneStep(Game& g) {
  switch (g.Scene) {
    case kSceneTitle:
      SceneTitle(g);
      break;
    case kSceneCurtain:
      SceneCurtain(g);
      break;
    case kScenePlay:
      // The world's pace: some frames run no play step (the last picture
      // stays), some run two; ふつう runs exactly one.
      for (int n = PlayStepsThisFrame(g); n > 0 && g.Scene == kScenePlay; --n) ScenePlay(g);
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
    case kSceneGameOverClosing:
      SceneGameOverClosing(g);
      break;
    case kSceneGameOverTitle:
      SceneGameOverTitle(g);
      break;
    case kSceneContinue:
      SceneContinue(g);
      break;
    case kSceneEndingRoll:
      SceneEndingRoll(g);
      break;
    case kSceneRanking:
      SceneRanking(g);
      break;
    case kSceneHowToPlay:
      SceneHowToPlay(g);
      break;
    case kSceneRecords:
      SceneRecords(g);
      break;
    case kSceneSettings:
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
  // Leaving the roll or the continue screen keeps the name as it stands.
  ConfirmNameEntry(g);
  g.BannerPending = 0;
  g.Scene = kSceneTitle;
  g.Cursor = 1;
  if (g.MusicState == 0) OpenAndPlayMusic(g, "event8");
  ResetFrameClock(g);
}

void StartStage(Game& g) {
  g.Scenes.StageKept.Valid = false;
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
  g.Scene = kSceneCurtain;
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
    const char* name = MusicName(g.Stage, g.LastPart ? 4 : g.Part, StageLookOf(g));
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
  g.Scene = kScenePlay;
  ClearPlayObjects(g);
  LoadStageScript(g);
  g.Rate = 0;
  RecordsPartStarted(g);
  NotePartStart(g);
  ResetFrameClock(g);
}

// The stage counts as cleared from the banner of its last part on, and its
// results are kept there: the final score (bomb and clear bonuses, as the roll
// will show it), the part's record, the ranking entry and the clear, all
// written at once so that any close or kill afterwards keeps all of them.
void KeepStageResult(Game& g) {
  auto& kept = g.Scenes.StageKept;
  if (kept.Valid || g.Stage < 1 || g.Stage > 10) return;
  const int32_t shown = g.Score;
  AddBombBonus(g);
  kept.Before = g.Score;
  kept.After = ClearBonusScore(kept.Before, g.Stage);
  g.Score = kept.After;
  KeepStageCleared(g, g.Stage);
  RecordsStageFinished(g);
  kept.Place = InsertRanking(g);
  kept.Valid = true;
  g.Score = shown;
}

void FinishStage(Game& g) {
  g.LastPart = 1;
  KeepStageResult(g);
  auto& kept = g.Scenes.StageKept;
  g.StagesCleared.push_back(g.Stage);
  g.BannerPending = 1;
  g.ClearTimer = 0;
  OpenCurtain(g);
  g.Scene = kSceneEndingRoll;
  ClearPlayObjects(g);
  g.Score = kept.After;
  BuildRoll(g, kept.Before, kept.After, kept.Place);
  BeginNameEntry(g, kept.Place, kept.After);
  kept.Valid = false;
}
