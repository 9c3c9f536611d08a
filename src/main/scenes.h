// Scene flow: title and stage select, curtain, play, ranking; the transitions
// between them and the scrolling background.
#pragma once

struct Game;

void RunSceneStep(Game& g);
void SceneTitle(Game& g);
void SceneCurtain(Game& g);
void ScenePlay(Game& g);
void SceneRanking(Game& g);

void ReturnToTitle(Game& g);
void StartStage(Game& g);
void CloseCurtain(Game& g);
void OpenCurtain(Game& g);
void StartNextPart(Game& g);
void FinishStage(Game& g);
void ClearPlayObjects(Game& g);
void DrawBackground(Game& g, int index);
void StepCurtain(Game& g);
// Opens and plays a piece of bgm/ (a missing file leaves the music silent).
bool OpenAndPlayMusic(Game& g, const char* name);

int PartsPerStage(int stage);
const char* MusicName(int stage, int column);
