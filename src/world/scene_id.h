// Every scene the game can be in, in one list. The numbers are the ones the
// traces, summaries and recordings carry, so they never change; a new scene
// takes a free number here. Each line says where the scene's own state lives.
#pragma once
#include <cstdint>

enum TSceneId : int32_t {
  kSceneTitle = 0,             // title menu and stage select (Game::Cursor, Difficulty)
  kSceneCurtain = 5,           // the closed curtain between parts (TSceneState: Curtain*)
  kScenePlay = 10,             // the field (the subsystems' own state)
  kScenePausePanel = 15,       // the pause panel (TPauseState)
  kSceneCountIn = 16,          // the count-in after the panel (TPauseState)
  kSceneGameOverClosing = 20,  // bands closing over the field (TSceneState: game over)
  kSceneGameOverTitle = 21,    // the GAME OVER title (TSceneState: game over)
  kSceneContinue = 22,         // the continue question (TSceneState: RankText*)
  kSceneEndingRoll = 30,       // the result and ending roll (TSceneState: Roll, dancers)
  kSceneRanking = 40,          // the ranking screen (no state of its own)
  kSceneHowToPlay = 50,        // あそびかた: the pages of how to play (Game::Cursor, the page)
  kSceneRecords = 60,          // the records screen (TRecords: screen state)
  kSceneSettings = 70,         // the settings screen (TSceneState: SettingsRow)
  kScenePracticeMenu = 80,     // practice: choosing a list (TPracticeState)
  kScenePracticeField = 81,    // practice: typing (TPracticeState)
  kScenePracticeResult = 82,   // practice: the result panel (TPracticeState)
};
