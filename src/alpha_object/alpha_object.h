// Effect objects: short-lived pictures (sparks, explosions, banners) that move
// and fade with constant accelerations and are drawn once per frame.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Game;

struct TAlphaObject {
  uint8_t EffectType = 0;  // 1 animated, 2 still
  uint8_t EndMode = 0;     // 0 ends below opacity 0, 1 ends when FramesLeft is 0
  int32_t FramesLeft = 0;
  uint8_t StepFrame = 0;  // animated: frames shown of this step; still: the pattern
  uint8_t FramesPerStep = 0;
  uint8_t StepIndex = 1;  // 1-based position in Sequence
  double PosX = 0, PosY = 0;
  std::string PictureName;
  std::array<uint8_t, 31> Sequence{};  // positions 1..30 used
  double Opacity = 0, OpacitySpeed = 0, OpacityAccel = 0;
  double SpeedX = 0, AccelX = 0, SpeedY = 0, AccelY = 0;
  // Catalog position + 1 of the picture, looked up once at the spawn
  // (0 = not in the catalog: the effect runs its course undrawn).
  int32_t ItemIndex = 0;
};

struct TEffects {
  std::vector<std::unique_ptr<TAlphaObject>> EffectList;
};

// The two pattern sequences the game uses (positions 1..30).
std::array<uint8_t, 31> SparkSequence();
std::array<uint8_t, 31> ExplosionSequence();

void StartEffects(Game& g);
void SpawnAnimatedEffect(Game& g, int endMode, int x, int y, const std::string& picture,
                         const std::array<uint8_t, 31>& sequence, int framesPerStep, double opacity,
                         double opacitySpeed, double opacityAccel, double speedX, double accelX,
                         double speedY, double accelY, int frames);
void SpawnStillEffect(Game& g, int endMode, int x, int y, const std::string& picture, int pattern,
                      double opacity, double opacitySpeed, double opacityAccel, double speedX,
                      double accelX, double speedY, double accelY, int frames);
void SparkBurst(Game& g, const std::string& picture, int x, int y, int count);
// The bomb explosion (barst_1) with its top-left corner at (x, y).
void SpawnExplosion(Game& g, int x, int y);
void UpdateEffects(Game& g, bool translucent);
