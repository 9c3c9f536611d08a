// Scene flow: the dispatch of a frame's scene step and the transitions
// between scenes (title, curtain, parts, stage end), with their music.
#pragma once

struct Game;

// Runs the step of the scene the game is in (the list is world/scene_id.h).
void RunSceneStep(Game& g);

void ReturnToTitle(Game& g);
void StartStage(Game& g);
void CloseCurtain(Game& g);
void OpenCurtain(Game& g);
void StartNextPart(Game& g);
void FinishStage(Game& g);
// At the last part's banner: keeps the stage's clear, final score, record and
// ranking entry at once (nothing when already kept).
void KeepStageResult(Game& g);
// Opens and plays a piece of bgm/ (a missing file leaves the music silent).
bool OpenAndPlayMusic(Game& g, const char* name);
// Pauses the playing piece when the game has it playing (MusicState 0) and
// marks it paused by the game (255).
void PauseGameMusic(Game& g);
