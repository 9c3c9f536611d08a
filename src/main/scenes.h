// Scene flow: title and stage select, curtain, play, ranking; the transitions
// between them and the scrolling background.
#pragma once
#include <string>

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
// Sets the stage's byte of the cleared stages and writes clear.clr at once.
void MarkStageCleared(Game& g);
void ClearPlayObjects(Game& g);
void DrawBackground(Game& g, int index);
void StepCurtain(Game& g);
// Opens and plays a piece of bgm/ (a missing file leaves the music silent).
bool OpenAndPlayMusic(Game& g, const char* name);

int PartsPerStage(int stage);
const char* MusicName(int stage, int column);
// Pauses the playing piece when the game has it playing (MusicState 0) and
// marks it paused by the game (255).
void PauseGameMusic(Game& g);
// The description of a stage on the stage-select screen (CP932, "<-" between
// lines); empty outside 1..10.
const std::string& StageNote(int stage);
// The pattern of "haikei" behind background index 0..3.
int BackdropPattern(int index);
